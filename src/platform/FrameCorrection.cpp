#include "FrameCorrection.h"

#include "NativeWindow.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace
{
// How long after a window is first exposed its window manager may still be building its
// frame.
constexpr int framingTime = 1000;
} // namespace

FrameCorrection::FrameCorrection(QWidget* window, std::function<QPoint()> target)
    : QObject(window), m_window(window), m_target(std::move(target))
{
}

void FrameCorrection::start()
{
    m_active = true;
    m_framed = false;
    m_exposed.invalidate();
    filterNativeWindow(m_window, this);
}

bool FrameCorrection::framing() const
{
    return m_active && (!m_exposed.isValid() || m_exposed.elapsed() < framingTime);
}

bool FrameCorrection::eventFilter(QObject*, QEvent* event)
{
    if ((event->type() == QEvent::Expose || event->type() == QEvent::Move) && framing() &&
        m_window->windowHandle()->isExposed()) {
        if (!m_exposed.isValid())
            m_exposed.start();
        if (frameKnown())
            correct();
    }
    return false;
}

void FrameCorrection::correct()
{
    QWindow* native = m_window->windowHandle();
    const QMargins margins = native->frameMargins();
    const bool framingStep = !m_framed || margins != m_margins;
    m_framed = true;
    m_margins = margins;
    const QPoint now = native->framePosition();
    if (framingStep)
        m_placed = m_target(); // measured with the frame as it is now
    if (now == m_placed)
        return;
    if (framingStep) {
        m_asked = now;
        native->setFramePosition(m_placed);
    } else if (now != m_asked) { // not merely still where it was when the move was asked
        m_active = false;
    }
}

// While the window manager is still building the frame, the margins read from the window tree
// can come out negative.
bool FrameCorrection::frameKnown() const
{
    const QMargins m = m_window->windowHandle()->frameMargins();
    return m.left() >= 0 && m.top() >= 0 && m.right() >= 0 && m.bottom() >= 0;
}
