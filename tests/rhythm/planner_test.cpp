#include "rhythm/planner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/errors.h"
#include "rhythm/dates.h"

namespace rorovovo::rhythm {
namespace {

constexpr int kPeriods[] = {23, 28, 33, 38, 53, 48};

// The definitions, day by day: the sine of the whole day count, the critical cycle days, the lowest member's mean.
struct BruteDay {
    int score;
    bool clear;
    std::vector<RhythmSet> critical;
};

BruteDay bruteForce(const std::vector<double>& births, double date, const ShownRhythms& rhythms) {
    double lowest = births.empty() ? 0 : 1e9;
    BruteDay day{0, true, {}};
    for (double birth : births) {
        const long long n = std::llabs(static_cast<long long>(date - birth));
        double sum = 0;
        int count = 0;
        RhythmSet set = 0;
        for (int i = 0; i < 6; ++i) {
            if (!rhythms[std::size_t(i)]) continue;
            sum += 100 * std::sin(2 * M_PI * double(n) / kPeriods[i]);
            ++count;
            if (n % kPeriods[i] == 0 || n % kPeriods[i] == kPeriods[i] / 2) set |= RhythmSet(1u << i);
        }
        lowest = std::min(lowest, sum / count);
        day.clear = day.clear && set == 0;
        day.critical.push_back(set);
    }
    day.score = int(std::lround(lowest));
    return day;
}

TEST(Planner, tableAndRankings_matchTheDefinitionsDayByDay) {
    const double d = encodeDate(2024, 3, 15);
    const struct {
        std::vector<double> births;
        ShownRhythms rhythms;
        double from;
        int days;
    } cases[] = {
        {{encodeDate(1980, 2, 1)}, {true, true, true}, d, 60},                                    // one member
        {{encodeDate(1980, 2, 1), encodeDate(1980, 2, 1)}, {true, true, true}, d - 300, 400},     // the same twice
        {{encodeDate(1815, 12, 10), d + 40, encodeDate(2001, 9, 9)}, {true, true, true}, d, 90},  // born in the span
        {{encodeDate(1958, 3, 15), encodeDate(1990, 7, 1)}, {true, true, true, true, true, true}, d, 365},
        {{encodeDate(1, 1, 1), encodeDate(9999, 12, 1)}, {false, false, false, true}, encodeDate(5000, 1, 1), 30},
    };
    for (const auto& c : cases) {
        const PlanTable t = planTable(c.births, c.from, c.days, c.rhythms);
        std::vector<int> all(std::size_t(c.days));
        for (int day = 0; day < c.days; ++day) {
            const BruteDay b = bruteForce(c.births, c.from + day, c.rhythms);
            ASSERT_EQ(t.Score[std::size_t(day)], b.score) << "day " << day;
            ASSERT_EQ(bool(t.Clear[std::size_t(day)]), b.clear) << "day " << day;
            for (std::size_t m = 0; m < c.births.size(); ++m) ASSERT_EQ(t.critical(int(m), day), b.critical[m]);
            all[std::size_t(day)] = day;
        }
        std::vector<int> best, worst = all;
        std::copy_if(all.begin(), all.end(), std::back_inserter(best), [&](int i) { return t.Clear[std::size_t(i)]; });
        std::stable_sort(best.begin(), best.end(), [&](int a, int b) { return t.Score[a] > t.Score[b]; });
        std::stable_sort(worst.begin(), worst.end(), [&](int a, int b) { return t.Score[a] < t.Score[b]; });
        for (const auto& [expected, got] : {std::pair{best, bestDays(t, 10)}, std::pair{worst, worstDays(t, 10)}}) {
            ASSERT_EQ(got.size(), std::min<std::size_t>(10, expected.size()));
            for (std::size_t i = 0; i < got.size(); ++i) {
                EXPECT_EQ(got[i].Date, c.from + expected[i]);
                EXPECT_EQ(got[i].Score, t.Score[std::size_t(expected[i])]);
            }
        }
    }
}

TEST(Planner, spansLeavingTheCalendarOrEmpty_areRefused) {
    const std::vector<double> one{encodeDate(1980, 2, 1)};
    const ShownRhythms pei{true, true, true};
    EXPECT_NO_THROW(planTable(one, encodeDate(1, 1, 1), 7, pei));
    EXPECT_NO_THROW(planTable(one, encodeDate(9999, 12, 25), 7, pei));
    EXPECT_THROW(planTable(one, encodeDate(9999, 12, 26), 7, pei), RangeError);
    EXPECT_THROW(planTable(one, encodeDate(1, 1, 1) - 1, 7, pei), RangeError);
    EXPECT_THROW(planTable(one, encodeDate(2024, 1, 1), 0, pei), RangeError);
}

TEST(Planner, memberDay_givesRoundedPercentagesAndTheDirectionToTheNextDate) {
    const double birth = encodeDate(2024, 3, 15);
    const struct {
        double date;
        int physical;
        bool physicalRising;
    } cases[] = {
        {birth, 0, true},         // day 0 rises
        {birth + 6, 100, false},  // sin(2 pi 6/23) = 0.998: the top, falling after it
        {birth - 7, 94, true},    // before a birth in the future the count shrinks towards the top at 6
        {birth + 17, -100, true},
    };
    for (const auto& c : cases) {
        const MemberDay m = memberDay(birth, c.date + 0.75);  // the time of day does not count
        EXPECT_EQ(m.Percent[0], c.physical);
        EXPECT_EQ(m.Rising[0], c.physicalRising);
    }
    EXPECT_EQ(memberDay(birth, birth).Critical, RhythmSet(0x3F));
    EXPECT_EQ(rhythmPercent(7, 28), 100);
    EXPECT_EQ(rhythmPercent(4, 48), 50);
}

}  // namespace
}  // namespace rorovovo::rhythm
