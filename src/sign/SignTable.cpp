#include "SignTable.h"

#include <cassert>

const char* const monthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                    "July",    "August",   "September", "October", "November", "December"};

namespace
{

const char* const Pisces = "Pisces";
const char* const Aries = "Aries";
const char* const Taurus = "Taurus";
const char* const Gemini = "Gemini";
const char* const Cancer = "Cancer";
const char* const Leo = "Leo";
const char* const Virgo = "Virgo";

enum Month {
    January = 1,
    February,
    March,
    April,
    May,
    June,
    July,
    August,
    September,
    October,
    November,
    December
};

struct WholeYears {
    int from, to;
    const char* sign;
};

// A run of months of a split year: either one sign for every day of the months, or (for a
// single month) the sign through a day, then the next sign.
struct MonthSpan {
    Month from, to;
    std::vector<SignStep> steps;
    const char* closing;
};

MonthSpan months(Month from, Month to, const char* sign) { return {from, to, {}, sign}; }
MonthSpan month(Month m, const char* sign) { return {m, m, {}, sign}; }
MonthSpan split(Month m, const char* sign, int throughDay, const char* then)
{
    return {m, m, {{throughDay, sign}}, then};
}
MonthSpan split(Month m, const char* sign, int throughDay, const char* sign2, int throughDay2,
                const char* then)
{
    return {m, m, {{throughDay, sign}, {throughDay2, sign2}}, then};
}

struct SplitYear {
    int year;
    std::vector<MonthSpan> spans;
};

// clang-format off
const WholeYears wholeYears[] = {
    {1900, 1903, Pisces},
    {1906, 1916, Aries},
    {1919, 1931, Taurus},
    {1935, 1952, Gemini},
    {1955, 1977, Cancer},
    {1981, 2006, Leo},
    {2011, 2035, Virgo},
};

const SplitYear splitYears[] = {
    {1904, {months(January, April, Pisces), split(May, Pisces, 23, Aries), months(June, July, Aries),
            split(August, Aries, 19, Pisces), months(September, December, Pisces)}},
    {1905, {months(January, February, Pisces), split(March, Pisces, 14, Aries), months(April, December, Aries)}},
    {1917, {months(January, April, Aries), split(May, Aries, 25, Taurus), months(June, September, Taurus),
            split(October, Taurus, 20, Aries), months(November, December, Aries)}},
    {1918, {months(January, February, Aries), split(March, Aries, 26, Taurus), months(April, December, Taurus)}},
    {1932, {months(January, June, Taurus), split(July, Taurus, 31, Gemini), months(August, September, Gemini),
            split(October, Gemini, 5, Taurus), months(November, December, Taurus)}},
    {1933, {months(January, April, Taurus), split(May, Taurus, 27, Gemini), months(June, November, Gemini),
            split(December, Gemini, 22, Taurus)}},
    {1934, {months(January, February, Taurus), split(March, Taurus, 31, Gemini), months(April, December, Gemini)}},
    {1953, {months(January, June, Gemini), split(July, Gemini, 17, Cancer), months(August, November, Cancer),
            split(December, Cancer, 21, Gemini)}},
    {1954, {months(January, April, Gemini), split(May, Gemini, 30, Cancer), months(June, December, Cancer)}},
    {1978, {months(January, September, Cancer), split(October, Cancer, 8, Leo), split(November, Leo, 21, Cancer),
            month(December, Cancer)}},
    {1979, {months(January, July, Cancer), split(August, Cancer, 9, Leo), months(September, December, Leo)}},
    {1980, {split(January, Leo, 28, Cancer), months(February, May, Cancer), split(June, Cancer, 25, Leo),
            months(July, December, Leo)}},
    {2007, {months(January, October, Leo), split(November, Leo, 23, Virgo), split(December, Virgo, 6, Leo)}},
    {2008, {months(January, August, Leo), split(September, Leo, 12, Virgo), months(October, December, Virgo)}},
    {2009, {month(January, Virgo), split(February, Virgo, 19, Leo), months(March, July, Leo),
            split(August, Leo, 1, Virgo), months(September, December, Virgo)}},
    {2010, {months(January, April, Virgo), split(May, Virgo, 6, Leo, 21, Virgo), months(June, December, Virgo)}},
};
// clang-format on

std::array<YearEntry, lastTableYear - firstTableYear + 1> buildYears()
{
    std::array<YearEntry, lastTableYear - firstTableYear + 1> years{};
    for (const WholeYears& run : wholeYears)
        for (int y = run.from; y <= run.to; ++y)
            years[y - firstTableYear].wholeYear = run.sign;
    for (const SplitYear& split : splitYears) {
        YearEntry& entry = years[split.year - firstTableYear];
        for (const MonthSpan& span : split.spans)
            for (int m = span.from; m <= span.to; ++m)
                entry.months[m - 1] = MonthEntry{span.steps, span.closing};
    }
    return years;
}

} // namespace

const YearEntry& zevodYear(int year)
{
    static const auto years = buildYears();
    assert(year >= firstTableYear && year <= lastTableYear);
    return years[year - firstTableYear];
}
