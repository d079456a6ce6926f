#include "Announcement.h"

#include <QAccessible>
#include <QTimer>
#include <QWidget>

void announceAfterFocus(QWidget* source, const QString& text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QTimer::singleShot(0, source, [source, text] {
        if (!QAccessible::isActive())
            return;
        QAccessibleAnnouncementEvent event(source, text);
        QAccessible::updateAccessibility(&event);
    });
#else
    Q_UNUSED(source);
    Q_UNUSED(text);
#endif
}
