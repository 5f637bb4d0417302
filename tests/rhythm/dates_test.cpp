#include "rhythm/dates.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/errors.h"

namespace rorovovo::rhythm {
namespace {

TEST(Dates, leapYears_followGregorianRule) {
    EXPECT_TRUE(isLeapYear(1996));
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_TRUE(isLeapYear(1600));
    EXPECT_FALSE(isLeapYear(1900));
    EXPECT_FALSE(isLeapYear(2100));
    EXPECT_FALSE(isLeapYear(1999));
    EXPECT_EQ(daysInMonth(1900, 2), 28);
    EXPECT_EQ(daysInMonth(2000, 2), 29);
    EXPECT_EQ(daysInMonth(2001, 4), 30);
    EXPECT_EQ(daysInMonth(2001, 12), 31);
    EXPECT_EQ(daysInMonth(2001, 13), 0);
    EXPECT_EQ(daysInMonth(2001, 0), 0);
}

TEST(Dates, validity_boundsOfYearMonthAndDay) {
    EXPECT_FALSE(isValidDate(1900, 2, 29));
    EXPECT_TRUE(isValidDate(2000, 2, 29));
    EXPECT_TRUE(isValidDate(1996, 2, 29));
    EXPECT_FALSE(isValidDate(0, 1, 1));
    EXPECT_TRUE(isValidDate(1, 1, 1));
    EXPECT_TRUE(isValidDate(9999, 12, 31));
    EXPECT_FALSE(isValidDate(10000, 1, 1));
    EXPECT_FALSE(isValidDate(2001, 4, 31));
    EXPECT_FALSE(isValidDate(2001, 0, 1));
    EXPECT_FALSE(isValidDate(2001, 13, 1));
    EXPECT_FALSE(isValidDate(2001, 1, 0));
}

TEST(Dates, encodeDate_countsFromDayZero) {
    EXPECT_EQ(encodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(encodeDate(1899, 12, 31), 1.0);
    EXPECT_EQ(encodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(encodeDate(1900, 3, 1), 61.0);
    EXPECT_EQ(encodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(encodeDate(1, 1, 1), -693593.0);
    EXPECT_EQ(encodeDate(9999, 12, 31), 2958465.0);
    EXPECT_THROW(encodeDate(1900, 2, 29), RangeError);
}

TEST(Dates, decodeDate_roundTripsEveryDayOfTheRange) {
    double expected = encodeDate(1, 1, 1);
    for (int y = 1; y <= 9999; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= daysInMonth(y, m); ++d) {
                const double value = encodeDate(y, m, d);
                ASSERT_EQ(value, expected) << y << "-" << m << "-" << d;
                ASSERT_EQ(decodeDate(value), (Date{y, m, d})) << value;
                expected += 1;
            }
}

TEST(Dates, decodeDate_ignoresTimeOfDay) {
    EXPECT_EQ(decodeDate(36526.99), (Date{2000, 1, 1}));
    EXPECT_EQ(decodeDate(-0.5), (Date{1899, 12, 30}));  // noon of day 0
    EXPECT_EQ(decodeDate(-1.25), (Date{1899, 12, 29}));
}

TEST(Dates, decodeDate_outsideCalendar_throws) {
    EXPECT_THROW(decodeDate(-693594), RangeError);
    EXPECT_THROW(decodeDate(2958466), RangeError);
    EXPECT_THROW(decodeDate(std::numeric_limits<double>::quiet_NaN()), RangeError);
    EXPECT_THROW(decodeDate(1e300), RangeError);
}

TEST(Dates, birthDateTexts_validWithOrWithoutLeadingZeros) {
    EXPECT_TRUE(checkBirthDate("15", "03", "1958"));
    EXPECT_TRUE(checkBirthDate("15", "3", "1958"));
    EXPECT_TRUE(checkBirthDate("015", "0003", "01958"));
    EXPECT_EQ(birthDateValue("15", "03", "1958"), encodeDate(1958, 3, 15));
    EXPECT_EQ(birthDateValue("$F", "3", "1958"), encodeDate(1958, 3, 15));
}

TEST(Dates, birthDateTexts_invalidDatesAndNonNumbersGiveFalse) {
    EXPECT_FALSE(checkBirthDate("29", "02", "1900"));
    EXPECT_TRUE(checkBirthDate("29", "02", "2000"));
    EXPECT_TRUE(checkBirthDate("29", "02", "1996"));
    EXPECT_FALSE(checkBirthDate("1", "1", "0"));
    EXPECT_FALSE(checkBirthDate("31", "04", "2001"));
    EXPECT_FALSE(checkBirthDate("0", "1", "2001"));
    EXPECT_FALSE(checkBirthDate("1", "1", "10000"));
    EXPECT_FALSE(checkBirthDate("", "03", "1958"));
    EXPECT_FALSE(checkBirthDate("15", "", "1958"));
    EXPECT_FALSE(checkBirthDate("15", "03", ""));
    EXPECT_FALSE(checkBirthDate("15 ", "03", "1958"));
    EXPECT_FALSE(birthDateValue("31", "04", "2001"));
}

TEST(Dates, birthDateNumbersOutside16Bits_throwRangeError) {
    EXPECT_THROW(checkBirthDate("-1", "03", "1958"), RangeError);
    EXPECT_THROW(checkBirthDate("15", "-3", "1958"), RangeError);
    EXPECT_THROW(checkBirthDate("15", "03", "70000"), RangeError);
    EXPECT_THROW(birthDateValue("1", "1", "65536"), RangeError);
    // 65535 is still in range, merely no valid year.
    EXPECT_FALSE(checkBirthDate("1", "1", "65535"));
    // A text that does not convert wins over a range fault in another box.
    EXPECT_FALSE(checkBirthDate("-1", "03", ""));
}

}  // namespace
}  // namespace rorovovo::rhythm
