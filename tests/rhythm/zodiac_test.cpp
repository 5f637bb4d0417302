#include "rhythm/zodiac.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "rhythm/dates.h"

namespace rorovovo::rhythm {
namespace {

std::string_view signOf(int month, int day) { return ZodiacSigns[zodiacSignNumber(month, day) - 1].Name; }

TEST(Zodiac, tableOrderAndTexts) {
    const char* names[] = {"aquarius", "pisces", "aries", "taurus",  "gemini",      "cancer",
                           "leo",      "virgo",  "libra", "scorpio", "sagittarius", "capricorn"};
    for (int n = 0; n < 12; ++n) EXPECT_EQ(ZodiacSigns[n].Name, names[n]);
    EXPECT_EQ(ZodiacSigns[0].Dates, "Jan 20 ~ Feb 18");
    EXPECT_EQ(ZodiacSigns[5].Dates, "Jun 21 ~ Jul 22");
    EXPECT_EQ(ZodiacSigns[9].Dates, "Oct 23 ~ Nov 21");
    EXPECT_EQ(ZodiacSigns[11].Dates, "Dec 22 ~ Jan 19");
}

TEST(Zodiac, boundariesAroundTheTurnOfTheYear) {
    EXPECT_EQ(signOf(1, 1), "capricorn");
    EXPECT_EQ(signOf(1, 19), "capricorn");
    EXPECT_EQ(signOf(1, 20), "aquarius");
    EXPECT_EQ(signOf(2, 18), "aquarius");
    EXPECT_EQ(signOf(2, 19), "pisces");
    EXPECT_EQ(signOf(2, 29), "pisces");
    EXPECT_EQ(signOf(12, 21), "sagittarius");
    EXPECT_EQ(signOf(12, 22), "capricorn");
    EXPECT_EQ(signOf(12, 31), "capricorn");
}

TEST(Zodiac, everyFirstAndLastDayOfARange) {
    struct Case {
        int month, day;
        const char* sign;
    };
    const Case cases[] = {
        {3, 20, "pisces"},   {3, 21, "aries"},    {4, 19, "aries"},        {4, 20, "taurus"}, {5, 20, "taurus"},
        {5, 21, "gemini"},   {6, 20, "gemini"},   {6, 21, "cancer"},       {7, 22, "cancer"}, {7, 23, "leo"},
        {8, 22, "leo"},      {8, 23, "virgo"},    {9, 22, "virgo"},        {9, 23, "libra"},  {10, 22, "libra"},
        {10, 23, "scorpio"}, {11, 21, "scorpio"}, {11, 22, "sagittarius"},
    };
    for (const Case& c : cases) EXPECT_EQ(signOf(c.month, c.day), c.sign) << c.month << "/" << c.day;
}

TEST(Zodiac, lastDayMatchesTheEndOfDatesText) {
    const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (const TZodiacSign& sign : ZodiacSigns) {
        const std::string end = std::string(months[sign.LastDay / 100 - 1]) + " " + std::to_string(sign.LastDay % 100);
        EXPECT_EQ(sign.Dates.substr(sign.Dates.size() - end.size()), end) << sign.Name;
        EXPECT_EQ(sign.Dates.find(" ~ "), 6u) << sign.Name;
    }
}

TEST(Zodiac, signsFollowOneAnotherThroughTheYear_inAnyYear) {
    // Walk every day of a leap and of a common year: signs only ever step to the next one.
    for (int year : {1900, 1958, 2000, 2023, 2024}) {
        int previous = zodiacSignNumber(12, 31);
        int changes = 0;
        for (double v = encodeDate(year, 1, 1); v <= encodeDate(year, 12, 31); ++v) {
            const Date d = decodeDate(v);
            const int n = zodiacSignNumber(d.Month, d.Day);
            if (n != previous) {
                EXPECT_EQ(n, previous % 12 + 1) << year << "-" << d.Month << "-" << d.Day;
                ++changes;
            }
            previous = n;
        }
        EXPECT_EQ(changes, 12) << year;
    }
}

TEST(Zodiac, hint_hasBlanksAroundNameAndRange) {
    EXPECT_EQ(zodiacHint(1), " aquarius : Jan 20 ~ Feb 18 ");
    EXPECT_EQ(zodiacHint(12), " capricorn : Dec 22 ~ Jan 19 ");
    EXPECT_EQ(zodiacHint(11), " sagittarius : Nov 22 ~ Dec 21 ");
}

TEST(Zodiac, outOfRangeInput_throws) {
    EXPECT_THROW(zodiacSignNumber(0, 10), RangeError);
    EXPECT_THROW(zodiacSignNumber(13, 10), RangeError);
    EXPECT_THROW(zodiacSignNumber(5, 0), RangeError);
    EXPECT_THROW(zodiacSignNumber(5, 32), RangeError);
    EXPECT_THROW(zodiacHint(0), RangeError);
    EXPECT_THROW(zodiacHint(13), RangeError);
}

}  // namespace
}  // namespace rorovovo::rhythm
