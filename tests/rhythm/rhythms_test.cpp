#include "rhythm/rhythms.h"

#include <gtest/gtest.h>

#include "core/errors.h"

namespace rorovovo::rhythm {
namespace {

TEST(Rhythms, table_numbersPeriodsPensAndBaseRhythms) {
    const struct {
        int period;
        std::uint32_t colour;
        PenStyle pen;
        bool base;
    } expected[] = {{23, 0xFF0000, PenStyle::Solid, true},       {28, 0xFF00FF, PenStyle::Solid, true},
                    {33, 0x008000, PenStyle::Solid, true},       {38, 0x0000FF, PenStyle::DashDotDot, true},
                    {53, 0x00FFFF, PenStyle::DashDotDot, false}, {48, 0x808000, PenStyle::DashDotDot, false}};
    for (int n = 1; n <= 6; ++n) {
        const Rhythm& r = rhythmByNumber(n);
        const auto& e = expected[n - 1];
        EXPECT_EQ(r.Number, n);
        EXPECT_EQ(r.Period, e.period) << n;
        EXPECT_EQ(r.Colour, e.colour) << n;
        EXPECT_EQ(r.Pen, e.pen) << n;
        EXPECT_EQ(r.Base, e.base) << n;
        EXPECT_EQ(rhythmByPeriod(r.Period), &r);
    }
    EXPECT_EQ(rhythmByPeriod(24), nullptr);
    EXPECT_THROW(rhythmByNumber(0), RangeError);
    EXPECT_THROW(rhythmByNumber(7), RangeError);
}

TEST(Rhythms, defaultSettingValue_showsTheBaseRhythmsOnly) {
    ShownRhythms base{};
    for (const Rhythm& r : Rhythms) base[r.Number - 1] = r.Base;
    EXPECT_EQ(parseShownRhythms(DefaultRhytmsValue), base);
    EXPECT_EQ(parseShownRhythms(""), base);
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

TEST(Rhythms, letterList_readsEachRhythmOnceInAnyCase) {
    const struct {
        const char* list;
        std::optional<ShownRhythms> shown;
    } cases[] = {
        {"P,E,I,N,S,A", ShownRhythms{true, true, true, true, true, true}},
        {"a,p", ShownRhythms{true, false, false, false, false, true}},
        {"N", ShownRhythms{false, false, false, true, false, false}},
        {"", std::nullopt},
        {"P,,E", std::nullopt},
        {"P,E,", std::nullopt},
        {"P,P", std::nullopt},
        {"PE", std::nullopt},
        {"X", std::nullopt},
        {" P", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(parseRhythmLetters(c.list), c.shown) << c.list;
    EXPECT_EQ(shownRhythmNames({false, true, false, false, true}), "Emotional, Spiritual");
}

}  // namespace
}  // namespace rorovovo::rhythm
