#include "PrivateFolder.h"

#include <QDir>
#include <QFileInfo>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

bool isOwnPrivateFolder(const QString& folder)
{
#ifdef Q_OS_UNIX
    struct stat info;
    return ::lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
#else
    return QFileInfo(folder).isDir();
#endif
}

bool ensureOwnPrivateFolder(const QString& folder)
{
    if (!QFileInfo::exists(folder)) {
        QDir().mkpath(QFileInfo(folder).path());
        QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return isOwnPrivateFolder(folder);
}

bool isAbsentOrOwnFile(const QString& file, qint64 largest)
{
#ifdef Q_OS_UNIX
    struct stat info;
    const auto own = [&info] { return info.st_uid == ::getuid(); };
    const QByteArray path = QFile::encodeName(file);
    if (::lstat(path.constData(), &info) != 0)
        return true;
    if (S_ISLNK(info.st_mode) && (!own() || ::stat(path.constData(), &info) != 0))
        return false;
    return S_ISREG(info.st_mode) && own() && info.st_size <= largest;
#else
    const QFileInfo info(file);
    return !info.exists() || (info.isFile() && info.size() <= largest);
#endif
}
