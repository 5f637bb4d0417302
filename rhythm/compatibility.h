#pragma once

#include <string>

namespace rorovovo::rhythm {

// How well two people's rhythms run together: 100 when they are in the same phase, 0 when half a period apart.
// daysApart is |b1 - b2| in whole days; the result is unrounded. A negative day count or a period below 1 throws
// RangeError.
double compatibility(long long daysApart, int period);

// The figures the program shows, each rounded to a whole percent.
struct Compatibility {
    int physical;
    int emotional;
    int intellectual;
    int intuitional;
    int overall;  // mean of the unrounded figures of the first OverallRhythmCount rhythms, then rounded
};

// The overall figure is the mean of the first three rhythms of the table: Physical, Emotional, Intellectual.
constexpr int OverallRhythmCount = 3;
// "mean of Physical, Emotional, Intellectual", for whoever shows the overall figure.
std::string overallNote();

// For two birth dates given as date values; only the whole days between them count, and the order does not matter.
Compatibility compareBirthDates(double birth1, double birth2);

}  // namespace rorovovo::rhythm
