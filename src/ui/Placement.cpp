#include "Placement.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <optional>

namespace
{

// How long after a window is first exposed its window manager may still be building its
// frame; the frame is put right in that time, while it stands where the program put it.
constexpr int framingTime = 1000;

// The program's window that last had the keyboard.
QPointer<QWindow>& lastUsed()
{
    static QPointer<QWindow> window;
    return window;
}

class Placement : public QObject
{
public:
    Placement(QWidget* window, QWidget* over) : QObject(window), m_window(window), m_over(over)
    {
        window->installEventFilter(this);
        static const auto following =
            QObject::connect(qApp, &QGuiApplication::focusWindowChanged, [](QWindow* w) {
                if (w)
                    lastUsed() = w;
            });
        Q_UNUSED(following);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window) {
            // The program shows and hides its windows; a window minimized and restored (by
            // the user, or by mutter as it maps the window) stays where it is.
            if (event->spontaneous())
                return false;
            if (event->type() == QEvent::Show)
                place();
            else if (event->type() == QEvent::Hide && !framing())
                m_kept = framePosition();
        } else if ((event->type() == QEvent::Expose || event->type() == QEvent::Move) && framing() &&
                   m_window->windowHandle()->isExposed()) {
            if (!m_exposed.isValid())
                m_exposed.start();
            if (frameKnown())
                correct();
        }
        return false;
    }

private:
    bool framing() const { return m_placing && (!m_exposed.isValid() || m_exposed.elapsed() < framingTime); }

    // While the window manager builds the frame (the first exposure, and each change of the
    // frame's margins), the frame is put back where it belongs; a move with the frame as it
    // was is someone else's (a drag, a tiling key, a window rule), and from then on where
    // the window goes is the user's and the window manager's affair.
    void correct()
    {
        const QMargins margins = m_window->windowHandle()->frameMargins();
        const bool framingStep = !m_framed || margins != m_margins;
        m_framed = true;
        m_margins = margins;
        const QPoint now = framePosition();
        if (framingStep)
            m_target = target(); // measured with the frame as it is now
        if (now == m_target)
            return;
        if (framingStep) {
            m_asked = now;
            m_window->windowHandle()->setFramePosition(m_target);
        } else if (now != m_asked) { // not merely still where it was when the move was asked
            m_placing = false;
        }
    }

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

    // While the window manager is still building the frame, the margins read from the window
    // tree can come out negative.
    bool frameKnown() const
    {
        const QMargins m = m_window->windowHandle()->frameMargins();
        return m.left() >= 0 && m.top() >= 0 && m.right() >= 0 && m.bottom() >= 0;
    }

    void place()
    {
        m_screen = screenInUse();
        m_target = target();
        m_window->move(m_target);
        m_placing = true;
        m_framed = false;
        m_exposed.invalidate();
        if (QWindow* native = m_window->windowHandle()) {
            native->removeEventFilter(this);
            native->installEventFilter(this);
        }
    }

    QWidget* m_window;
    QPointer<QWidget> m_over;
    std::optional<QPoint> m_kept; // where the frame was when the window was last hidden
    QPointer<QScreen> m_screen;   // the screen in use when the window showed
    QPoint m_target;              // where the frame was put then
    bool m_placing = false;
    bool m_framed = false; // exposed with a known frame since the window showed
    QMargins m_margins;
    QPoint m_asked; // where the frame stood when it was last put right
    QElapsedTimer m_exposed;
};

} // namespace

void keepPlaced(QWidget* window, QWidget* over) { new Placement(window, over); }
