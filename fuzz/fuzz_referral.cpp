// The refer-a-friend address: parsing it back gives exactly the five values, whatever they
// hold, under the six keys in order.
#include "app/ModTellAFriend.h"
#include "links/ModHelp.h"

#include <QStringList>
#include <QUrl>
#include <QUrlQuery>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QStringList values =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split(QChar(0));
    while (values.size() < 5)
        values.append(QString());
    const QString address =
        modTellAFriend::referralAddress(values[0], values[1], values[2], values[3], values[4]);
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.toString(QUrl::RemoveQuery) != referAFriendPage())
        std::abort();
    const auto items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    if (items.size() != 6)
        std::abort();
    for (int i = 0; i < 5; ++i)
        if (items[i].first != QStringLiteral("taf%1").arg(i + 1) || items[i].second != values[i])
            std::abort();
    if (items[5].first != QLatin1String("taf6") || items[5].second != programHomeAddress())
        std::abort();
    return 0;
}
