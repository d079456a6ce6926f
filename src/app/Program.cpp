#include "Program.h"

#include "Settings.h"
#include "UpdateReminder.h"
#include "entry/FrmMain.h"
#include "links/Promotions.h"
#include "ui/Forms.h"
#include "ui/Look.h"
#include "ui/MsgBox.h"
#include "ui/Platform.h"
#include "ui/Policy.h"
#include "ui/Random.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <cerrno>
#include <csignal>
#include <cstring>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace
{

bool quitting = false;

std::function<void(int)>& processEnd()
{
    static std::function<void(int)> end;
    return end;
}

// Whether the process that wrote a lock file still runs. Where that cannot be told, it does.
bool ownerAlive(const QLockFile& lock)
{
    qint64 pid = 0;
    QString host, application;
    if (!lock.getLockInfo(&pid, &host, &application) || pid <= 0)
        return true;
#ifdef Q_OS_UNIX
    if (host.isEmpty() || host == QSysInfo::machineHostName())
        return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#endif
    return true;
}

QLockFile* lock = nullptr;
// The lock file's name for the signal handler, which can call only async-signal-safe
// functions; empty while this copy does not hold the lock.
char heldLockPath[4096];

#ifdef Q_OS_UNIX
// Ended by a signal (the session ending, Ctrl+C in a terminal): the lock goes, then the
// signal does what it does by default.
void endedBySignal(int signal)
{
    if (heldLockPath[0])
        ::unlink(heldLockPath);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}
#endif

void holdLock()
{
    const QByteArray path = QFile::encodeName(lock->fileName());
    if (path.size() >= static_cast<qsizetype>(sizeof heldLockPath))
        return;
    std::memcpy(heldLockPath, path.constData(), path.size() + 1);
#ifdef Q_OS_UNIX
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        std::signal(signal, endedBySignal);
#endif
}

} // namespace

void releaseLock()
{
    heldLockPath[0] = '\0';
    if (lock)
        lock->unlock();
}

bool anotherCopyRunning()
{
    if (!lock) {
        QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (folder.isEmpty())
            folder = QDir::tempPath();
        lock = new QLockFile(folder + QLatin1Char('/') + applicationName() + QStringLiteral(".lock"));
        // Stale when the process that wrote it is gone, however young the file is.
        lock->setStaleLockTime(0);
        lock->tryLock(0);
        // QLockFile clears a stale lock only when it can write a second file, which a full
        // disk refuses. A lock whose writer is gone means no other copy runs all the same.
        if (lock->error() == QLockFile::LockFailedError && !ownerAlive(*lock)) {
            lock->removeStaleLockFile();
            lock->tryLock(0);
        }
        if (lock->isLocked())
            holdLock();
    }
    return lock->error() == QLockFile::LockFailedError;
}

void setUpApplication()
{
    QApplication::setStyle(Look::createStyle());
    // Every window and message box has the program's icon, also a box with no window under it.
    QGuiApplication::setWindowIcon(Look::programIcon());
    // The class of every window; the desktop entry's StartupWMClass names it.
    QCoreApplication::setApplicationName(QStringLiteral("Quorvex"));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.harrowfen.Quorvex"));
    QApplication::setQuitOnLastWindowClosed(false);
    keepFixedSizeWindowsFixed();
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
    runStep([] { CoBrand_Randomize(frmMain()->lblCobrand, frmMain()->lblFullBrand); });
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
