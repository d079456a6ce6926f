#pragma once

class QWidget;

// X11: hands the "always on top" that the user may have set on a window through its window
// manager's menu to the window that takes its place (the result window on Find, the entry
// window on Back). The window manager forgets that state when a window goes off screen, so
// it is read while the window leaving is still there. Elsewhere no such state of the user's
// is known to the program.
void passOnKeptAbove(QWidget* from, QWidget* to);
