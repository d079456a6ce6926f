#pragma once

class QWidget;

// Where a top-level window's frame goes: centred on the frame of the window it speaks for
// (over), or else on the available area of its screen, when it first shows, kept on that
// area, and with its top-left corner on it when the window is larger, so that its title bar
// stays in reach; and back where it was when it shows again after being hidden.
//
// Before a window is first mapped, no window manager has said how large its frame is, so it
// is placed by its best guess and put right as soon as it is exposed, framed.
void keepPlaced(QWidget* window, QWidget* over = nullptr);
