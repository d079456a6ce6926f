#include "Placement.h"

#include "platform/FrameCorrection.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <optional>

namespace
{

// The program's window that last had the keyboard.
QPointer<QWindow>& lastUsed()
{
    static QPointer<QWindow> window;
    return window;
}

class Placement : public QObject
{
public:
    Placement(QWidget* window, QWidget* over)
        : QObject(window), m_window(window), m_over(over),
          m_correction(new FrameCorrection(window, [this] { return target(); }))
    {
        window->installEventFilter(this);
        static const auto following =
            QObject::connect(qApp, &QGuiApplication::focusWindowChanged, [](QWindow* w) {
                if (w)
                    lastUsed() = w;
            });
        Q_UNUSED(following);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        // The program shows and hides its windows; a window minimized and restored (by the
        // user, or by mutter as it maps the window) stays where it is.
        if (event->spontaneous())
            return false;
        if (event->type() == QEvent::Show)
            place();
        else if (event->type() == QEvent::Hide && !m_correction->framing())
            m_kept = framePosition();
        return false;
    }

private:
    // The screen the person is using: that of the window the new one speaks for, else of the
    // window that last had the keyboard (hidden or closing by now, as on Find and Exit),
    // else of the mouse pointer.
    QScreen* screenInUse() const
    {
        QRect used;
        if (m_over)
            used = frameGeometry(m_over);
        else if (lastUsed() && lastUsed() != m_window->windowHandle())
            used = lastUsed()->frameGeometry();
        if (QScreen* screen = used.isValid() ? QGuiApplication::screenAt(used.center()) : nullptr)
            return screen;
        if (QScreen* screen = QGuiApplication::screenAt(QCursor::pos()))
            return screen;
        return QGuiApplication::primaryScreen();
    }

    // On the area; when larger than it, its top-left corner, where the title bar starts.
    static QPoint keptOn(const QRect& area, QRect frame)
    {
        return QPoint(qMax(qMin(frame.left(), area.right() + 1 - frame.width()), area.left()),
                      qMax(qMin(frame.top(), area.bottom() + 1 - frame.height()), area.top()));
    }

    QPoint target() const
    {
        QRect frame = frameGeometry(m_window);
        if (m_kept) {
            // Back where it was, on the screen it was on if that is still there.
            frame.moveTopLeft(*m_kept);
            QScreen* screen = QGuiApplication::screenAt(frame.center());
            if (!screen)
                screen = m_screen;
            return screen ? keptOn(screen->availableGeometry(), frame) : *m_kept;
        }
        QScreen* screen = m_screen;
        if (!screen)
            return m_window->pos();
        const QRect area = screen->availableGeometry();
        frame.moveCenter(m_over ? frameGeometry(m_over).center() : area.center());
        return keptOn(area, frame);
    }

    // The widget's own idea of its frame lags behind its native window's.
    static QRect frameGeometry(const QWidget* widget)
    {
        return widget->windowHandle() ? widget->windowHandle()->frameGeometry() : widget->frameGeometry();
    }
    QPoint framePosition() const
    {
        return m_window->windowHandle() ? m_window->windowHandle()->framePosition() : m_window->pos();
    }

    void place()
    {
        m_screen = screenInUse();
        m_window->move(target());
        m_correction->start();
    }

    QWidget* m_window;
    QPointer<QWidget> m_over;
    std::optional<QPoint> m_kept; // where the frame was when the window was last hidden
    QPointer<QScreen> m_screen;   // the screen in use when the window showed
    FrameCorrection* m_correction;
};

} // namespace

void keepPlaced(QWidget* window, QWidget* over) { new Placement(window, over); }
