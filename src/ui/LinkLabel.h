#pragma once

#include <QAbstractButton>

// How screen readers meet a link label; installed once, at start-up.
void installLinkLabelAccessibility();

// A label that works as a link: white, bold and underlined, with the hand pointer. It is a
// button that draws its text as a plain QLabel does, so clicks, Space, focus and the
// accessible press are a button's; Enter presses it too, as it opens a link in a browser,
// and a screen reader meets a link. It is no QLabel: one that takes the focus lays its text
// out as a whole text document, which costs a window's start-up time and memory.
class LinkLabel : public QAbstractButton
{
    Q_OBJECT
public:
    // An "&" in text is shown as it stands; a link has no access key.
    LinkLabel(QWidget* parent, const char* name, const QRect& rect, const QString& text, double points,
              Qt::Alignment alignment);

    // The text as shown and as a screen reader says it.
    QString caption() const;
    // Drops the wrapping and takes the size of the text, keeping the top left corner.
    void growToFit();
    // Whether Tab stops here; a link hidden behind another is not reachable.
    void setReachable(bool reachable);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Alignment m_alignment;
    bool m_wraps = true;
};
