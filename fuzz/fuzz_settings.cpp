// The settings encoding: decoding the encoded text gives back every character below code
// 171, in order, and nothing else.
#include "app/Settings.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text(reinterpret_cast<const QChar*>(data), static_cast<qsizetype>(size / 2));
    QString expected;
    for (QChar c : text)
        if (c.unicode() < 171)
            expected.append(c);
    const QString encoded = EncodeSetting(text);
    if (DecodeSetting(encoded) != expected)
        std::abort();
    for (QChar c : encoded)
        if (c.unicode() < 85 || c.unicode() > 255)
            std::abort();
    return 0;
}
