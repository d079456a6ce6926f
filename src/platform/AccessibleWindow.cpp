#include "AccessibleWindow.h"

#include <QAccessibleWidget>
#include <QList>
#include <QWidget>

namespace
{

QList<const QMetaObject*>& windowClasses()
{
    static QList<const QMetaObject*> classes;
    return classes;
}

QAccessibleInterface* asWindow(const QString&, QObject* object)
{
    if (object && object->isWidgetType() && windowClasses().contains(object->metaObject()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void meetAsWindow(const QMetaObject& windowClass)
{
    if (windowClasses().isEmpty())
        QAccessible::installFactory(asWindow);
    if (!windowClasses().contains(&windowClass))
        windowClasses().append(&windowClass);
}
