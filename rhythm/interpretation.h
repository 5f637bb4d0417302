#pragma once

#include <array>
#include <string_view>

#include "core/marked_text.h"

namespace rorovovo::rhythm {

// One run of consecutive cycle days sharing a text.
struct InterpretationRow {
    int FirstDay;
    int LastDay;
    std::string_view Text;
};

// Rows cover each cycle day from 0 to period - 1 exactly once, in order.
extern const std::array<InterpretationRow, 12> PhysicalInterpretation;      // period 23
extern const std::array<InterpretationRow, 15> EmotionalInterpretation;     // period 28
extern const std::array<InterpretationRow, 14> IntellectualInterpretation;  // period 33

// Text for a day in cycle. The day one past the cycle's end reads as day 0 (a new cycle begins); any other day
// outside the cycle gives the empty text.
std::string_view physicalText(int day);
std::string_view emotionalText(int day);
std::string_view intellectualText(int day);

inline constexpr std::string_view BirthdayGreeting = QT_TRANSLATE_NOOP("Interpretation", "By the way: HAPPY BIRTHDAY!");

// True when now falls on the birthday: same day and month, any year and time of day. Someone born on 29 February
// celebrates on 28 February in common years. Date values outside the calendar throw RangeError.
bool isBirthday(double birthDate, double now);

}  // namespace rorovovo::rhythm
