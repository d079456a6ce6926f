#include "Settings.h"

#include <QCoreApplication>
#include <QFileInfo>
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

QSettings* openStore()
{
    auto* store = new QSettings(QSettings::IniFormat, QSettings::UserScope, applicationName());
    store->beginGroup(QStringLiteral("Settings"));
    return store;
}

} // namespace

QString applicationName() { return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(); }

QString EncodeSetting(const QString& text) { return shifted(text, shift); }
QString DecodeSetting(const QString& text) { return shifted(text, -shift); }

QString GetStoredSetting(const QString& key)
{
    std::unique_ptr<QSettings> store(openStore());
    return DecodeSetting(store->value(EncodeSetting(key)).toString());
}

void SaveStoredSetting(const QString& key, const QString& value)
{
    std::unique_ptr<QSettings> store(openStore());
    store->setValue(EncodeSetting(key), EncodeSetting(value));
    store->sync();
    if (store->status() != QSettings::NoError)
        throw std::runtime_error("the settings store cannot be written");
}
