#include "NativeWindow.h"

#include <QWidget>
#include <QWindow>

void filterNativeWindow(QWidget* window, QObject* filter)
{
    if (QWindow* native = window->windowHandle()) {
        native->removeEventFilter(filter);
        native->installEventFilter(filter);
    }
}
