#include "rhythm/critical.h"

#include <array>
#include <cmath>
#include <numeric>

#include "core/errors.h"
#include "core/marked_text.h"
#include "rhythm/dates.h"
#include "rhythm/daycount.h"

namespace rorovovo::rhythm {

namespace {

constexpr RhythmSet bit(const Rhythm& r) { return static_cast<RhythmSet>(1u << (r.Number - 1)); }

constexpr RhythmSet countedMask() {
    RhythmSet mask = 0;
    for (int i = 0; i < CountedRhythmCount; ++i) mask = static_cast<RhythmSet>(mask | (1u << i));
    return mask;
}

// The triple critical day counts within one full cycle of the counted rhythms, ascending; 0 is always among them.
struct TripleCycle {
    int Length = 1;
    std::vector<int> Counts;
};

const TripleCycle& tripleCycle() {
    static const TripleCycle cycle = [] {
        TripleCycle c;
        for (int i = 0; i < CountedRhythmCount; ++i) c.Length = std::lcm(c.Length, Rhythms[i].Period);
        // Only the two crossing days of the longest counted rhythm can be triple, so step through those.
        const int step = Rhythms[CountedRhythmCount - 1].Period;
        for (int base = 0; base < c.Length; base += step)
            for (int n : {base, base + step / 2}) {
                if ((criticalRhythms(n) & countedMask()) == countedMask()) c.Counts.push_back(n);
            }
        return c;
    }();
    return cycle;
}

double wholeDay(double value) {
    decodeDate(value);  // throws RangeError outside the calendar
    return std::floor(value);
}

}  // namespace

std::string_view criticalKindName(CriticalKind kind) {
    switch (kind) {
        case CriticalKind::Single:
            return QT_TRANSLATE_NOOP("CriticalKind", "single");
        case CriticalKind::Double:
            return QT_TRANSLATE_NOOP("CriticalKind", "double");
        case CriticalKind::Triple:
            return QT_TRANSLATE_NOOP("CriticalKind", "triple");
        case CriticalKind::None:
            break;
    }
    return {};
}

std::string criticalKindNote() {
    std::string names;
    for (int i = 0; i < CountedRhythmCount; ++i) {
        if (i > 0) names += i + 1 < CountedRhythmCount ? ", " : " and ";
        names += Rhythms[static_cast<std::size_t>(i)].Name;
    }
    return "Only " + names + " make a day double or triple.";
}

bool isCriticalCycleDay(int daysLived, int period) {
    const int c = cycleDay(daysLived, period);
    return c == 0 || c == period / 2;
}

RhythmSet criticalRhythms(int daysLived) {
    RhythmSet set = 0;
    for (const Rhythm& r : Rhythms) {
        const int c = (daysLived % r.Period + r.Period) % r.Period;
        if (c == 0 || c == r.Period / 2) set = static_cast<RhythmSet>(set | bit(r));
    }
    return set;
}

CriticalKind criticalKind(RhythmSet rhythms) {
    if (rhythms == 0) return CriticalKind::None;
    int counted = 0;
    for (int i = 0; i < CountedRhythmCount; ++i) counted += (rhythms >> i) & 1;
    if (counted == 3) return CriticalKind::Triple;
    return counted == 2 ? CriticalKind::Double : CriticalKind::Single;
}

std::vector<CriticalDay> criticalDays(double birth, double from, int days, const ShownRhythms& shown) {
    std::vector<CriticalDay> list;
    if (days <= 0) return list;
    const double first = wholeDay(from);
    wholeDay(first + days - 1);
    const double start = std::floor(birth);
    RhythmSet listed = 0;
    for (const Rhythm& r : Rhythms)
        if (shown[static_cast<std::size_t>(r.Number - 1)]) listed = static_cast<RhythmSet>(listed | bit(r));

    // The cycle days step along with the date instead of being divided out afresh each day; before a birth date in
    // the future they step back until the birth day, then forward.
    int n = daysLived(start, first);
    int step = first < start ? -1 : 1;
    std::array<int, Rhythms.size()> cycle{};
    for (std::size_t i = 0; i < Rhythms.size(); ++i) cycle[i] = n % Rhythms[i].Period;
    list.reserve(static_cast<std::size_t>(days) / 2);
    for (int day = 0; day < days; ++day) {
        RhythmSet set = 0;
        for (std::size_t i = 0; i < Rhythms.size(); ++i)
            if (cycle[i] == 0 || cycle[i] == Rhythms[i].Period / 2) set = static_cast<RhythmSet>(set | (1u << i));
        set = static_cast<RhythmSet>(set & listed);
        if (set != 0) list.push_back({first + day, set, criticalKind(set)});
        if (n == 0) step = 1;
        n += step;
        for (std::size_t i = 0; i < Rhythms.size(); ++i) {
            cycle[i] += step;
            if (cycle[i] == Rhythms[i].Period) cycle[i] = 0;
            if (cycle[i] < 0) cycle[i] = Rhythms[i].Period - 1;
        }
    }
    return list;
}

double nextTripleCriticalDay(double birth, double from) {
    const TripleCycle& cycle = tripleCycle();
    const double first = wholeDay(from);
    const double start = std::floor(birth);
    const int n0 = daysLived(start, first);
    const int turns = n0 / cycle.Length;
    const int rest = n0 % cycle.Length;
    double day = 0;
    if (first >= start) {
        // The count grows with the date: the smallest triple count at or after n0.
        long long n = static_cast<long long>(turns + 1) * cycle.Length + cycle.Counts.front();
        for (int c : cycle.Counts)
            if (c >= rest) {
                n = static_cast<long long>(turns) * cycle.Length + c;
                break;
            }
        day = start + static_cast<double>(n);
    } else {
        // Before a birth date in the future the count shrinks towards 0, itself triple: the largest one up to n0.
        int best = 0;
        for (int c : cycle.Counts)
            if (c <= rest) best = c;
        day = start - (static_cast<double>(turns) * cycle.Length + best);
    }
    return wholeDay(day);
}

}  // namespace rorovovo::rhythm
