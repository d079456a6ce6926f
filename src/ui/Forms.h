#pragma once

#include <QList>
#include <QWidget>

// The program's windows are one instance each, created the first time any code touches
// them and destroyed when they are closed; the next touch creates a fresh one from its
// design. Forms keeps the set of loaded windows, hidden ones included; a window leaves it as
// it closes (no window of the program refuses to close), while the object itself stays valid
// until control returns to the event loop.
namespace Forms
{

void add(QWidget* form);
void remove(QWidget* form);
QList<QWidget*> loaded();
// Forgets every window, once they are all deleted at the end of the run.
void clear();

// The window that a message box or dialog speaks for, and so is owned by: the modal window
// in front, else the active window, else the shown window that stays above the others,
// else any shown window of the program. None before the first window shows.
QWidget* owner();

// The loaded window of class T, or a new one, which setUp connects to the rest of the
// program before anyone else touches it.
template <class T> T* instance(void (*setUp)(T*) = nullptr)
{
    for (QWidget* form : loaded())
        if (T* match = qobject_cast<T*>(form))
            return match;
    T* form = new T;
    form->setAttribute(Qt::WA_DeleteOnClose);
    add(form);
    if (setUp)
        setUp(form);
    return form;
}

} // namespace Forms
