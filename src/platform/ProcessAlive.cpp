#include "ProcessAlive.h"

#include <QCoreApplication>
#include <QSysInfo>
#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

bool lockOwnerRuns(qint64 pid, const QString& host)
{
    if (pid <= 0)
        return true;
    // A lock naming this very process was written by an earlier one that had the same id and
    // was killed: wine gives the first process of a fresh wine server the same id each time,
    // and so does a fresh PID namespace (a container, a sandbox). The host name is not asked:
    // Windows' lock names the computer otherwise than Qt's host name does. A copy that does run
    // holds its lock file, which then cannot be removed, however it is judged here.
    if (pid == QCoreApplication::applicationPid())
        return false;
#ifdef Q_OS_UNIX
    if (host.isEmpty() || host == QSysInfo::machineHostName())
        return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#else
    Q_UNUSED(host);
#endif
    return true;
}
