#include "rhythm/daycount.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/errors.h"
#include "rhythm/dates.h"

namespace rorovovo::rhythm {
namespace {

constexpr int TodayX = 600;

TEST(DayCount, bornToday_livedNoDay) {
    const double today = encodeDate(2024, 5, 17);
    EXPECT_EQ(daysLived(today, today), 0);
    EXPECT_EQ(daysLived(today, today + 0.999), 0);
    EXPECT_EQ(formatAge(ageYears(today, today)), "0.0");
}

TEST(DayCount, bornYesterday_livedOneDayWhateverTheTime) {
    const double yesterday = encodeDate(2024, 5, 16);
    const double today = yesterday + 1;
    for (double time : {0.0, 0.001, 0.5, 0.999}) EXPECT_EQ(daysLived(yesterday, today + time), 1) << time;
}

TEST(DayCount, bornTomorrow_countsBackwardsAndTruncates) {
    const double today = encodeDate(2024, 5, 17);
    const double tomorrow = today + 1;
    for (double time : {0.001, 0.5, 0.999}) EXPECT_EQ(daysLived(tomorrow, today + time), 0) << time;
    EXPECT_EQ(daysLived(tomorrow, today), 1);  // exactly midnight
    EXPECT_EQ(daysLived(encodeDate(2024, 6, 16), today + 0.5), 29);
}

TEST(DayCount, cycleDays_of24000DaysLived) {
    EXPECT_EQ(cycleDay(24000, 23), 11);
    EXPECT_EQ(cycleDay(24000, 28), 4);
    EXPECT_EQ(cycleDay(24000, 33), 9);
    EXPECT_EQ(cycleDay(24000, 38), 22);
    EXPECT_EQ(cycleDay(0, 23), 0);
    EXPECT_EQ(cycleDay(23, 23), 0);
    EXPECT_EQ(cycleDay(22, 23), 22);
    EXPECT_THROW(cycleDay(5, 0), RangeError);
    EXPECT_THROW(cycleDay(-1, 23), RangeError);
}

TEST(DayCount, leftEdge_isSixtyDaysBeforeTodayAndNeverNegative) {
    EXPECT_EQ(leftEdgeCycleDay(10, TodayX, 23), 19);
    EXPECT_EQ(leftEdgeCycleDay(0, TodayX, 23), 9);  // -60 mod 23
    EXPECT_EQ(leftEdgeCycleDay(60, TodayX, 28), 0);
    EXPECT_EQ(leftEdgeCycleDay(24000, TodayX, 23), (24000 - 60) % 23);
    for (int period : {23, 28, 33, 38, 48, 53})
        for (int lived = 0; lived < 200; ++lived) {
            const int day = leftEdgeCycleDay(lived, TodayX, period);
            ASSERT_GE(day, 0);
            ASSERT_LT(day, period);
            // Sixty days on from the left edge is today's cycle day.
            ASSERT_EQ((day + 60) % period, lived % period) << lived << " " << period;
        }
    EXPECT_THROW(leftEdgeCycleDay(10, TodayX, 0), RangeError);
}

TEST(DayCount, age_includesTimeOfDayWithOneDecimal) {
    const double birth = encodeDate(1958, 3, 15);
    EXPECT_EQ(formatAge(ageYears(birth, birth + 24180 + 0.4)), "66.2");
    EXPECT_EQ(formatAge(ageYears(birth + 24180.4, birth)), "66.2");  // order of the dates does not matter
    EXPECT_DOUBLE_EQ(ageYears(birth, birth + 365.25 * 2), 2.0);
    EXPECT_EQ(formatAge(0.05), "0.1");
    EXPECT_EQ(formatAge(9.96), "10.0");
    EXPECT_EQ(formatAge(123.0), "123.0");
}

TEST(DayCount, unusableDateValues_throw) {
    EXPECT_THROW(daysLived(std::numeric_limits<double>::quiet_NaN(), 0), RangeError);
    EXPECT_THROW(daysLived(0, 1e12), RangeError);
}

}  // namespace
}  // namespace rorovovo::rhythm
