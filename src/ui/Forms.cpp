#include "Forms.h"

#include <QApplication>

namespace
{
QList<QWidget*>& registry()
{
    static QList<QWidget*> forms;
    return forms;
}
} // namespace

void Forms::add(QWidget* form)
{
    if (!registry().contains(form))
        registry().append(form);
}

void Forms::remove(QWidget* form) { registry().removeAll(form); }

void Forms::clear() { registry().clear(); }

QList<QWidget*> Forms::loaded() { return registry(); }

QWidget* Forms::owner()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    QWidget* shown = nullptr;
    for (QWidget* form : registry()) {
        if (!form->isVisible())
            continue;
        if (form->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            return form;
        if (!shown)
            shown = form;
    }
    return shown;
}
