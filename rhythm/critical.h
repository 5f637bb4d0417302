#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rhythm/rhythms.h"

namespace rorovovo::rhythm {

// Critical days: the days on which a rhythm crosses the axis. A rhythm of period P crosses at cycle day 0 and at
// P/2; the day holding the crossing is critical, so cycle days 0 and P div 2 (an odd period crosses inside day
// P div 2).
//
// Days are whole date values (see dates.h); a time of day is dropped. The day count of a date is |date - birth|
// in whole days, so a birth date in the future counts down towards its own day as the dates go on.

// Bit n - 1 stands for the rhythm numbered n in the rhythm table.
using RhythmSet = std::uint8_t;

// Only the first three rhythms (Physical, Emotional, Intellectual) make a day double or triple.
constexpr int CountedRhythmCount = 3;

enum class CriticalKind { None, Single, Double, Triple };

// "single", "double" or "triple"; empty for None.
std::string_view criticalKindName(CriticalKind kind);

// The sentence that tells which rhythms make a day double or triple, for a list that names other rhythms too.
std::string criticalKindNote();

// True when the rhythm of this period crosses the axis on a day with this count; a negative count or a period
// below 1 throws RangeError.
bool isCriticalCycleDay(int daysLived, int period);

// Every rhythm of the table that is critical on a day with this count. A negative count runs the cycles on
// backwards from day 0, as the chart's strip does before a day count it shows.
RhythmSet criticalRhythms(int daysLived);

// Single when any rhythm is critical but fewer than two of the counted ones; Double or Triple by the counted ones.
CriticalKind criticalKind(RhythmSet rhythms);

struct CriticalDay {
    double Date;        // whole date value
    RhythmSet Rhythms;  // the listed rhythms that are critical
    CriticalKind Kind;  // criticalKind(Rhythms)
};

// The critical days among `days` days from `from` on, in date order, of the rhythms `shown` checks; a day's kind
// counts only those of them that are counted rhythms. A negative span gives no day; dates outside the calendar throw
// RangeError.
std::vector<CriticalDay> criticalDays(double birth, double from, int days, const ShownRhythms& shown);

// The first triple critical day on or after `from` (a whole date value). Triple days recur 8 times in every
// 23 * 28 * 33 = 21,252 days, the birth day among them, so there always is one within that span.
double nextTripleCriticalDay(double birth, double from);

}  // namespace rorovovo::rhythm
