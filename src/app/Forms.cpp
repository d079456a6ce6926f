#include "Forms.h"

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

QList<QWidget*> Forms::loaded() { return registry(); }
