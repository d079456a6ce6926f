#include "Speech.h"

#include <QAccessible>
#include <QWidget>

void announce(QWidget* source, const QString& text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (!QAccessible::isActive())
        return;
    QAccessibleAnnouncementEvent event(source, text);
    QAccessible::updateAccessibility(&event);
#else
    Q_UNUSED(source);
    Q_UNUSED(text);
#endif
}
