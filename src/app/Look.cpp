#include "Look.h"

#include <QGuiApplication>
#include <QLabel>
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
        label->adjustSize();
    } else {
        label->setWordWrap(true);
    }
    return label;
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

void Look::centre(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

const QIcon& Look::programIcon()
{
    static const QIcon icon = [] {
        QIcon renditions;
        for (int size : {16, 24, 32, 48, 64})
            renditions.addFile(QStringLiteral(":/icons/quorvex-%1.png").arg(size), QSize(size, size));
        return renditions;
    }();
    return icon;
}
