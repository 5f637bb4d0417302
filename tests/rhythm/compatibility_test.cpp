#include "rhythm/compatibility.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "rhythm/dates.h"

namespace rorovovo::rhythm {
namespace {

TEST(Compatibility, phaseGapAcrossOneCycle) {
    const struct {
        long long days;
        int period;
        double expected;
    } cases[] = {
        {0, 28, 100.0},
        {14, 28, 0.0},
        {28, 28, 100.0},
        {7, 28, 50.0},
        {21, 28, 50.0},
        {56 + 14, 28, 0.0},
        {0, 23, 100.0},
        {11, 23, 100.0 / 23},
        {12, 23, 100.0 / 23},
        {23, 23, 100.0},
        {46 + 5, 23, 1300.0 / 23},
        {16, 33, 100.0 / 33},
        {17, 33, 100.0 / 33},
        {19, 38, 0.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(compatibility(c.days, c.period), c.expected) << c.days << " days, period " << c.period;
}

TEST(Compatibility, badArguments_throwRangeError) {
    EXPECT_THROW(compatibility(-1, 23), RangeError);
    EXPECT_THROW(compatibility(5, 0), RangeError);
}

TEST(Compatibility, elevenDaysApart_roundsEachFigureAndTheMeanOfTheUnroundedThree) {
    const double a = encodeDate(1990, 3, 1), b = encodeDate(1990, 3, 12);
    const Compatibility c = compareBirthDates(a, b);
    EXPECT_EQ(c.physical, 4);
    EXPECT_EQ(c.emotional, 21);
    EXPECT_EQ(c.intellectual, 33);
    EXPECT_EQ(c.intuitional, 42);
    EXPECT_EQ(c.overall, 20);  // the rounded three would give 19
}

TEST(Compatibility, symmetricAndBlindToTheTimeOfDay) {
    const double pairs[][2] = {{encodeDate(1958, 3, 15), encodeDate(1961, 10, 2)},
                               {encodeDate(2000, 2, 29), encodeDate(1900, 1, 1)},
                               {encodeDate(2026, 12, 8), encodeDate(2026, 12, 8)}};
    for (const auto& p : pairs) {
        const Compatibility ab = compareBirthDates(p[0], p[1]);
        const Compatibility ba = compareBirthDates(p[1] + 0.75, p[0] + 0.25);
        EXPECT_EQ(ab.physical, ba.physical);
        EXPECT_EQ(ab.emotional, ba.emotional);
        EXPECT_EQ(ab.intellectual, ba.intellectual);
        EXPECT_EQ(ab.intuitional, ba.intuitional);
        EXPECT_EQ(ab.overall, ba.overall);
    }
    const Compatibility same = compareBirthDates(encodeDate(2026, 12, 8), encodeDate(2026, 12, 8));
    EXPECT_EQ(same.overall, 100);
}

}  // namespace
}  // namespace rorovovo::rhythm
