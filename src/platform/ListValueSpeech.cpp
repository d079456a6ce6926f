#include "ListValueSpeech.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

// Where Qt names a closed list by its value.
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0) && defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#define LIST_NAMED_BY_VALUE 1
#endif

#ifdef LIST_NAMED_BY_VALUE
namespace
{

// A list of its own class, so that the interface below is found for it before Qt's own for
// every QComboBox.
class ListHeardByName : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;
};

// A closed list as Qt's own presents it (its open list as its child, its actions, its
// expanded state), but named by its name rather than by its value.
class NamedList : public QAccessibleWidget, public QAccessibleSelectionInterface
{
public:
    explicit NamedList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::SelectionInterface ? static_cast<QAccessibleSelectionInterface*>(this)
                                                       : QAccessibleWidget::interface_cast(type);
    }
    // The entry picked, as the open list's item: a screen reader that follows the list's
    // selection says a new value from it.
    int selectedItemCount() const override { return selectedItem(0) ? 1 : 0; }
    QList<QAccessibleInterface*> selectedItems() const override
    {
        QAccessibleInterface* item = selectedItem(0);
        return item ? QList<QAccessibleInterface*>{item} : QList<QAccessibleInterface*>{};
    }
    QAccessibleInterface* selectedItem(int index) const override
    {
        QAccessibleInterface* view = child(0);
        return index == 0 && view && list()->currentIndex() >= 0 ? view->child(list()->currentIndex())
                                                                 : nullptr;
    }
    bool isSelected(QAccessibleInterface* item) const override { return item && item == selectedItem(0); }
    bool select(QAccessibleInterface*) override { return false; }
    bool unselect(QAccessibleInterface*) override { return false; }
    bool selectAll() override { return false; }
    bool clear() override { return false; }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? list()->currentText() : QAccessibleWidget::text(t);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }
    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            QAccessibleWidget::doAction(action);
        else if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* namedList(const QString&, QObject* object)
{
    auto* list = qobject_cast<ListHeardByName*>(object);
    return list ? new NamedList(list) : nullptr;
}

} // namespace
#endif

QComboBox* newHeardList(QWidget* parent)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    auto* list = new QComboBox(parent);
    QObject::connect(list, &QComboBox::currentTextChanged, list,
                     [list](const QString& value) { list->setAccessibleDescription(value); });
    return list;
#elif defined(LIST_NAMED_BY_VALUE)
    static const bool installed = (QAccessible::installFactory(namedList), true);
    Q_UNUSED(installed);
    return new ListHeardByName(parent);
#else
    return new QComboBox(parent);
#endif
}
#ifdef LIST_NAMED_BY_VALUE
#include "ListValueSpeech.moc"
#endif
