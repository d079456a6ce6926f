#include "LinkLabel.h"

#include "app/Look.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(QWidget* parent, const char* name, const QRect& rect, const QString& text, double points,
                     Qt::Alignment alignment)
    : QLabel(parent)
{
    setObjectName(QLatin1String(name));
    setTextFormat(Qt::PlainText);
    setFont(Look::verdana(points, true, true));
    Look::setTextColour(this, Look::white);
    setAlignment(alignment);
    setWordWrap(true);
    setText(text);
    setGeometry(rect);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void LinkLabel::growToFit()
{
    setWordWrap(false);
    adjustSize();
}
