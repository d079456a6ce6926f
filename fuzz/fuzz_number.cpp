// The number conversion: never crashes; whatever it accepts is made of blanks, a sign,
// digits and a full stop, with a digit among them; its value is the C library's reading of
// the text, and it reads back the value's own shortest numeral as the same value.
#include "sign/ModPlanetSign.h"

#include <QLocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    double value = 0;
    try {
        value = toNumber(text);
    } catch (const ConversionError&) {
        return 0;
    }
    bool digit = false;
    for (QChar c : text) {
        if (!QStringLiteral(" +-.0123456789").contains(c))
            std::abort();
        digit = digit || c.isDigit();
    }
    if (!digit || !std::isfinite(value))
        std::abort();
    if (value != std::strtod(text.trimmed().toLatin1().constData(), nullptr))
        std::abort();
    if (toNumber(QString::number(value, 'f', QLocale::FloatingPointShortest)) != value)
        std::abort();
    return 0;
}
