#include "rhythm/reminders.h"

#include <cmath>
#include <cstdio>

#include "rhythm/dates.h"
#include "rhythm/icalendar.h"

namespace rorovovo::rhythm {

namespace {

constexpr ShownRhythms kAllRhythms = {true, true, true, true, true, true};

// The critical days of the chosen kinds among `days` days from `first`.
std::vector<CriticalDay> chosenDays(const RemindedPerson& person, double first, int days, KindSet kinds) {
    std::vector<CriticalDay> list = criticalDays(person.Birth, first, days, kAllRhythms);
    std::vector<CriticalDay> kept;
    for (const CriticalDay& day : list)
        if (kinds & kindBit(day.Kind)) kept.push_back(day);
    return kept;
}

}  // namespace

std::string reminderKey(const RemindedPerson& person, double day, int leadDays) {
    return isoDate(day) + "|" + std::to_string(leadDays) + "|" + formatDate(person.Birth) + "|" + person.Name;
}

void forgetPastReminders(std::set<std::string>& shown, double today) {
    // ISO dates sort as the days do.
    const std::string first = isoDate(std::floor(today));
    shown.erase(shown.begin(), shown.lower_bound(first));
}

std::vector<Reminder> dueReminders(const std::vector<RemindedPerson>& people, double now,
                                   const ReminderOptions& options, bool anyTimeToday,
                                   const std::set<std::string>& shown) {
    const double today = std::floor(now);
    const bool timeReached = anyTimeToday || std::lround((now - today) * 1440) >= options.MinuteOfDay;
    // Today's reminders are those of the day `LeadDays` ahead; the days before it fell due on earlier days.
    const int days = options.LeadDays + (timeReached ? 1 : 0);
    std::vector<Reminder> due;
    for (std::size_t i = 0; i < people.size(); ++i)
        for (const CriticalDay& day : chosenDays(people[i], today, days, options.Kinds)) {
            std::string key = reminderKey(people[i], day.Date, options.LeadDays);
            if (shown.count(key)) continue;
            due.push_back({i, day, static_cast<int>(day.Date - today), std::move(key)});
        }
    return due;
}

std::string reminderSummary(const Reminder& reminder) {
    const std::string when = reminder.DaysAway == 0   ? "Today"
                             : reminder.DaysAway == 1 ? "Tomorrow"
                                                      : "In " + std::to_string(reminder.DaysAway) + " days";
    return when + ": " + std::string(criticalKindName(reminder.Day.Kind)) + " critical day";
}

std::string reminderBody(const Reminder& reminder, const RemindedPerson& person) {
    // Day 0 of the date values, 30 December 1899, was a Saturday.
    static const char* const weekdays[] = {"Saturday",  "Sunday",   "Monday", "Tuesday",
                                           "Wednesday", "Thursday", "Friday"};
    const long long n = static_cast<long long>(std::floor(reminder.Day.Date));
    const std::string who = person.Name.empty() ? "Born " + formatDate(person.Birth) : person.Name;
    return who + ", " + weekdays[(n % 7 + 7) % 7] + " " + formatDate(reminder.Day.Date) + ": " +
           rhythmNames(reminder.Day.Rhythms);
}

std::string remindersCalendar(const std::vector<RemindedPerson>& people, double today, const ReminderOptions& options,
                              double stampUtc) {
    std::vector<CalendarPerson> list;
    list.reserve(people.size());
    for (const RemindedPerson& person : people)
        list.push_back({person.Name, person.Birth, chosenDays(person, std::floor(today), 365, options.Kinds)});
    const CalendarAlarm alarm{options.LeadDays, options.MinuteOfDay};
    return criticalDaysCalendar(list, stampUtc, &alarm);
}

}  // namespace rorovovo::rhythm
