#include "ListValueSpeech.h"

#include <QComboBox>

void makeListValueHeard(QComboBox* list)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    QObject::connect(list, &QComboBox::currentTextChanged, list,
                     [list](const QString& value) { list->setAccessibleDescription(value); });
#else
    Q_UNUSED(list);
#endif
}
