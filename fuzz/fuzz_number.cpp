// The number conversion: never crashes; what it accepts is a plain decimal numeral whose
// value is the C library's reading of it.
#include "sign/ModPlanetSign.h"

#include <QRegularExpression>
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
    static const QRegularExpression numeral(QStringLiteral("^ *[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+) *$"));
    if (!numeral.match(text).hasMatch() || std::isnan(value))
        std::abort();
    if (value != std::strtod(text.trimmed().toLatin1().constData(), nullptr))
        std::abort();
    return 0;
}
