#pragma once

struct QMetaObject;

// Qt gives a top-level window that is a plain QWidget the role of a client area, and screen
// readers then do not meet it as a window; windows of this class are met as the other
// windows are. Installed once, at start-up.
void meetAsWindow(const QMetaObject& windowClass);
