#pragma once

#include <array>
#include <vector>

// The Zevod sign table in the form the lookup walks: one entry per year, and for a split
// year one entry per month.

constexpr int firstTableYear = 1900;
constexpr int lastTableYear = 2035;

extern const char* const monthNames[12];

// The days up to and including throughDay have this sign.
struct SignStep {
    int throughDay;
    const char* sign;
};

// A month of a split year: the steps in ascending order, then the closing sign for the
// days after the last step. Without steps the closing sign holds for the whole month.
struct MonthEntry {
    std::vector<SignStep> steps;
    const char* closing = nullptr;
};

// A whole-year entry has wholeYear set; a split year has its twelve months.
struct YearEntry {
    const char* wholeYear = nullptr;
    std::array<MonthEntry, 12> months;
};

// The entry of a year from firstTableYear to lastTableYear.
const YearEntry& zevodYear(int year);
