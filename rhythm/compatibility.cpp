#include "rhythm/compatibility.h"

#include <cmath>

#include "core/errors.h"
#include "rhythm/rhythms.h"

namespace rorovovo::rhythm {

double compatibility(long long daysApart, int period) {
    if (daysApart < 0 || period < 1) throw RangeError();
    const long long r = daysApart % period;
    return 100.0 * static_cast<double>(std::llabs(period - 2 * r)) / period;
}

std::string overallNote() {
    std::string note = "mean of ";
    for (int i = 0; i < OverallRhythmCount; ++i) note += std::string(i ? ", " : "") + std::string(Rhythms[i].Name);
    return note;
}

Compatibility compareBirthDates(double birth1, double birth2) {
    const double gap = std::fabs(std::trunc(birth1) - std::trunc(birth2));
    if (!std::isfinite(gap) || gap > 1e15) throw RangeError();
    const auto days = static_cast<long long>(gap);
    double value[BaseRhythmCount];
    for (int i = 0; i < BaseRhythmCount; ++i) value[i] = compatibility(days, Rhythms[i].Period);
    auto whole = [](double v) { return static_cast<int>(std::lround(v)); };
    double sum = 0;
    for (int i = 0; i < OverallRhythmCount; ++i) sum += value[i];
    return {whole(value[0]), whole(value[1]), whole(value[2]), whole(value[3]), whole(sum / OverallRhythmCount)};
}

}  // namespace rorovovo::rhythm
