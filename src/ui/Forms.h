#pragma once

#include <QList>
#include <QWidget>

// The program's windows are one instance each, created the first time any code touches
// them and destroyed when they are closed; the next touch creates a fresh one from its
// design. Forms keeps the set of loaded windows, hidden ones included.
namespace Forms
{

void add(QWidget* form);
// Called by a window's close handler once the close is certain. The object itself stays
// valid until control returns to the event loop.
void remove(QWidget* form);
QList<QWidget*> loaded();
// Forgets every window, once they are all deleted at the end of the run.
void clear();

// The window that a message box or dialog speaks for, and so is owned by: the modal window
// in front, else the active window, else the shown window that stays above the others,
// else any shown window of the program. None before the first window shows.
QWidget* owner();

template <class T> T* instance()
{
    for (QWidget* form : loaded())
        if (T* match = qobject_cast<T*>(form))
            return match;
    T* form = new T;
    form->setAttribute(Qt::WA_DeleteOnClose);
    add(form);
    return form;
}

} // namespace Forms
