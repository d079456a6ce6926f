#pragma once

#include <QString>

// Whether the process that wrote a lock file (its process id and host name) still runs. On
// Linux a process of this machine is asked by signal 0; where that cannot be told, it runs.
// A lock that names this process's own id is an earlier process's, which no longer runs.
bool lockOwnerRuns(qint64 pid, const QString& host);
