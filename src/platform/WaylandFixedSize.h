#pragma once

// Native Wayland: a request to maximize or show full screen a window of fixed size, from Qt's
// own title bar or from code, is answered by putting the window back to its size. The
// compositor would otherwise end the program with a protocol error, because the window
// cannot take the size it is given. Does nothing on other platforms.
void keepFixedSizeWindowsFixed();
