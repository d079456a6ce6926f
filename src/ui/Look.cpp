#include "Look.h"

#include "IconPixels.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>

QFont Look::verdana(double points, bool bold, bool underline)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void Look::setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void Look::setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(group, role, colour);
    widget->setPalette(palette);
}

QWidget* Look::panel(QWidget* parent, const char* name, const QRect& rect, const QColor& colour)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setGeometry(rect);
    setBackground(panel, colour);
    return panel;
}

QLabel* Look::label(QWidget* parent, const char* name, const QRect& rect, const QString& text,
                    const QColor& colour, const QFont& font, Qt::Alignment alignment, LabelSize size)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    setTextColour(label, colour);
    label->setAlignment(alignment);
    label->setText(text);
    label->setGeometry(rect);
    if (size == GrowsToFit) {
        growToFit(label);
    } else {
        label->setWordWrap(true);
    }
    return label;
}

// QLabel's size hint, for plain text that does not wrap: the text's bounding box, left
// aligned. QLabel measures it three times over, for its size and minimum size hints; once
// is enough, and at start-up it is the cost of a font.
QSize Look::oneLineSize(const QFontMetrics& metrics, Qt::Alignment alignment, const QString& text)
{
    const int flags = int(alignment & ~(Qt::AlignVCenter | Qt::AlignHCenter)) | Qt::TextExpandTabs;
    return metrics.boundingRect(QRect(0, 0, 2000, 2000), flags, text).size();
}

void Look::growToFit(QLabel* label)
{
    label->resize(oneLineSize(label->fontMetrics(), label->alignment(), label->text()));
}

QGroupBox* Look::titledFrame(QWidget* parent, const char* name, const QRect& rect, const QString& title,
                             const QFont& font)
{
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(rect);
    frame->setFont(font);
    setTextColour(frame, lilac);
    return frame;
}

QPushButton* Look::button(QWidget* parent, const char* name, const QRect& rect, const QString& caption,
                          const QColor& face, const QFont& font)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(rect);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    // Enter and Space on a focused button press it, also outside dialogs.
    button->setAutoDefault(true);
    return button;
}

const QIcon& Look::programIcon()
{
    static const QIcon icon = [] {
        QIcon renditions;
        for (int i = 0; i < iconPixelsCount; ++i) {
            const IconPixels& p = iconPixels[i];
            renditions.addPixmap(QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(p.argb), p.size,
                                                           p.size, QImage::Format_ARGB32_Premultiplied)));
        }
        return renditions;
    }();
    return icon;
}

namespace
{

// Fusion, with two changes.
class Style : public QProxyStyle
{
public:
    Style() : QProxyStyle(QStringLiteral("Fusion")) {}
    // A drop-down list opens below its box as a list in the box's own colours and font, not
    // as a menu in the menu's colours over the box, as tall as the screen.
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
    // Every menu bar asks its style for the icon of the overflow button it shows when its
    // menus do not fit. Ours always fit, and reading that icon from Fusion's image files loads
    // every image-format plugin during start-up; the button gets no icon instead.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override
    {
        if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
            return QIcon();
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

} // namespace

QStyle* Look::createStyle() { return new Style; }
