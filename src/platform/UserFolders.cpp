#include "UserFolders.h"

#include <QStandardPaths>
#ifdef Q_OS_WIN
#include <QDir>
#include <shlobj.h>
#endif

#ifdef Q_OS_WIN
namespace
{

QString knownFolder(REFKNOWNFOLDERID id)
{
    QString folder;
    PWSTR path = nullptr;
    if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, nullptr, &path)))
        folder = QDir::fromNativeSeparators(QString::fromWCharArray(path));
    CoTaskMemFree(path);
    if (!folder.isEmpty() && QStandardPaths::isTestModeEnabled())
        folder += QStringLiteral("/qttest");
    return folder;
}

} // namespace

QString settingsFolder() { return knownFolder(FOLDERID_RoamingAppData); }

QStringList lockFolders() { return {knownFolder(FOLDERID_LocalAppData)}; }
#else
QString settingsFolder() { return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation); }

QStringList lockFolders()
{
    return {QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
            QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)};
}
#endif
