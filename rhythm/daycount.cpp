#include "rhythm/daycount.h"

#include <charconv>
#include <climits>
#include <cmath>

#include "core/errors.h"

namespace rorovovo::rhythm {

int daysLived(double birth, double now) {
    const double gap = std::trunc(std::fabs(now - birth));
    if (!(gap <= INT_MAX)) throw RangeError();  // also catches NaN
    return static_cast<int>(gap);
}

int cycleDay(int daysLived, int period) {
    if (daysLived < 0 || period < 1) throw RangeError();
    return daysLived % period;
}

int leftEdgeCycleDay(int daysLived, int todayX, int period) {
    if (period < 1) throw RangeError();
    const long long day = (static_cast<long long>(daysLived) - todayX / 10) % period;
    return static_cast<int>(day < 0 ? day + period : day);
}

double ageYears(double birth, double now) { return std::fabs(now - birth) / 365.25; }

std::string formatAge(double years) {
    // Ages of a date value range fit easily; the margin covers any double anyway.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, years, std::chars_format::fixed, 1);
    if (result.ec != std::errc()) throw RangeError();
    return std::string(buffer, result.ptr);
}

}  // namespace rorovovo::rhythm
