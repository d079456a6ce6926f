#pragma once

#include <QElapsedTimer>
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <functional>

class QWidget;

// X11 window managers that build a window's frame after mapping it (KWin, mutter) move the
// window by the frame's margins as they arrive, in steps, within about a second of its first
// exposure. Until then a window is placed by a guess of its frame; while the window manager
// frames it, each framing step (the first exposure with known margins, a change of the
// margins) puts the frame back where it belongs. A move with the frame as it was is someone
// else's (a drag, a tiling key, a window rule), and from then on where the window goes is the
// user's and the window manager's affair.
class FrameCorrection : public QObject
{
public:
    // target: where the frame belongs, measured with the frame as it is when asked.
    FrameCorrection(QWidget* window, std::function<QPoint()> target);

    // From the window's placing on, as it shows.
    void start();
    // Whether the window manager may still be framing the window since it was placed.
    bool framing() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void correct();
    bool frameKnown() const;

    QWidget* m_window;
    std::function<QPoint()> m_target;
    bool m_active = false;
    bool m_framed = false; // exposed with a known frame since the window showed
    QMargins m_margins;
    QPoint m_placed; // where the frame was put at the last framing step
    QPoint m_asked;  // where the frame stood then
    QElapsedTimer m_exposed;
};
