#pragma once

class QObject;
class QWidget;

// Has filter watch a window's native window, which sees input and exposure before any widget
// does. The native window exists from the window's first show on and is made anew after a
// close, so call it at every show.
void filterNativeWindow(QWidget* window, QObject* filter);
