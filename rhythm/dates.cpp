#include "rhythm/dates.h"

#include <cmath>
#include <cstdint>

#include "core/errors.h"
#include "rhythm/convert.h"

namespace rorovovo::rhythm {

namespace {

// Day 0 of the date values is this many days after 31 December of year 0 (proleptic Gregorian).
constexpr int DayZeroOffset = 693594;
constexpr int DaysPer400Years = 146097;
constexpr int DaysPer100Years = 36524;
constexpr int DaysPer4Years = 1461;

constexpr int MonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace

bool isLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int daysInMonth(int year, int month) {
    if (month < 1 || month > 12) return 0;
    if (month == 2 && isLeapYear(year)) return 29;
    return MonthLengths[month - 1];
}

bool isValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
}

double encodeDate(int year, int month, int day) {
    if (!isValidDate(year, month, day)) throw RangeError();
    int dayOfYear = day;
    for (int m = 1; m < month; ++m) dayOfYear += daysInMonth(year, m);
    const int y = year - 1;
    return y * 365 + y / 4 - y / 100 + y / 400 + dayOfYear - DayZeroOffset;
}

Date decodeDate(double value) {
    // Days before 1 Jan 0001 and after 31 Dec 9999 have no calendar date here.
    if (!(value > -DayZeroOffset && value < 2958466.0)) throw RangeError();
    // Days since 1 January of year 1, that day being 0.
    int n = static_cast<int>(std::trunc(value)) + DayZeroOffset - 1;
    int year = 1;
    year += n / DaysPer400Years * 400;
    n %= DaysPer400Years;
    int centuries = n / DaysPer100Years;
    if (centuries == 4) centuries = 3;  // 31 Dec of the 400th year
    year += centuries * 100;
    n -= centuries * DaysPer100Years;
    year += n / DaysPer4Years * 4;
    n %= DaysPer4Years;
    int years = n / 365;
    if (years == 4) years = 3;  // 31 Dec of a leap year
    year += years;
    n -= years * 365;
    int month = 1;
    while (n >= daysInMonth(year, month)) {
        n -= daysInMonth(year, month);
        ++month;
    }
    return {year, month, n + 1};
}

std::optional<double> birthDateValue(std::string_view day, std::string_view month, std::string_view year) {
    const auto d = tryStrToInt(day);
    const auto m = tryStrToInt(month);
    const auto y = tryStrToInt(year);
    if (!d || !m || !y) return std::nullopt;
    for (const std::int32_t v : {*d, *m, *y})
        if (v < 0 || v > 65535) throw RangeError();
    if (!isValidDate(*y, *m, *d)) return std::nullopt;
    return encodeDate(*y, *m, *d);
}

bool checkBirthDate(std::string_view day, std::string_view month, std::string_view year) {
    return birthDateValue(day, month, year).has_value();
}

std::string formatDate(const Date& date) {
    return zeroPadded(date.Day, 2) + "." + zeroPadded(date.Month, 2) + "." + zeroPadded(date.Year, 4);
}

std::string formatDate(double value) { return formatDate(decodeDate(value)); }

std::string isoDate(double value) {
    const Date d = decodeDate(value);
    return zeroPadded(d.Year, 4) + "-" + zeroPadded(d.Month, 2) + "-" + zeroPadded(d.Day, 2);
}

}  // namespace rorovovo::rhythm
