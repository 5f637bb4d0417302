#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace rorovovo::rhythm {

struct TZodiacSign {
    std::string_view Name;   // lower case, as the label shows it
    std::string_view Dates;  // the range as the hint shows it
    std::int32_t LastDay;    // last day of the range as month * 100 + day
};

// Signs 1..12 in the order of the picture strip, aquarius first, capricorn (which spans the new year) last.
extern const std::array<TZodiacSign, 12> ZodiacSigns;

// Number 1..12 of the sign whose range holds this month and day; the year plays no part, and 29 February is in
// pisces. A month outside 1..12 or a day outside 1..31 throws RangeError.
int zodiacSignNumber(int month, int day);

// Hint of the sign picture: " aquarius : Jan 20 ~ Feb 18 ". A number outside 1..12 throws RangeError.
std::string zodiacHint(int number);

}  // namespace rorovovo::rhythm
