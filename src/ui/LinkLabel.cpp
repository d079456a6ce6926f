#include "LinkLabel.h"

#include "Look.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
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
            return static_cast<LinkLabel*>(widget())->caption();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction())
            static_cast<LinkLabel*>(widget())->click();
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
    : QAbstractButton(parent), m_alignment(alignment)
{
    setObjectName(QLatin1String(name));
    // Doubled, an "&" takes no access key and is drawn as one.
    setText(QString(text).replace(QLatin1Char('&'), QLatin1String("&&")));
    setFont(Look::verdana(points, true, true));
    setBackgroundRole(QPalette::Window); // a label's, not a button's
    Look::setTextColour(this, Look::white);
    setGeometry(rect);
    setCursor(Qt::PointingHandCursor);
    setReachable(true);
}

QString LinkLabel::caption() const { return text().replace(QLatin1String("&&"), QLatin1String("&")); }

void LinkLabel::growToFit()
{
    m_wraps = false;
    resize(Look::oneLineSize(fontMetrics(), m_alignment, caption()));
}

void LinkLabel::setReachable(bool reachable) { setFocusPolicy(reachable ? Qt::TabFocus : Qt::NoFocus); }

// Return and the keypad's Enter (which comes with the keypad modifier) press the link.
void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int flags = int(m_alignment) | (m_wraps ? Qt::TextWordWrap : 0) | Qt::TextExpandTabs |
                      Qt::TextForceLeftToRight | Qt::TextShowMnemonic;
    style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(), text(), foregroundRole());
    if (!hasFocus())
        return;
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void installLinkLabelAccessibility() { QAccessible::installFactory(linkLabelAccessible); }
