// The lookup over arbitrary picker texts: it never crashes, and leaves either one of the
// seven signs or the previous value.
#include "sign/ModPlanetSign.h"

#include <QStringList>
#include <cstdint>
#include <cstdlib>

namespace
{
struct Pickers : DatePickers {
    QString year, month, day;
    QString yearText() const override { return year; }
    QString monthText() const override { return month; }
    QString dayText() const override { return day; }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList parts =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split(QChar(0));
    Pickers pickers;
    pickers.year = parts.value(0);
    pickers.month = parts.value(1);
    pickers.day = parts.value(2);
    static const QStringList seven{"Pisces", "Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo"};
    const QString previous = QStringLiteral("previous");
    strZevodSign = previous;
    try {
        FindZevodSign(pickers);
    } catch (const ConversionError&) {
        if (strZevodSign != previous)
            std::abort();
        return 0;
    }
    if (strZevodSign != previous && !seven.contains(strZevodSign))
        std::abort();
    return 0;
}
