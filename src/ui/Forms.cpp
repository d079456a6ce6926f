#include "Forms.h"

#include <QApplication>

namespace
{

QList<QWidget*>& registry()
{
    static QList<QWidget*> forms;
    return forms;
}

// Takes a window out of the set as it is asked to close, before its own close handler runs.
class Unloading : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close)
            registry().removeAll(static_cast<QWidget*>(watched));
        return false;
    }
};

} // namespace

void Forms::add(QWidget* form)
{
    static Unloading unloading;
    if (!registry().contains(form)) {
        registry().append(form);
        form->installEventFilter(&unloading);
    }
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
