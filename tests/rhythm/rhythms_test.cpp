#include "rhythm/rhythms.h"

#include <gtest/gtest.h>

#include "rhythm/errors.h"

namespace rorovovo::rhythm {
namespace {

TEST(Rhythms, table_numbersPeriodsAndDefaults) {
    const int periods[] = {23, 28, 33, 38, 53, 48};
    for (int n = 1; n <= 6; ++n) {
        const Rhythm& r = rhythmByNumber(n);
        EXPECT_EQ(r.Number, n);
        EXPECT_EQ(r.Period, periods[n - 1]);
        EXPECT_EQ(r.ShownByDefault, n <= BaseRhythmCount);
        // Only base rhythms have a day box and an indicator.
        EXPECT_EQ(r.DayBox.empty(), n > BaseRhythmCount);
        EXPECT_EQ(r.IndicatorImage.empty(), n > BaseRhythmCount);
        EXPECT_EQ(r.Pen, n <= 3 ? PenStyle::Solid : PenStyle::DashDotDot);
        EXPECT_EQ(rhythmByPeriod(r.Period), &r);
    }
    EXPECT_EQ(rhythmByNumber(1).DayBox, "Edit2");
    EXPECT_EQ(rhythmByNumber(4).DayBox, "Edit5");
    EXPECT_EQ(rhythmByNumber(2).Colour, 0xFF00FFu);
    EXPECT_EQ(rhythmByNumber(3).Colour, 0x008000u);
    EXPECT_EQ(rhythmByNumber(5).Colour, 0x00FFFFu);
    EXPECT_EQ(rhythmByNumber(6).OptionItem, "MenuOptionsShowAesthetics");
    EXPECT_EQ(rhythmByNumber(6).OptionCaption, "Aesthetics rhytm");
    EXPECT_EQ(rhythmByNumber(1).OptionCaption, "Physical rhythm");
    EXPECT_EQ(rhythmByPeriod(24), nullptr);
    EXPECT_THROW(rhythmByNumber(0), RangeError);
    EXPECT_THROW(rhythmByNumber(7), RangeError);
}

TEST(Rhythms, settingValue_digitOneChecksAnyOtherDigitDoesNot) {
    EXPECT_EQ(parseShownRhythms("111100"), (ShownRhythms{true, true, true, true, false, false}));
    EXPECT_EQ(parseShownRhythms("010203"), (ShownRhythms{false, true, false, false, false, false}));
    EXPECT_EQ(parseShownRhythms("222222"), ShownRhythms{});
    EXPECT_EQ(parseShownRhythms("000011"), (ShownRhythms{false, false, false, false, true, true}));
}

TEST(Rhythms, settingValue_ignoresCharactersAfterTheSixth) {
    EXPECT_EQ(parseShownRhythms("1111001"), (ShownRhythms{true, true, true, true, false, false}));
    EXPECT_EQ(parseShownRhythms("000000abc"), ShownRhythms{});
}

TEST(Rhythms, shortSettingValue_takesDefaultsForMissingPositions) {
    EXPECT_EQ(parseShownRhythms(""), (ShownRhythms{true, true, true, true, false, false}));
    EXPECT_EQ(parseShownRhythms("00"), (ShownRhythms{false, false, true, true, false, false}));
    EXPECT_EQ(parseShownRhythms("11111"), (ShownRhythms{true, true, true, true, true, false}));
}

TEST(Rhythms, nonDigitInSettingValue_throwsNamingTheCharacter) {
    try {
        parseShownRhythms("11a100");
        FAIL() << "no error";
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "'a' is not a valid integer value");
    }
    EXPECT_THROW(parseShownRhythms("11110 "), ConvertError);
    EXPECT_THROW(parseShownRhythms("$11100"), ConvertError);
    EXPECT_THROW(parseShownRhythms("-1"), ConvertError);
}

TEST(Rhythms, settingValue_roundTripsEveryCombination) {
    for (int bits = 0; bits < 64; ++bits) {
        ShownRhythms shown{};
        for (int i = 0; i < 6; ++i) shown[i] = (bits >> i) & 1;
        const std::string value = shownRhythmsValue(shown);
        ASSERT_EQ(value.size(), 6u);
        EXPECT_EQ(value.find_first_not_of("01"), std::string::npos);
        EXPECT_EQ(parseShownRhythms(value), shown) << value;
    }
    EXPECT_EQ(shownRhythmsValue({true, true, false, true, true, false}), "110110");
}

}  // namespace
}  // namespace rorovovo::rhythm
