#include "rhythm/planner.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/errors.h"
#include "core/marked_text.h"
#include "rhythm/dates.h"
#include "rhythm/daycount.h"
#include "rhythm/icalendar.h"

namespace rorovovo::rhythm {

namespace {

constexpr double kTwoPi = 6.283185307179586;

double value(long long daysLived, int period) {
    return 100.0 * std::sin(kTwoPi * static_cast<double>(daysLived % period) / period);
}

double wholeDay(double date) {
    decodeDate(date);  // throws RangeError outside the calendar
    return std::floor(date);
}

// The planner's rhythms in table order, each with its value on every day of its cycle: a day costs a lookup per
// rhythm instead of a sine.
struct Wave {
    int Index;
    int Period;
    std::vector<double> Values;
};

std::vector<Wave> wavesOf(const ShownRhythms& rhythms) {
    std::vector<Wave> waves;
    for (const Rhythm& r : Rhythms) {
        if (!rhythms[std::size_t(r.Number - 1)]) continue;
        Wave w{r.Number - 1, r.Period, std::vector<double>(std::size_t(r.Period))};
        for (int c = 0; c < r.Period; ++c) w.Values[std::size_t(c)] = value(c, r.Period);
        waves.push_back(std::move(w));
    }
    return waves;
}

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

template <class Before>
std::vector<RankedDay> ranked(const PlanTable& table, std::size_t count, bool clearOnly, Before before) {
    std::vector<int> days;
    for (int d = 0; d < table.Days; ++d)
        if (!clearOnly || table.Clear[std::size_t(d)]) days.push_back(d);
    const auto order = [&](int a, int b) {
        const int sa = table.Score[std::size_t(a)], sb = table.Score[std::size_t(b)];
        return sa != sb ? before(sa, sb) : a < b;
    };
    count = std::min(count, days.size());
    std::partial_sort(days.begin(), days.begin() + std::ptrdiff_t(count), days.end(), order);
    std::vector<RankedDay> list;
    list.reserve(count);
    for (std::size_t i = 0; i < count; ++i) list.push_back({table.From + days[i], table.Score[std::size_t(days[i])]});
    return list;
}

}  // namespace

int rhythmPercent(int daysLived, int period) {
    if (daysLived < 0 || period < 1) throw RangeError();
    return static_cast<int>(std::lround(value(daysLived, period)));
}

double memberScore(int daysLived, const ShownRhythms& rhythms) {
    if (daysLived < 0) throw RangeError();
    double sum = 0;
    int count = 0;
    for (const Rhythm& r : Rhythms)
        if (rhythms[std::size_t(r.Number - 1)]) {
            sum += value(daysLived, r.Period);
            ++count;
        }
    return count == 0 ? 0 : sum / count;
}

MemberDay memberDay(double birth, double date) {
    const double day = std::floor(date), start = std::floor(birth);
    const int n = daysLived(start, day), next = daysLived(start, day + 1);
    MemberDay m{};
    for (const Rhythm& r : Rhythms) {
        const auto i = std::size_t(r.Number - 1);
        m.Percent[i] = rhythmPercent(n, r.Period);
        m.Rising[i] = value(next, r.Period) > value(n, r.Period);
    }
    m.Critical = criticalRhythms(n);
    return m;
}

PlanTable planTable(const std::vector<double>& births, double from, int days, const ShownRhythms& rhythms) {
    if (days < 1) throw RangeError();
    PlanTable t;
    t.From = wholeDay(from);
    wholeDay(t.From + days - 1);
    t.Days = days;
    t.Members = static_cast<int>(births.size());
    t.Rhythms = rhythms;
    const auto span = std::size_t(days);
    t.Critical.assign(births.size() * span, 0);
    const std::vector<Wave> waves = wavesOf(rhythms);
    const double scale = waves.empty() ? 0 : 1.0 / static_cast<double>(waves.size());
    std::vector<double> lowest(span, births.empty() ? 0 : HUGE_VAL);
    std::vector<RhythmSet> anyone(span, 0);

    std::vector<int> cycle(waves.size());
    for (std::size_t m = 0; m < births.size(); ++m) {
        // As the critical days do: the cycle days step with the date, back towards a birth day in the future, then on.
        const double start = std::floor(births[m]);
        int n = daysLived(start, t.From);
        int step = t.From < start ? -1 : 1;
        for (std::size_t k = 0; k < waves.size(); ++k) cycle[k] = n % waves[k].Period;
        RhythmSet* row = t.Critical.data() + m * span;
        for (std::size_t d = 0; d < span; ++d) {
            double sum = 0;
            RhythmSet set = 0;
            for (std::size_t k = 0; k < waves.size(); ++k) {
                const int c = cycle[k];
                sum += waves[k].Values[std::size_t(c)];
                if (c == 0 || c == waves[k].Period / 2) set = static_cast<RhythmSet>(set | (1u << waves[k].Index));
            }
            row[d] = set;
            anyone[d] = static_cast<RhythmSet>(anyone[d] | set);
            lowest[d] = std::min(lowest[d], sum * scale);
            if (n == 0) step = 1;
            n += step;
            for (std::size_t k = 0; k < waves.size(); ++k) {
                int& c = cycle[k];
                c += step;
                if (c == waves[k].Period) c = 0;
                if (c < 0) c = waves[k].Period - 1;
            }
        }
    }
    t.Score.resize(span);
    t.Clear.resize(span);
    for (std::size_t d = 0; d < span; ++d) {
        t.Score[d] = static_cast<int>(std::lround(lowest[d]));
        t.Clear[d] = anyone[d] == 0;
    }
    return t;
}

std::vector<RankedDay> bestDays(const PlanTable& table, std::size_t count) {
    return ranked(table, count, true, [](int a, int b) { return a > b; });
}

std::vector<RankedDay> worstDays(const PlanTable& table, std::size_t count) {
    return ranked(table, count, false, [](int a, int b) { return a < b; });
}

std::string planCsv(const PlanTable& table, const std::vector<PlanMember>& members) {
    const auto text = [](const char* marked) { return core::translatedText("Calendar", marked); };
    // The headings a spreadsheet shows; the rows hold names and kinds in the same language.
    std::string out = csvField(text(QT_TRANSLATE_NOOP("Calendar", "Name"))) + "," +
                      csvField(text(QT_TRANSLATE_NOOP("Calendar", "Birth date"))) + "," +
                      csvField(text(QT_TRANSLATE_NOOP("Calendar", "Date")));
    for (const Rhythm& r : Rhythms)
        if (table.Rhythms[std::size_t(r.Number - 1)])
            out += "," + csvField(core::translatedText("Rhythm", std::string(r.Name).c_str()));
    out += "," + csvField(text(QT_TRANSLATE_NOOP("Calendar", "Critical rhythms"))) + "," +
           csvField(text(QT_TRANSLATE_NOOP("Calendar", "Kind"))) + "\r\n";
    for (int m = 0; m < table.Members; ++m) {
        const PlanMember& member = members[std::size_t(m)];
        const std::string head = csvField(member.Name) + "," + isoDate(member.Birth) + ",";
        for (int d = 0; d < table.Days; ++d) {
            const MemberDay day = memberDay(member.Birth, table.From + d);
            out += head + isoDate(table.From + d);
            for (const Rhythm& r : Rhythms)
                if (table.Rhythms[std::size_t(r.Number - 1)])
                    out += "," + std::to_string(day.Percent[std::size_t(r.Number - 1)]);
            std::string names;
            for (const Rhythm& r : Rhythms)
                if (table.critical(m, d) & (1u << (r.Number - 1)))
                    names += (names.empty() ? "" : core::translatedText("DayReading", ", ")) +
                             core::translatedText("Rhythm", std::string(r.Name).c_str());
            out += "," + csvField(names) + ",";
            if (const auto kind = criticalKindName(table.kind(m, d)); !kind.empty())
                out += csvField(core::translatedText("CriticalKind", std::string(kind).c_str()));
            out += "\r\n";
        }
    }
    return out;
}

std::string bestDaysCalendar(const std::vector<RankedDay>& days, const std::vector<PlanMember>& members,
                             const std::string& group, double stampUtc) {
    std::vector<std::string> entries;
    for (const PlanMember& m : members) entries.push_back(m.Name + "|" + isoDate(m.Birth));
    std::sort(entries.begin(), entries.end());
    std::string identity;
    for (const std::string& e : entries) identity += e + "\n";
    const std::string key = stableKey(identity);

    const auto text = [](const char* marked) { return core::translatedText("Calendar", marked); };
    std::string who = group;
    if (who.empty()) {
        for (std::size_t i = 0; i < members.size() && i < 3; ++i)
            who += (i ? core::translatedText("DayReading", ", ") : "") +
                   (members[i].Name.empty()
                        ? core::filled(text(QT_TRANSLATE_NOOP("Calendar", "born %1")), {isoDate(members[i].Birth)})
                        : members[i].Name);
        if (members.size() > 3)
            //: The first three members' names, then how many more the group has.
            who = core::filled(text(QT_TRANSLATE_NOOP("Calendar", "%1 and %2 more")),
                               {who, std::to_string(members.size() - 3)});
    }
    std::vector<AllDayEvent> events;
    for (const RankedDay& day : days) {
        std::string date = isoDate(day.Date);
        date.erase(std::remove(date.begin(), date.end(), '-'), date.end());
        events.push_back({"best-" + date + "-" + key + "@rorovovo", day.Date,
                          core::filled(text(QT_TRANSLATE_NOOP("Calendar", "Best day for %1: group score %2")),
                                       {who, std::to_string(day.Score)})});
    }
    return allDayCalendar(events, "Planner", stampUtc);
}

}  // namespace rorovovo::rhythm
