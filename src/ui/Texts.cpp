#include "Texts.h"

QString windowCaption() { return QStringLiteral("Quorvex v" QUORVEX_VERSION); }

QString introText()
{
    return QStringLiteral(
        "Quorvex finds your Zevod Astrology sign. This may be be said to have dark or strong "
        "influence on people. This may bring about powerful changes. This represents the journey "
        "to find the context of an issue. You will never accept anything without testing it out "
        "for yourself.");
}
