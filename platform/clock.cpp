#include "platform/clock.h"

#include "rhythm/dates.h"

namespace rorovovo::platform {

namespace {
std::function<QDateTime()>& clockFunction() {
    static std::function<QDateTime()> clock;
    return clock;
}
}  // namespace

QDateTime now() {
    const auto& clock = clockFunction();
    return clock ? clock() : QDateTime::currentDateTime();
}

void setClock(std::function<QDateTime()> clock) { clockFunction() = std::move(clock); }

void resetClock() { clockFunction() = nullptr; }

double toDateValue(const QDateTime& dateTime) {
    static const QDate epoch(1899, 12, 30);
    const double days = static_cast<double>(epoch.daysTo(dateTime.date()));
    const double fraction = dateTime.time().msecsSinceStartOfDay() / 86400000.0;
    // Before the epoch the fraction still counts away from day 0, as the date value's sign says.
    return days >= 0 ? days + fraction : days - fraction;
}

double toDateValue(QDate date) { return rhythm::encodeDate(date.year(), date.month(), date.day()); }

QDate toQDate(double value) {
    const rhythm::Date d = rhythm::decodeDate(value);
    return QDate(d.Year, d.Month, d.Day);
}

}  // namespace rorovovo::platform
