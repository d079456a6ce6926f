#include "ModPlanetSign.h"

#include "SignTable.h"

#include <QRegularExpression>
#include <cmath>

QString strZevodSign;

ConversionError::ConversionError(const QString& text)
    : std::runtime_error("not a number: \"" + text.toStdString() + "\"")
{
}

double toNumber(const QString& text)
{
    // The whole text: "$" alone would also match before a closing line break.
    static const QRegularExpression numeral(
        QRegularExpression::anchoredPattern(QStringLiteral(" *[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+) *")));
    if (!numeral.match(text).hasMatch())
        throw ConversionError(text);
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok); // QString::toDouble is locale-free
    if (!ok)
        throw ConversionError(text);
    return value;
}

void FindZevodSign(const DatePickers& pickers)
{
    const double year = toNumber(pickers.yearText());
    if (year != std::floor(year) || year < firstTableYear || year > lastTableYear)
        return;
    const YearEntry& entry = zevodYear(static_cast<int>(year));
    if (entry.wholeYear) {
        strZevodSign = QString::fromLatin1(entry.wholeYear);
        return;
    }

    const QString monthText = pickers.monthText();
    int month = 0;
    while (month < 12 && monthText != QLatin1String(monthNames[month]))
        ++month;
    if (month == 12)
        return;
    const MonthEntry& rule = entry.months[month];
    if (rule.steps.empty()) {
        strZevodSign = QString::fromLatin1(rule.closing);
        return;
    }

    const double day = toNumber(pickers.dayText());
    const char* sign = rule.closing;
    for (const SignStep& step : rule.steps) {
        if (day <= step.throughDay) {
            sign = step.sign;
            break;
        }
    }
    strZevodSign = QString::fromLatin1(sign);
}
