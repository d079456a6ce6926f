#pragma once

class QWidget;

// Where a top-level window's frame goes when it shows: centred on the frame of the window it
// speaks for (over), or else on the available area of the screen in use (that of the active
// window, else of the mouse pointer), kept on that area, and with its top-left corner on it
// when the window is larger, so that its title bar stays in reach; after being hidden, back
// where it was, brought onto a screen that is still there.
//
// Before a window is first mapped, no window manager has said how large its frame is, so it
// is placed by its best guess and put right once, framed, unless it has been moved by then.
void keepPlaced(QWidget* window, QWidget* over = nullptr);
