#include "Program.h"

#include "SingleCopyLock.h"
#include "platform/EndingSignals.h"
#include "ui/Forms.h"

#include <QApplication>

namespace
{

bool quitting = false;

std::function<void(int)>& processEnd()
{
    static std::function<void(int)> end;
    return end;
}

} // namespace

bool quitUnderWay() { return quitting; }

void setProcessEnd(std::function<void(int)> end)
{
    processEnd() = std::move(end);
    quitting = false;
    forgetEndingSignal();
}

void QuitProgram()
{
    if (quitting)
        return;
    quitting = true;
    // Closing a window can load no other while quitting, so the set only shrinks.
    for (QWidget* form : Forms::loaded())
        form->close();
    releaseLock();
    if (processEnd()) {
        processEnd()(0);
        quitting = false;
        return;
    }
    // The run ends where it began, in main: the event loop (every nested one too) returns,
    // and the windows are freed there while Qt is still whole.
    QCoreApplication::exit(0);
}

void freeWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    while (!QApplication::topLevelWidgets().isEmpty())
        delete QApplication::topLevelWidgets().constFirst();
    Forms::clear();
}

int endRun(int status)
{
    releaseLock();
    freeWindows();
    endAsSignalled();
    return status;
}
