#pragma once

#include <QDateTime>
#include <functional>

namespace rorovovo::platform {

// The program's one source of "now" (local time). Tests replace it to fix the date and time.
QDateTime now();
void setClock(std::function<QDateTime()> clock);
void resetClock();

// A date and time as a date value: days since 30 December 1899, the time of day as the fraction.
double toDateValue(const QDateTime& dateTime);
// The same for a date at midnight, and the date of a date value's day (outside the calendar: RangeError).
double toDateValue(QDate date);
QDate toQDate(double value);

}  // namespace rorovovo::platform
