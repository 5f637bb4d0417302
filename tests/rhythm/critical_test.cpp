#include "rhythm/critical.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/errors.h"
#include "rhythm/dates.h"

namespace rorovovo::rhythm {
namespace {

constexpr ShownRhythms kAllShown{true, true, true, true, true, true};
constexpr ShownRhythms kNoneShown{};

// The definition, day by day and independent of the search: cycle day 0 or P div 2 of |date - birth|.
RhythmSet bruteForceSet(double birth, double date) {
    const long long n = std::llabs(static_cast<long long>(date - birth));
    RhythmSet set = 0;
    for (const Rhythm& r : Rhythms)
        if (n % r.Period == 0 || n % r.Period == r.Period / 2) set |= static_cast<RhythmSet>(1u << (r.Number - 1));
    return set;
}

bool bruteForceTriple(double birth, double date) { return (bruteForceSet(birth, date) & 7) == 7; }

TEST(CriticalDays, eachRhythmIsCriticalAtCycleDayZeroAndHalfItsPeriod) {
    const struct {
        const char* name;
        int half;
    } expected[] = {{"Physical", 11},    {"Emotional", 14}, {"Intellectual", 16},
                    {"Intuitional", 19}, {"Spiritual", 26}, {"Aesthetics", 24}};
    for (std::size_t i = 0; i < Rhythms.size(); ++i) {
        const Rhythm& r = Rhythms[i];
        ASSERT_EQ(r.Name, expected[i].name);
        std::vector<int> critical;
        for (int n = 0; n < 2 * r.Period; ++n)
            if (isCriticalCycleDay(n, r.Period)) critical.push_back(n);
        const int h = expected[i].half;
        EXPECT_EQ(critical, (std::vector<int>{0, h, r.Period, r.Period + h})) << r.Name;
    }
    EXPECT_THROW(isCriticalCycleDay(-1, 23), RangeError);
}

TEST(CriticalDays, kindCountsOnlyTheFirstThreeRhythms) {
    const struct {
        RhythmSet set;
        CriticalKind kind;
    } cases[] = {{0b000000, CriticalKind::None},   {0b000001, CriticalKind::Single}, {0b111000, CriticalKind::Single},
                 {0b001001, CriticalKind::Single}, {0b000011, CriticalKind::Double}, {0b111101, CriticalKind::Double},
                 {0b000111, CriticalKind::Triple}, {0b111111, CriticalKind::Triple}};
    for (const auto& c : cases) EXPECT_EQ(criticalKind(c.set), c.kind) << int(c.set);
    EXPECT_EQ(criticalKindName(CriticalKind::Double), "double");
}

TEST(CriticalDays, bornToday_isTripleWithEveryRhythm) {
    const double today = encodeDate(2026, 12, 8);
    const auto list = criticalDays(today, today + 0.75, 1, kAllShown);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].Date, today);
    EXPECT_EQ(list[0].Rhythms, 0b111111);
    EXPECT_EQ(list[0].Kind, CriticalKind::Triple);
    EXPECT_EQ(nextTripleCriticalDay(today, today + 0.75), today);
}

TEST(CriticalDays, searchFindsTheEightTripleDaysOfOneCycle) {
    const double birth = encodeDate(1815, 12, 10);
    std::vector<double> brute;
    for (double d = birth; d < birth + 21252; ++d)
        if (bruteForceTriple(birth, d)) brute.push_back(d);
    ASSERT_EQ(brute.size(), 8u);
    std::vector<double> found;
    for (double d = nextTripleCriticalDay(birth, birth); d < birth + 21252; d = nextTripleCriticalDay(birth, d + 1))
        found.push_back(d);
    EXPECT_EQ(found, brute);
    // The next cycle starts again at a triple day.
    EXPECT_EQ(nextTripleCriticalDay(birth, brute.back() + 1), birth + 21252);
}

TEST(CriticalDays, searchFromAnyDayMatchesTheFirstTripleFoundDayByDay) {
    const double birth = encodeDate(1970, 1, 1);
    for (const double future : {0.0, 30000.0}) {  // born long ago, and born in the future
        const double b = birth + future;
        for (double from = birth - 400; from < birth + 45000; from += 997) {
            double expected = from;
            while (!bruteForceTriple(b, expected)) ++expected;
            EXPECT_EQ(nextTripleCriticalDay(b, from + 0.4), expected) << from << " birth " << b;
        }
    }
}

TEST(CriticalDays, listMatchesTheDefinitionDayByDay_pastAndFutureBirths) {
    const double today = encodeDate(2026, 12, 8);
    for (const double birth : {encodeDate(1990, 7, 1), today + 100, today + 200}) {
        for (const ShownRhythms& shown : {kAllShown, kNoneShown}) {
            const RhythmSet listed = shown[3] ? 0b111111 : 0;
            std::vector<std::pair<double, RhythmSet>> expected;
            for (double d = today; d < today + 365; ++d)
                if (const RhythmSet s = bruteForceSet(birth, d) & listed) expected.push_back({d, s});
            std::vector<std::pair<double, RhythmSet>> actual;
            for (const CriticalDay& day : criticalDays(birth, today, 365, shown)) {
                actual.push_back({day.Date, day.Rhythms});
                EXPECT_EQ(day.Kind, criticalKind(day.Rhythms));
            }
            EXPECT_EQ(actual, expected) << birth;
        }
    }
}

TEST(CriticalDays, leapDayCountsAsADay) {
    // 22 days from 28 February to 21 March in a leap year; the Physical crossing comes a day earlier than in 2023.
    const struct {
        Date birth, day;
        RhythmSet set;
    } cases[] = {{{2024, 2, 28}, {2024, 3, 22}, 0b000001}, {{2024, 2, 28}, {2024, 3, 21}, 0},
                 {{2023, 2, 28}, {2023, 3, 23}, 0b000001}, {{2023, 2, 28}, {2023, 3, 22}, 0},
                 {{2000, 2, 29}, {2000, 3, 11}, 0b000001},   // day 11
                 {{2000, 2, 29}, {2000, 3, 14}, 0b000010}};  // day 14
    for (const auto& c : cases) {
        const double birth = encodeDate(c.birth.Year, c.birth.Month, c.birth.Day);
        const double day = encodeDate(c.day.Year, c.day.Month, c.day.Day);
        const auto list = criticalDays(birth, day, 1, kAllShown);
        EXPECT_EQ(list.empty() ? 0 : list[0].Rhythms, c.set) << c.day.Month << "/" << c.day.Day;
    }
}

TEST(CriticalDays, datesOutsideTheCalendarThrow) {
    const double last = encodeDate(9999, 12, 31);
    EXPECT_NO_THROW(criticalDays(last - 10, last - 9, 10, kAllShown));
    EXPECT_THROW(criticalDays(last - 10, last, 2, kAllShown), RangeError);
    EXPECT_TRUE(criticalDays(last, last, 0, kAllShown).empty());
    EXPECT_THROW(nextTripleCriticalDay(last - 1, last), RangeError);
}

}  // namespace
}  // namespace rorovovo::rhythm
