#include "SingleCopyLock.h"

#include "Settings.h"

#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif

namespace
{

QLockFile* lock = nullptr;

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

} // namespace

QString lockFilePath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !isOwnPrivateFolder(folder))
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (folder.isEmpty() || !isOwnPrivateFolder(folder))
        return {};
    return folder + QLatin1Char('/') + applicationName() + QStringLiteral("-single-copy.lock");
}

void releaseLock()
{
    if (lock)
        lock->unlock();
}

bool anotherCopyRunning()
{
    if (lock)
        return lock->error() == QLockFile::LockFailedError;
    const QString path = lockFilePath();
    lock = new QLockFile(path);
    if (!path.isEmpty()) {
        // Stale when the process that wrote it is gone, however young the file is.
        lock->setStaleLockTime(0);
        lock->tryLock(0);
        // QLockFile clears a stale lock only when it can write a second file, which a full
        // disk refuses. A lock whose writer is gone means no other copy runs all the same.
        if (lock->error() == QLockFile::LockFailedError && !ownerAlive(*lock)) {
            lock->removeStaleLockFile();
            lock->tryLock(0);
        }
    }
    if (lock->isLocked()) {
        // Also when the display goes away under the program, which ends the process from
        // within Qt.
        std::atexit(releaseLock);
    } else if (lock->error() != QLockFile::LockFailedError) {
        std::fprintf(stderr, "%s: cannot take the single-copy lock %s; running without it\n",
                     qPrintable(applicationName()),
                     path.isEmpty() ? "(no private folder)" : qPrintable(path));
    }
    return lock->error() == QLockFile::LockFailedError;
}
