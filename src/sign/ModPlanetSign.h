#pragma once

#include <QString>
#include <optional>
#include <stdexcept>

// The sign Zevod stood in on a date from 1 January 1900 to 31 December 2035,
// looked up in the table built into the program, and the paragraph of each sign.

// The last sign found; empty until the first successful lookup.
extern QString strZevodSign;

// Where the lookup reads the date from: the texts of the three pickers of the
// entry window. Each is read only when the lookup needs it.
class DatePickers
{
public:
    virtual ~DatePickers() = default;
    virtual QString yearText() const = 0;
    virtual QString monthText() const = 0;
    virtual QString dayText() const = 0;
};

// A picker text that is not a number. The lookup stops and strZevodSign keeps its value.
class ConversionError : public std::runtime_error
{
public:
    explicit ConversionError(const QString& text);
};

// Converts a picker text to a number. Accepted: plain decimal numerals with an optional
// leading "+" or "-", an optional fraction after a full stop ("23.5", ".5", "7."), and blanks
// (spaces) before and after. Nothing depends on the locale: no thousands separators, no
// decimal comma, no exponent, no "inf" or "nan". Anything else throws ConversionError.
double toNumber(const QString& text);

// Looks the picked date up and, when the table has an entry for it, copies the sign's
// name into strZevodSign. Reads the year always, the month only in a split year and the
// day only in a split month. Throws ConversionError when a text it reads is no number.
void FindZevodSign(const DatePickers& pickers);

// The paragraph for a sign name: the first exact match in the description table
// ("Libra" and the other signs without a paragraph give the empty text), or nothing when
// the name has no row.
std::optional<QString> signDescription(const QString& signName);
