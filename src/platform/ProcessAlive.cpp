#include "ProcessAlive.h"

#include <QSysInfo>
#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

bool lockOwnerRuns(qint64 pid, const QString& host)
{
    if (pid <= 0)
        return true;
#ifdef Q_OS_UNIX
    if (host.isEmpty() || host == QSysInfo::machineHostName())
        return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#else
    Q_UNUSED(host);
#endif
    return true;
}
