#include "rhythm/rhythms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <string>

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

namespace palette {

// CIELAB of a colour as a person with a colour-vision deficiency sees it: Machado, Oliveira and Fernandes' 2009
// simulation matrices at full severity, applied in linear RGB.
using Matrix = std::array<std::array<double, 3>, 3>;
constexpr Matrix kNormal{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
constexpr Matrix kProtan{
    {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix kDeutan{
    {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix kTritan{
    {{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}};

std::array<double, 3> seenLab(std::uint32_t rgb, const Matrix& m) {
    const auto linear = [](unsigned v) {
        const double c = v / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double in[3] = {linear((rgb >> 16) & 0xFF), linear((rgb >> 8) & 0xFF), linear(rgb & 0xFF)};
    double c[3];
    for (int i = 0; i < 3; ++i) c[i] = std::clamp(m[i][0] * in[0] + m[i][1] * in[1] + m[i][2] * in[2], 0.0, 1.0);
    const double x = (0.4124 * c[0] + 0.3576 * c[1] + 0.1805 * c[2]) / 0.95047;
    const double y = 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];
    const double z = (0.0193 * c[0] + 0.1192 * c[1] + 0.9505 * c[2]) / 1.08883;
    const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

// The smallest CIE76 distance between two rhythms' colours as this eye sees them.
double closestPair(const Matrix& eye, std::string* which) {
    double closest = 1e9;
    for (const auto& a : Rhythms)
        for (const auto& b : Rhythms) {
            if (a.Number >= b.Number) continue;
            const auto la = seenLab(colourOf(a), eye), lb = seenLab(colourOf(b), eye);
            const double d = std::hypot(la[0] - lb[0], la[1] - lb[1], la[2] - lb[2]);
            if (d < closest) *which = std::string(a.Name) + " and " + std::string(b.Name);
            closest = std::min(closest, d);
        }
    return closest;
}

}  // namespace palette

// 15 in CIELAB is a difference seen at a glance beside each other; the design's red and green come to 4 for a
// protanope, so the simulation does tell palettes apart.
TEST(Rhythms, safePalette_keepsEveryPairApartForEveryCommonDeficiency) {
    const struct {
        const char* eye;
        const palette::Matrix& matrix;
    } eyes[] = {{"normal", palette::kNormal},
                {"protanopia", palette::kProtan},
                {"deuteranopia", palette::kDeutan},
                {"tritanopia", palette::kTritan}};
    usePalette(Palette::ColourBlindSafe);
    for (const auto& e : eyes) {
        std::string which;
        EXPECT_GE(palette::closestPair(e.matrix, &which), 15.0) << e.eye << ": " << which;
    }
    usePalette(Palette::Design);
    std::string which;
    EXPECT_LT(palette::closestPair(palette::kProtan, &which), 15.0) << "the design's colours";
}

TEST(Rhythms, safePalette_givesEachRhythmItsOwnDashPattern) {
    usePalette(Palette::ColourBlindSafe);
    std::set<PenStyle> pens;
    for (const auto& r : Rhythms) pens.insert(penOf(r));
    usePalette(Palette::Design);
    EXPECT_EQ(pens.size(), Rhythms.size());
    EXPECT_FALSE(pens.count(PenStyle::Clear));
}

}  // namespace
}  // namespace rorovovo::rhythm
