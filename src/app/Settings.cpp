#include "Settings.h"

#include "ProgramFileName.h"
#include "platform/PrivateFolder.h"
#include "platform/UserFolders.h"

#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <memory>
#include <stdexcept>

namespace
{

constexpr int shift = 85;

QString shifted(const QString& text, int by)
{
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        const int code = c.unicode() + by;
        if (c.unicode() <= 255 && code >= 0 && code <= 255)
            result.append(QChar(code));
    }
    return result;
}

// The INI file where QSettings keeps it for the user; opened by that name, so that the file
// checked is the file written.
QString storeFile()
{
    return settingsFolder() + QLatin1Char('/') + programFileName() + QStringLiteral(".ini");
}

// The store is opened only where that can neither hang nor reach what is not the user's: its
// folder is the user's own and no one else may write to it (made private when it is new);
// the file, when there, is a regular file of the user's (or the user's own link to one) of
// at most 1 MiB, not a FIFO or a device; and, for a write, the lock QSettings takes beside
// it can be had within half a second, where QSettings would wait for it for ever.
void checkStore(const QString& file, bool forWriting)
{
    if (!ensureOwnPrivateFolder(QFileInfo(file).path()))
        throw std::runtime_error("the settings folder is not the user's own");
    if (!isAbsentOrOwnFile(file, 1024 * 1024))
        throw std::runtime_error("the settings file is no regular file of the user's");
    QLockFile lock(file + QStringLiteral(".lock"));
    if (forWriting && !lock.tryLock(500))
        throw std::runtime_error("the settings file is locked");
}

std::unique_ptr<QSettings> openStore(bool forWriting)
{
    const QString file = storeFile();
    checkStore(file, forWriting);
    auto store = std::make_unique<QSettings>(file, QSettings::IniFormat);
    store->beginGroup(QStringLiteral("Settings"));
    return store;
}

} // namespace

QString EncodeSetting(const QString& text) { return shifted(text, shift); }
QString DecodeSetting(const QString& text) { return shifted(text, -shift); }

QString GetStoredSetting(const QString& key)
{
    const std::unique_ptr<QSettings> store = openStore(false);
    return DecodeSetting(store->value(EncodeSetting(key)).toString());
}

void SaveStoredSetting(const QString& key, const QString& value)
{
    const std::unique_ptr<QSettings> store = openStore(true);
    store->setValue(EncodeSetting(key), EncodeSetting(value));
    store->sync(); // a new file written whole, then renamed over the old one
    if (store->status() != QSettings::NoError)
        throw std::runtime_error("the settings store cannot be written");
    // Readable by the user alone, whatever the umask.
    QFile::setPermissions(store->fileName(), QFile::ReadOwner | QFile::WriteOwner);
}
