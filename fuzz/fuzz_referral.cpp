// The refer-a-friend address: the browser is handed exactly the address built, and reading
// its query back gives exactly the five values, whatever they hold, under the six keys in
// order.
#include "app/ModTellAFriend.h"
#include "links/ModHelp.h"

#include <QByteArray>
#include <QStringList>
#include <QUrl>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

static void fail(const char* what, const QString& sent, const QString& got)
{
    std::fprintf(stderr, "%s: sent %s\n  got %s\n", what, sent.toUtf8().toHex().constData(),
                 got.toUtf8().toHex().constData());
    std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QStringList values =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split(QChar(0));
    while (values.size() < 5)
        values.append(QString());
    values = values.mid(0, 5);
    const QString address =
        modTellAFriend::referralAddress(values[0], values[1], values[2], values[3], values[4]);

    const QString handedOn = QUrl(address, QUrl::TolerantMode).toString(QUrl::FullyEncoded);
    if (handedOn != address)
        fail("address", address, handedOn);

    const qsizetype question = address.indexOf(QLatin1Char('?'));
    if (address.left(question) != referAFriendPage())
        fail("page", referAFriendPage(), address.left(question));
    const QStringList pairs = address.mid(question + 1).split(QLatin1Char('&'));
    if (pairs.size() != 6)
        fail("pairs", address, QString::number(pairs.size()));
    for (int i = 0; i < 6; ++i) {
        const QString key = QStringLiteral("taf%1=").arg(i + 1);
        if (!pairs[i].startsWith(key))
            fail("key", key, pairs[i]);
        const QString value =
            QString::fromUtf8(QByteArray::fromPercentEncoding(pairs[i].mid(key.size()).toLatin1()));
        const QString expected = i < 5 ? values[i] : programHomeAddress();
        if (value != expected)
            fail("value", expected, value);
    }
    return 0;
}
