#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "rhythm/critical.h"

namespace rorovovo::rhythm {

// Reminders of critical days: which ones the desktop should tell of at a given moment, and the calendar of them.
// Every date value is local time; a critical day is a whole date value (see critical.h). All six rhythms count, as
// the command line lists them; the kind is counted by the first three as always.

// Bit n stands for CriticalKind n; None has no bit.
using KindSet = std::uint8_t;
constexpr KindSet kindBit(CriticalKind kind) { return static_cast<KindSet>(1u << static_cast<int>(kind)); }

// How many days before a critical day the user can be told: the same day, 1, 2, 3 or 7 days before.
inline constexpr int ReminderLeads[] = {0, 1, 2, 3, 7};

struct ReminderOptions {
    int LeadDays = 1;
    KindSet Kinds = kindBit(CriticalKind::Double) | kindBit(CriticalKind::Triple);
    int MinuteOfDay = 8 * 60;  // the time of day, in minutes after midnight, at which a day's reminders fall due
};

struct RemindedPerson {
    std::string Name;  // UTF-8, as stored
    double Birth;      // date value
};

struct Reminder {
    std::size_t Person;  // position in the list of people
    CriticalDay Day;
    int DaysAway;     // from today to the critical day, 0 up to the lead
    std::string Key;  // the same person, day and lead always give the same key
};

// The reminders due at `now` that `shown` does not hold yet, by person, then date. The reminder of a critical day
// falls due `LeadDays` days before it at the chosen time and stays due until the day is over, so a check that runs
// late (the computer was off) still tells of it. `anyTimeToday` makes today's reminders due before the chosen time
// too: a check at login may be the only one of the day.
std::vector<Reminder> dueReminders(const std::vector<RemindedPerson>& people, double now,
                                   const ReminderOptions& options, bool anyTimeToday,
                                   const std::set<std::string>& shown);

// "YYYY-MM-DD|lead|DD.MM.YYYY|name": the critical day first, so that old keys are found without parsing the rest.
std::string reminderKey(const RemindedPerson& person, double day, int leadDays);
// Drops the keys of critical days before `today` (a date value): they can never be due again.
void forgetPastReminders(std::set<std::string>& shown, double today);

// "Tomorrow: double critical day", "Today: ...", "In 3 days: ...".
std::string reminderSummary(const Reminder& reminder);
// "Ann Smith, Saturday 16.03.2024: Physical, Emotional"; an empty name gives the birth date instead.
std::string reminderBody(const Reminder& reminder, const RemindedPerson& person);

// One iCalendar file of the critical days of the chosen kinds of every person over 365 days from `today`: the
// events of the critical-days export, each with an alarm at the chosen time and lead. `stampUtc` as there.
std::string remindersCalendar(const std::vector<RemindedPerson>& people, double today, const ReminderOptions& options,
                              double stampUtc);

}  // namespace rorovovo::rhythm
