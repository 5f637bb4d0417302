#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "rhythm/critical.h"

namespace rorovovo::rhythm {

// Planning days for a group of people. Dates are whole date values (a time of day is dropped); a member's day count
// on a date is that of the critical days, |date - birth| in whole days. A rhythm of period P has the value
// sin(2 pi n / P) on a day with count n.

// 100 sin(2 pi n / P) rounded half away from zero: -100..100. A negative count or a period below 1 throws RangeError.
int rhythmPercent(int daysLived, int period);

// A member's score on a day with this count: the mean of the unrounded 100 sin(2 pi n / P) over the rhythms marked
// in `rhythms`; 0 when none is marked.
double memberScore(int daysLived, const ShownRhythms& rhythms);

// One member on one date, for every rhythm of the table (index 0 for rhythm 1).
struct MemberDay {
    std::array<int, 6> Percent;
    std::array<bool, 6> Rising;  // the value on the next date is higher
    RhythmSet Critical;          // every rhythm of the table that is critical
};
MemberDay memberDay(double birth, double date);

struct PlanMember {
    std::string Name;  // UTF-8, may be empty
    double Birth;      // date value
};

// Every day of a span for a group: per member and day the critical rhythms among the planner's, per day the group's
// score (the lowest member score, rounded half away from zero; 0 without members) and whether the day is clear
// (nobody has a critical day in the planner's rhythms).
struct PlanTable {
    double From = 0;  // first day
    int Days = 0;
    int Members = 0;
    ShownRhythms Rhythms{};
    std::vector<RhythmSet> Critical;  // member-major: Critical[member * Days + day]
    std::vector<int> Score;           // per day
    std::vector<std::uint8_t> Clear;  // per day, 1 for a clear day

    RhythmSet critical(int member, int day) const {
        return Critical[std::size_t(member) * std::size_t(Days) + std::size_t(day)];
    }
    // The kind counts only the planner's rhythms, as the critical-days list counts only the listed ones.
    CriticalKind kind(int member, int day) const { return criticalKind(critical(member, day)); }
};

// The table of `days` days from `from` for these birth dates. Fewer than one day, or a span that leaves the calendar
// (before 1 January 1 or after 31 December 9999), throws RangeError.
PlanTable planTable(const std::vector<double>& births, double from, int days, const ShownRhythms& rhythms);

struct RankedDay {
    double Date;
    int Score;
};

// The best days: the clear days by group score from high to low, ties earlier first. The worst days: every day by
// group score from low to high, ties earlier first. At most `count` of each.
std::vector<RankedDay> bestDays(const PlanTable& table, std::size_t count);
std::vector<RankedDay> worstDays(const PlanTable& table, std::size_t count);

// The table as CSV (RFC 4180, CRLF, UTF-8): a head line, then one line per member and day, members in order, each
// member's days in date order: name, birth date, date (ISO 8601), each planner rhythm's percentage, the critical
// rhythms ("Physical, Emotional") and the kind ("single", "double", "triple" or empty).
std::string planCsv(const PlanTable& table, const std::vector<PlanMember>& members);

// The best days as an iCalendar file of all-day events, written as the critical-days export writes its days. A UID
// depends only on the day and the members (names and birth dates, in any order), so a calendar that imports a
// second export of the same group updates its events. `group` names the group in the summaries; may be empty.
std::string bestDaysCalendar(const std::vector<RankedDay>& days, const std::vector<PlanMember>& members,
                             const std::string& group, double stampUtc);

}  // namespace rorovovo::rhythm
