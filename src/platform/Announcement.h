#pragma once

class QString;
class QWidget;

// Qt 6.8 and later: has a screen reader, when one listens, say a text that no focused control
// carries (the sign found, the screen that came up), after what it says of the focus: sent
// one turn of the event loop later, or the focus would cut it short. Older Qt has no way to,
// and the caller leaves the text where those screen readers read it (a window's description).
void announceAfterFocus(QWidget* source, const QString& text);
