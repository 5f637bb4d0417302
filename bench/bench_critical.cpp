// Critical days against their floor: the next-triple search over one full 21,252-day cycle, and the 365-day table,
// each against one day count per day of the same span (the least a day-by-day scan could cost).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ratio_reporter.h"
#include "rhythm/critical.h"
#include "rhythm/dates.h"
#include "rhythm/daycount.h"

namespace {

using namespace rorovovo::rhythm;

const double kBirth = encodeDate(1815, 12, 10);
const double kToday = encodeDate(2026, 12, 8);
constexpr ShownRhythms kAll{true, true, true, true, true, true};

// The eight triple days of the cycle that starts at the birth day.
std::vector<double> triplesOfOneCycle() {
    std::vector<double> days;
    for (double d = kBirth; d < kBirth + 21252; d = nextTripleCriticalDay(kBirth, d + 1)) days.push_back(d);
    return days;
}

void countDays(benchmark::State& state, double from, int days) {
    for (auto _ : state) {
        int sum = 0;
        for (int i = 0; i < days; ++i) sum += daysLived(kBirth, from + i);
        benchmark::DoNotOptimize(sum);
    }
}

// Eight searches, each from the day after a triple day to the next one: together they cross the whole cycle.
void BM_NextTriple_FullCycle(benchmark::State& state) {
    const std::vector<double> starts = triplesOfOneCycle();
    for (auto _ : state)
        for (double start : starts) benchmark::DoNotOptimize(nextTripleCriticalDay(kBirth, start + 1));
}
BENCHMARK(BM_NextTriple_FullCycle);

void BM_Floor_DayCountsOfACycle(benchmark::State& state) { countDays(state, kBirth + 1, 21252); }
BENCHMARK(BM_Floor_DayCountsOfACycle);

void BM_Table_365Days(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(criticalDays(kBirth, kToday, 365, kAll).data());
}
BENCHMARK(BM_Table_365Days);

void BM_Floor_DayCountsOf365Days(benchmark::State& state) { countDays(state, kToday, 365); }
BENCHMARK(BM_Floor_DayCountsOf365Days);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const std::pair<const char*, const char*> pairs[] = {{"BM_NextTriple_FullCycle", "BM_Floor_DayCountsOfACycle"},
                                                         {"BM_Table_365Days", "BM_Floor_DayCountsOf365Days"}};
    for (const auto& [name, floor] : pairs) {
        const double t = reporter.times[name], f = reporter.times[floor];
        if (t > 0 && f > 0) std::printf("%s / %s (CPU time) = %.3f\n", name, floor, t / f);
    }
    benchmark::Shutdown();
    return 0;
}
