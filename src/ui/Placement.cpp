#include "Placement.h"

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
// frame; the frame is put right whenever it lands elsewhere in that time.
constexpr int framingTime = 1000;

class Placement : public QObject
{
public:
    Placement(QWidget* window, QWidget* over) : QObject(window), m_window(window), m_over(over)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window) {
            if (event->type() == QEvent::Show)
                place();
            else if (event->type() == QEvent::Hide && !framing())
                m_kept = framePosition();
        } else if ((event->type() == QEvent::Expose || event->type() == QEvent::Move) && framing() &&
                   m_window->windowHandle()->isExposed()) {
            if (!m_exposed.isValid())
                m_exposed.start();
            if (frameKnown() && framePosition() != target())
                m_window->windowHandle()->setFramePosition(target());
        }
        return false;
    }

private:
    bool framing() const { return m_placing && (!m_exposed.isValid() || m_exposed.elapsed() < framingTime); }

    QPoint target() const
    {
        if (m_kept)
            return *m_kept;
        QScreen* screen = m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return m_window->pos();
        const QRect area = screen->availableGeometry();
        QRect frame = frameGeometry(m_window);
        frame.moveCenter(m_over ? frameGeometry(m_over).center() : area.center());
        // On the screen; when larger than it, its top-left corner, where the title bar starts.
        return QPoint(qMax(qMin(frame.left(), area.right() + 1 - frame.width()), area.left()),
                      qMax(qMin(frame.top(), area.bottom() + 1 - frame.height()), area.top()));
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
        m_window->move(target());
        m_placing = true;
        m_exposed.invalidate();
        if (QWindow* native = m_window->windowHandle()) {
            native->removeEventFilter(this);
            native->installEventFilter(this);
        }
    }

    QWidget* m_window;
    QPointer<QWidget> m_over;
    std::optional<QPoint> m_kept; // where the frame was when the window was last hidden
    bool m_placing = false;
    QElapsedTimer m_exposed;
};

} // namespace

void keepPlaced(QWidget* window, QWidget* over) { new Placement(window, over); }
