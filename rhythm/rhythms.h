#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/pen_style.h"

namespace rorovovo::rhythm {

// One of the six rhythms: the only place that knows its period, colour and pen. Number is also the position of its
// digit in the "Rhytms" setting. The windows match their own controls to a rhythm by its number.
struct Rhythm {
    int Number;
    std::string_view Name;
    int Period;            // days
    std::uint32_t Colour;  // 0xRRGGBB
    PenStyle Pen;
    // Base rhythms have a cycle-day box and an indicator, are drawn by "Draw biorhythms" and are shown by default;
    // the others are the extra rhythms.
    bool Base;
    char Letter;  // names the rhythm in a command line's list ("P,E,I"); Intuitional is N
    // The colour-blind-safe palette (Okabe and Ito's hues), each rhythm with a dash pattern of its own as well, so
    // the curves part in a greyscale print too.
    std::uint32_t SafeColour;
    PenStyle SafePen;
};

// Physical, Emotional, Intellectual, Intuitional (the base rhythms), then Spiritual and Aesthetics.
extern const std::array<Rhythm, 6> Rhythms;
constexpr int BaseRhythmCount = 4;

// The colours every window, export and print draws the rhythms in: the design's, or the colour-blind-safe ones.
enum class Palette { Design, ColourBlindSafe };
void usePalette(Palette palette);
Palette activePalette();
std::uint32_t colourOf(const Rhythm& r);
PenStyle penOf(const Rhythm& r);

// The rhythm numbered 1..6; any other number throws RangeError.
const Rhythm& rhythmByNumber(int number);

// The rhythm with this period, or nullptr when no rhythm has it.
const Rhythm* rhythmByPeriod(int period);

// Check marks of the six option items, index 0 for rhythm 1.
using ShownRhythms = std::array<bool, 6>;

// The "Rhytms" value that shows the base rhythms only.
inline constexpr std::string_view DefaultRhytmsValue = "111100";

// Reads a "Rhytms" setting value: character n stands for rhythm n, "1" checks it, any other digit does not.
// A character among the first six that is not a digit throws ConvertError naming it. Positions missing from a
// short value take their default; anything after the sixth character is ignored.
ShownRhythms parseShownRhythms(std::string_view value);

// The six-character "Rhytms" value of "0"s and "1"s for these check marks.
std::string shownRhythmsValue(const ShownRhythms& shown);

// Reads a list of rhythm letters such as "P,E,I" (commas between, any case, each letter once at most). Nothing
// for an empty list, an unknown letter or a letter given twice.
std::optional<ShownRhythms> parseRhythmLetters(std::string_view list);

// The names of the marked rhythms in table order, joined by ", ".
std::string shownRhythmNames(const ShownRhythms& shown);

}  // namespace rorovovo::rhythm
