#pragma once

#include <functional>

class QWidget;

// Screen readers (Orca): a box whose text changes as it takes the focus is taken for a repeat
// of the focus event and said nothing of. So a change that comes with the focus (a form box's
// placeholder going) runs one turn of the event loop later, and only while the box still has
// the focus.
void changeAfterFocusIsSaid(QWidget* box, std::function<void()> change);
