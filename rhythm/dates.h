#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/marked_text.h"

namespace rorovovo::rhythm {

// A date value counts days from 30 December 1899 (day 0); the fraction is the time of day.

struct Date {
    int Year;
    int Month;
    int Day;
};

inline bool operator==(const Date& a, const Date& b) {
    return a.Year == b.Year && a.Month == b.Month && a.Day == b.Day;
}
inline bool operator!=(const Date& a, const Date& b) { return !(a == b); }

// Gregorian rule: every fourth year, except centuries not divisible by 400.
bool isLeapYear(int year);

// Length of the month; 0 for a month outside 1..12.
int daysInMonth(int year, int month);

// Year 1..9999, month 1..12, day within the month.
bool isValidDate(int year, int month, int day);

// The date value of a valid date (time of day zero). An invalid date throws RangeError.
double encodeDate(int year, int month, int day);

// The calendar date of a date value. The whole-number part names the day, also for negative values, where the
// fraction is still the time of that day. Values outside 1 Jan 0001 .. 31 Dec 9999 (or not a number) throw
// RangeError.
Date decodeDate(double value);

// A date as DD.MM.YYYY, day and month of two digits and the year of four, as profiles and the program's files
// write it. The date value's day counts (see decodeDate, which throws as it does).
std::string formatDate(const Date& date);
std::string formatDate(double value);
// The same as ISO 8601, YYYY-MM-DD ("2024-03-15").
std::string isoDate(double value);

// Message shown when the three birth-date boxes do not form a date; "\r" breaks the line in the message box.
inline constexpr std::string_view InvalidBirthDateMessage = QT_TRANSLATE_NOOP(
    "Messages", "Sorry, but the 'Birthday Date' you supplied is not a valid Date.\rPlease go back and correct it...");

// Checks the texts of the day, month and year boxes. A text that is not an integer, or numbers that do not form
// a valid date, give false. A number outside 0..65535 is not a typing slip the message covers (only a pasted minus
// sign gets there), so it throws RangeError; day, month and year are range-checked in that order once all three
// have converted.
bool checkBirthDate(std::string_view day, std::string_view month, std::string_view year);

// As checkBirthDate, but gives the date value of a valid date and nothing otherwise. Throws as checkBirthDate.
std::optional<double> birthDateValue(std::string_view day, std::string_view month, std::string_view year);

}  // namespace rorovovo::rhythm
