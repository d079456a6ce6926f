#include "WaylandFixedSize.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QWindowStateChangeEvent>

namespace
{

constexpr Qt::WindowStates enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;
const char* const fixedSizeProperty = "quorvexFixedSize";
const char* const watchedProperty = "quorvexWatched";

// The compositor answers a maximize request with a configure of its own size, which the
// window must take before it can ask to be put back. So the size limits are lifted when the
// request goes out, the window is put back once the compositor has enlarged it, and its size
// and limits come back when the compositor has made it normal again.
class FixedSizeKeeper : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow() && widget->windowHandle())
                watch(widget->windowHandle());
        } else if (event->type() == QEvent::WindowStateChange && event->spontaneous()) {
            if (auto* window = qobject_cast<QWindow*>(watched))
                compositorChangedState(window, static_cast<QWindowStateChangeEvent*>(event)->oldState());
        }
        return false;
    }

private:
    void watch(QWindow* window)
    {
        if (window->property(watchedProperty).toBool())
            return;
        window->setProperty(watchedProperty, true);
        window->installEventFilter(this);
        connect(window, &QWindow::windowStateChanged, this, [window](Qt::WindowState state) {
            if ((state & enlarged) && window->minimumSize() == window->maximumSize() &&
                !window->property(fixedSizeProperty).isValid()) {
                window->setProperty(fixedSizeProperty, window->minimumSize());
                window->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
            }
        });
    }

    static void compositorChangedState(QWindow* window, Qt::WindowStates oldState)
    {
        const QSize fixed = window->property(fixedSizeProperty).toSize();
        if (!fixed.isValid())
            return;
        if (window->windowStates() & enlarged) {
            // After the enlarged size has been committed, not before, or the compositor
            // does not answer.
            QPointer<QWindow> guarded(window);
            QTimer::singleShot(0, window, [guarded] {
                if (guarded && (guarded->windowStates() & enlarged))
                    guarded->setWindowStates(guarded->windowStates() & ~enlarged);
            });
        } else if (oldState & enlarged) {
            window->setProperty(fixedSizeProperty, QVariant());
            window->setMinimumSize(fixed);
            window->setMaximumSize(fixed);
            window->resize(fixed);
        }
    }
};

} // namespace

void keepFixedSizeWindowsFixed()
{
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        return;
    static FixedSizeKeeper keeper;
    qApp->installEventFilter(&keeper);
}
