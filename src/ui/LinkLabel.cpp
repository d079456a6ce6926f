#include "LinkLabel.h"

#include "Look.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace
{

class LinkLabelAccessible : public QAccessibleWidget
{
public:
    explicit LinkLabelAccessible(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<LinkLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction())
            emit static_cast<LinkLabel*>(widget())->clicked();
    }
};

QAccessibleInterface* linkLabelAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("LinkLabel"))
        if (auto* label = qobject_cast<LinkLabel*>(object))
            return new LinkLabelAccessible(label);
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(QWidget* parent, const char* name, const QRect& rect, const QString& text, double points,
                     Qt::Alignment alignment)
    : QWidget(parent), m_text(text), m_alignment(alignment)
{
    setObjectName(QLatin1String(name));
    setFont(Look::verdana(points, true, true));
    Look::setTextColour(this, Look::white);
    setGeometry(rect);
    setCursor(Qt::PointingHandCursor);
    setReachable(true);
}

void LinkLabel::growToFit()
{
    m_wraps = false;
    resize(Look::oneLineSize(fontMetrics(), m_alignment, m_text));
}

void LinkLabel::setReachable(bool reachable) { setFocusPolicy(reachable ? Qt::TabFocus : Qt::NoFocus); }

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

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    // The keypad's Enter comes with the keypad modifier, and is Enter all the same.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int flags =
        int(m_alignment) | (m_wraps ? Qt::TextWordWrap : 0) | Qt::TextExpandTabs | Qt::TextForceLeftToRight;
    style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(), m_text, foregroundRole());
    if (!hasFocus())
        return;
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void installLinkLabelAccessibility() { QAccessible::installFactory(linkLabelAccessible); }
