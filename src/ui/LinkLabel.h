#pragma once

#include <QLabel>

// A label that works as a link: white, bold and underlined, with the hand pointer, and
// clicked when the mouse is pressed and released on it. It can also be reached with Tab
// and pressed with Enter or Space, and a screen reader sees a link it can press.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    LinkLabel(QWidget* parent, const char* name, const QRect& rect, const QString& text, double points,
              Qt::Alignment alignment);

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
    bool m_pressed = false;
};
