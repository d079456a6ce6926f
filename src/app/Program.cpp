#include "Program.h"

#include "Forms.h"
#include "MsgBox.h"
#include "Policy.h"
#include "Random.h"
#include "Settings.h"
#include "UpdateReminder.h"
#include "entry/FrmMain.h"
#include "links/Promotions.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>

namespace
{

bool quitting = false;

std::function<void(int)>& processEnd()
{
    static std::function<void(int)> end;
    return end;
}

} // namespace

bool anotherCopyRunning()
{
    static QLockFile* lock = nullptr;
    if (!lock) {
        QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (folder.isEmpty())
            folder = QDir::tempPath();
        lock = new QLockFile(folder + QLatin1Char('/') + applicationName() + QStringLiteral(".lock"));
        // Stale when the process that wrote it is gone, however young the file is.
        lock->setStaleLockTime(0);
        lock->tryLock(0);
    }
    return lock->error() == QLockFile::LockFailedError;
}

void StartProgram()
{
    bool refused = false;
    runStep([&] {
        if (anotherCopyRunning()) {
            refused = true;
            MsgBox(QStringLiteral("Application is already running"), QMessageBox::Information);
            QuitProgram();
        }
    });
    if (refused)
        return;
    runStep(Randomize);
    runStep(RunUpdateReminder);
    runStep([] { frmMain()->show(); });
    runStep(CoBrand_Randomize);
}

bool quitUnderWay() { return quitting; }

void setProcessEnd(std::function<void(int)> end)
{
    processEnd() = std::move(end);
    quitting = false;
}

void QuitProgram()
{
    if (quitting)
        return;
    quitting = true;
    // Closing a window can load no other while quitting, so the set only shrinks.
    for (QWidget* form : Forms::loaded()) {
        runStep([form] { form->close(); });
        Forms::remove(form); // a window that failed to close is skipped
    }
    if (processEnd()) {
        processEnd()(0);
        quitting = false;
        return;
    }
    std::fflush(nullptr);
    std::exit(0);
}
