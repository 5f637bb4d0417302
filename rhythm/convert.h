#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rorovovo::rhythm {

// Reads a text as a signed 32-bit integer the way every number box of the program does: leading blanks,
// an optional "+" or "-", then decimal digits, or hexadecimal digits after "$", "x", "X", "0x" or "0X".
// Nothing may follow the digits. Returns nothing when the text does not convert or leaves the 32-bit range.
std::optional<std::int32_t> tryStrToInt(std::string_view text);

// A whole number with at least `precision` digits, leading zeros added and never cut, as "%.*d" writes it
// (-5 with precision 2 gives "-05").
std::string zeroPadded(std::int32_t value, int precision);

// As tryStrToInt, but a text that does not convert throws ConvertError naming the text.
std::int32_t strToInt(std::string_view text);

}  // namespace rorovovo::rhythm
