#include "AccessibleRenewal.h"

#include <QAccessible>
#include <QWidget>

void renewAccessibleControls(QWidget* window)
{
    if (!QAccessible::isActive())
        return;
    const QList<QWidget*> controls = window->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        QAccessibleEvent gone(control, QAccessible::ObjectDestroyed);
        QAccessible::updateAccessibility(&gone);
        QAccessible::deleteAccessibleInterface(
            QAccessible::uniqueId(QAccessible::queryAccessibleInterface(control)));
    }
    for (QWidget* control : controls) {
        QAccessibleEvent born(control, QAccessible::ObjectCreated);
        QAccessible::updateAccessibility(&born);
    }
}
