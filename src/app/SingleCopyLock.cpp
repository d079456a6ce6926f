#include "SingleCopyLock.h"

#include "ProgramFileName.h"
#include "platform/PrivateFolder.h"
#include "platform/ProcessAlive.h"
#include "platform/UserFolders.h"

#include <QLockFile>
#include <cstdio>
#include <cstdlib>

namespace
{

QLockFile* lock = nullptr;

// Whether the process that wrote a lock file still runs. Where that cannot be told, it does.
bool ownerAlive(const QLockFile& lock)
{
    qint64 pid = 0;
    QString host, application;
    return !lock.getLockInfo(&pid, &host, &application) || lockOwnerRuns(pid, host);
}

} // namespace

QString lockFilePath()
{
    for (const QString& folder : lockFolders()) {
        if (!folder.isEmpty() && ensureOwnPrivateFolder(folder))
            return folder + QLatin1Char('/') + programFileName() + QStringLiteral("-single-copy.lock");
    }
    return {};
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
                     qPrintable(programFileName()),
                     path.isEmpty() ? "(no private folder)" : qPrintable(path));
    }
    return lock->error() == QLockFile::LockFailedError;
}
