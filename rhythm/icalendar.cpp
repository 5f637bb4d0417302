#include "rhythm/icalendar.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "core/marked_text.h"
#include "rhythm/dates.h"

namespace rorovovo::rhythm {

namespace {

std::string basicDate(double value) {
    const Date d = decodeDate(value);
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", d.Year, d.Month, d.Day);
    return text;
}

std::string basicDateTimeUtc(double value) {
    const double day = std::floor(value);
    const int seconds = std::min(86399, static_cast<int>(std::lround((value - day) * 86400)));
    char text[16];
    std::snprintf(text, sizeof text, "T%02d%02d%02dZ", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return basicDate(day) + text;
}

// TEXT values escape backslash, semicolon, comma and line breaks.
std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\' || c == ';' || c == ',') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c != '\r') {
            out += c;
        }
    }
    return out;
}

// Appends one content line, folded so that no line exceeds 75 octets and no UTF-8 character is split.
void appendLine(std::string& out, std::string_view line) {
    std::size_t limit = 75;
    while (line.size() > limit) {
        std::size_t cut = limit;
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
        out.append(line.substr(0, cut));
        out += "\r\n ";
        line.remove_prefix(cut);
        limit = 74;  // the leading blank of a continuation line counts
    }
    out.append(line);
    out += "\r\n";
}

std::uint64_t fnv1a(std::string_view text, std::uint64_t hash = 14695981039346656037ull) {
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

// A DURATION relative to the start of an all-day event, which is the day's midnight: "-PT16H", "PT8H30M", "-P6DT16H".
std::string duration(int minutes) {
    std::string text = minutes < 0 ? "-P" : "P";
    const int m = std::abs(minutes);
    if (m >= 1440) text += std::to_string(m / 1440) + "D";
    if (m % 1440 != 0 || m == 0) {
        text += "T";
        if (m % 1440 / 60 != 0) text += std::to_string(m % 1440 / 60) + "H";
        if (m % 60 != 0 || m == 0) text += std::to_string(m % 60) + "M";
    }
    return text;
}

}  // namespace

std::string rhythmNames(RhythmSet rhythms) {
    std::string names;
    for (const Rhythm& r : Rhythms) {
        if (!(rhythms & (1u << (r.Number - 1)))) continue;
        if (!names.empty()) names += ", ";
        names += r.Name;
    }
    return names;
}

std::string criticalDaySummary(const CriticalDay& day, std::string_view name) {
    std::string names;
    for (const Rhythm& r : Rhythms) {
        if (!(day.Rhythms & (1u << (r.Number - 1)))) continue;
        if (!names.empty()) names += core::translatedText("DayReading", ", ");
        names += core::translatedText("Rhythm", std::string(r.Name).c_str());
    }
    const std::string summary = core::filled(
        core::translatedText(
            "Calendar", day.Kind == CriticalKind::Triple   ? QT_TRANSLATE_NOOP("Calendar", "Triple critical day: %1")
                        : day.Kind == CriticalKind::Double ? QT_TRANSLATE_NOOP("Calendar", "Double critical day: %1")
                                                           : QT_TRANSLATE_NOOP("Calendar", "Critical day: %1")),
        {names});
    //: A calendar event's summary, then whose critical day it is.
    return name.empty() ? summary
                        : core::filled(core::translatedText("Calendar", QT_TRANSLATE_NOOP("Calendar", "%1 (%2)")),
                                       {summary, name});
}

std::string criticalDaysCalendar(const std::vector<CriticalDay>& days, std::string_view name, double birth,
                                 double stampUtc) {
    return criticalDaysCalendar({{std::string(name), birth, days}}, stampUtc, nullptr);
}

std::string criticalDaysCalendar(const std::vector<CalendarPerson>& people, double stampUtc,
                                 const CalendarAlarm* alarm) {
    const std::string stamp = basicDateTimeUtc(stampUtc);
    std::string trigger;
    if (alarm) trigger = "TRIGGER:" + duration(alarm->MinuteOfDay - alarm->LeadDays * 1440);

    std::string out;
    appendLine(out, "BEGIN:VCALENDAR");
    appendLine(out, "VERSION:2.0");
    appendLine(out, "PRODID:-//Rorovovo//Critical days//EN");
    for (const CalendarPerson& person : people) {
        char key[24];
        std::snprintf(key, sizeof key, "%016llx",
                      static_cast<unsigned long long>(fnv1a(person.Name, fnv1a(basicDate(person.Birth)))));
        for (const CriticalDay& day : person.Days) {
            const std::string date = basicDate(day.Date);
            const std::string summary = escaped(criticalDaySummary(day, person.Name));
            appendLine(out, "BEGIN:VEVENT");
            appendLine(out, "UID:critical-" + date + "-" + key + "@rorovovo");
            appendLine(out, "DTSTAMP:" + stamp);
            appendLine(out, "DTSTART;VALUE=DATE:" + date);
            appendLine(out, "SUMMARY:" + summary);
            if (alarm) {
                appendLine(out, "BEGIN:VALARM");
                appendLine(out, "ACTION:DISPLAY");
                appendLine(out, trigger);
                appendLine(out, "DESCRIPTION:" + summary);
                appendLine(out, "END:VALARM");
            }
            appendLine(out, "END:VEVENT");
        }
    }
    appendLine(out, "END:VCALENDAR");
    return out;
}

std::string stableKey(std::string_view text) {
    char key[24];
    std::snprintf(key, sizeof key, "%016llx", static_cast<unsigned long long>(fnv1a(text)));
    return key;
}

std::string allDayCalendar(const std::vector<AllDayEvent>& events, std::string_view product, double stampUtc) {
    const std::string stamp = basicDateTimeUtc(stampUtc);
    std::string out;
    appendLine(out, "BEGIN:VCALENDAR");
    appendLine(out, "VERSION:2.0");
    appendLine(out, "PRODID:-//Rorovovo//" + std::string(product) + "//EN");
    for (const AllDayEvent& event : events) {
        appendLine(out, "BEGIN:VEVENT");
        appendLine(out, "UID:" + event.Uid);
        appendLine(out, "DTSTAMP:" + stamp);
        appendLine(out, "DTSTART;VALUE=DATE:" + basicDate(event.Date));
        appendLine(out, "SUMMARY:" + escaped(event.Summary));
        appendLine(out, "END:VEVENT");
    }
    appendLine(out, "END:VCALENDAR");
    return out;
}

}  // namespace rorovovo::rhythm
