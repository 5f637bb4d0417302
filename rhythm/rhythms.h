#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace rorovovo::rhythm {

enum class PenStyle { Solid, DashDotDot };

// One of the six rhythms. Number is also the menu tag of its option item and the position of its digit in the
// "Rhytms" setting. Controls are named here so the window code can find them by the rhythm, not by hand.
struct Rhythm {
    int Number;
    std::string_view Name;
    int Period;            // days
    std::uint32_t Colour;  // 0xRRGGBB
    PenStyle Pen;
    std::string_view DayBox;          // empty for the extra rhythms
    std::string_view IndicatorImage;  // empty for the extra rhythms
    std::string_view OptionItem;
    std::string_view OptionCaption;  // as the menu shows it, spelling included
    bool ShownByDefault;
};

// Physical, Emotional, Intellectual, Intuitional (the base rhythms), then Spiritual and Aesthetics.
extern const std::array<Rhythm, 6> Rhythms;

constexpr int BaseRhythmCount = 4;

// The rhythm numbered 1..6; any other number throws RangeError.
const Rhythm& rhythmByNumber(int number);

// The rhythm with this period, or nullptr when no rhythm has it.
const Rhythm* rhythmByPeriod(int period);

// Check marks of the six option items, index 0 for rhythm 1.
using ShownRhythms = std::array<bool, 6>;

inline constexpr std::string_view DefaultRhytmsValue = "111100";

// Reads a "Rhytms" setting value: character n stands for rhythm n, "1" checks it, any other digit does not.
// A character among the first six that is not a digit throws ConvertError naming it. Positions missing from a
// short value take their default; anything after the sixth character is ignored.
ShownRhythms parseShownRhythms(std::string_view value);

// The six-character "Rhytms" value of "0"s and "1"s for these check marks.
std::string shownRhythmsValue(const ShownRhythms& shown);

}  // namespace rorovovo::rhythm
