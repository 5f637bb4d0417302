#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rhythm/critical.h"

namespace rorovovo::rhythm {

// The critical days as an iCalendar file (RFC 5545): one all-day event a day, lines ended by CRLF and folded at
// 75 octets. `name` is the person's name as typed (UTF-8, may be empty); `birth` a date value; `stampUtc` the
// moment of the export as a date value in UTC. An event's UID depends only on the person and the day, so a
// calendar that imports a second export updates its events instead of doubling them.
std::string criticalDaysCalendar(const std::vector<CriticalDay>& days, std::string_view name, double birth,
                                 double stampUtc);

// The same for several people in one file, each event with an alarm when `alarm` is given: `LeadDays` days before
// the day at `MinuteOfDay` minutes after midnight, in the calendar's own time zone.
struct CalendarAlarm {
    int LeadDays;
    int MinuteOfDay;
};
struct CalendarPerson {
    std::string Name;
    double Birth;
    std::vector<CriticalDay> Days;
};
std::string criticalDaysCalendar(const std::vector<CalendarPerson>& people, double stampUtc,
                                 const CalendarAlarm* alarm);

// "Double critical day: Physical, Emotional (Ada Lovelace)"; without a name the brackets are left out.
std::string criticalDaySummary(const CriticalDay& day, std::string_view name);

// The names of the rhythms in the set, in table order, joined by ", ".
std::string rhythmNames(RhythmSet rhythms);

// One all-day event of an export; the summary is plain UTF-8 text.
struct AllDayEvent {
    std::string Uid;
    double Date;  // whole date value
    std::string Summary;
};

// Events in the form of the critical-days export; `product` goes into PRODID ("-//Rorovovo//<product>//EN").
std::string allDayCalendar(const std::vector<AllDayEvent>& events, std::string_view product, double stampUtc);

// 16 hexadecimal digits that depend only on the text: the part of a UID that names a person or a group.
std::string stableKey(std::string_view text);

}  // namespace rorovovo::rhythm
