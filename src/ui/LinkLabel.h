#pragma once

#include <QWidget>

// A label that works as a link: white, bold and underlined, with the hand pointer, and
// clicked when the mouse is pressed and released on it. It can also be reached with Tab
// and pressed with Enter or Space, and a screen reader sees a link it can press.
// It draws its text as a plain QLabel does. It is no QLabel: one that takes the focus lays
// its text out as a whole text document, which costs a window's start-up time and memory.
// How screen readers meet a link label; installed once, at start-up.
void installLinkLabelAccessibility();

class LinkLabel : public QWidget
{
    Q_OBJECT
public:
    LinkLabel(QWidget* parent, const char* name, const QRect& rect, const QString& text, double points,
              Qt::Alignment alignment);

    QString text() const { return m_text; }
    // Drops the wrapping and takes the size of the text, keeping the top left corner.
    void growToFit();
    // Whether Tab stops here; a link hidden behind another is not reachable.
    void setReachable(bool reachable);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    Qt::Alignment m_alignment;
    bool m_wraps = true;
    bool m_pressed = false;
};
