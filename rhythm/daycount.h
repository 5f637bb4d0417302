#pragma once

#include <string>

namespace rorovovo::rhythm {

// Day counts between a birth date and now, both date values (see dates.h); now carries the time of day.
// All day counts truncate toward zero: a part day is never counted.

// Whole days between the two dates, trunc(|now - birth|). A birth date in the future counts the same way, so a
// birth date of tomorrow gives 0 at any time today. Not-a-number or a gap beyond the int range throws RangeError.
int daysLived(double birth, double now);

// Day in the cycle of a rhythm with this period, 0..period-1; day 0 starts a cycle. A negative day count or a
// period below 1 throws RangeError.
int cycleDay(int daysLived, int period);

// Cycle day at the chart's left edge, todayX div 10 days before today (todayX is today's column in the strip's
// pixels, ten to a day; chart/strip_geometry.h): always 0..period-1, also when fewer days than that have been
// lived. A period below 1 throws RangeError.
int leftEdgeCycleDay(int daysLived, int todayX, int period);

// Age in years with the time of day included: |now - birth| / 365.25.
double ageYears(double birth, double now);

// The age with one decimal ("66.2"). The decimal point is always '.', whatever the user's locale, so the box
// reads the same everywhere.
std::string formatAge(double years);

}  // namespace rorovovo::rhythm
