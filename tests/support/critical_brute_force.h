// The critical days worked out day by day from their definition, independent of the program's search: a day is
// critical for a rhythm of period P when |date - birth| mod P is 0 or P div 2.
#pragma once

#include <QDate>
#include <QStringList>
#include <vector>

struct BruteCriticalDay {
    QDate date;
    QStringList rhythms;  // in table order
    QString kind;         // "single", "double" or "triple"
};

// `listed`: how many rhythms of the table are listed, from the first (3 to 6).
inline std::vector<BruteCriticalDay> bruteForceCriticalDays(QDate birth, QDate from, int days, int listed = 6) {
    static const struct {
        const char* name;
        int period;
    } rhythms[] = {{"Physical", 23},    {"Emotional", 28}, {"Intellectual", 33},
                   {"Intuitional", 38}, {"Spiritual", 53}, {"Aesthetics", 48}};
    std::vector<BruteCriticalDay> list;
    for (QDate d = from; d < from.addDays(days); d = d.addDays(1)) {
        const qint64 lived = qAbs(birth.daysTo(d));
        BruteCriticalDay day{d, {}, {}};
        int counted = 0;
        for (int i = 0; i < listed; ++i) {
            const int c = int(lived % rhythms[i].period);
            if (c != 0 && c != rhythms[i].period / 2) continue;
            day.rhythms << QLatin1String(rhythms[i].name);
            if (i < 3) ++counted;
        }
        if (day.rhythms.isEmpty()) continue;
        day.kind = counted == 3   ? QStringLiteral("triple")
                   : counted == 2 ? QStringLiteral("double")
                                  : QStringLiteral("single");
        list.push_back(day);
    }
    return list;
}

// The first triple critical day on or after `from`, found day by day.
inline QDate bruteForceNextTriple(QDate birth, QDate from) {
    for (QDate d = from;; d = d.addDays(1)) {
        const auto day = bruteForceCriticalDays(birth, d, 1, 3);
        if (!day.empty() && day[0].kind == QLatin1String("triple")) return d;
    }
}
