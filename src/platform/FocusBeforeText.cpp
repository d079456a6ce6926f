#include "FocusBeforeText.h"

#include <QMetaObject>
#include <QWidget>

void changeAfterFocusIsSaid(QWidget* box, std::function<void()> change)
{
    QMetaObject::invokeMethod(
        box,
        [box, change = std::move(change)] {
            if (box->hasFocus())
                change();
        },
        Qt::QueuedConnection);
}
