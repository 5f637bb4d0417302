#include "forms/day_reading.h"

#include <QLocale>

#include "core/qt_text.h"
#include "platform/clock.h"
#include "rhythm/planner.h"

namespace rorovovo::forms {

DayReading readDay(double birth, double date, rhythm::RhythmSet rhythms) {
    const rhythm::MemberDay day = rhythm::memberDay(birth, date);
    DayReading reading{platform::toQDate(date), {}, {}};
    for (const rhythm::Rhythm& r : rhythm::Rhythms) {
        const std::size_t i = std::size_t(r.Number - 1);
        if (!(rhythms & (1u << i))) continue;
        reading.rows.push_back({core::qstr(r.Name), day.Percent[i], day.Rising[i]});
        if (day.Critical & (1u << i)) reading.critical << core::qstr(r.Name);
    }
    return reading;
}

QString dayReadingText(const DayReading& reading) {
    const QLocale locale;
    QStringList lines{locale.toString(reading.date, QStringLiteral("ddd ")) +
                      locale.toString(reading.date, QLocale::ShortFormat)};
    for (const DayReading::Row& row : reading.rows)
        lines << QStringLiteral("%1 %2 % %3")
                     .arg(row.rhythm)
                     .arg(row.percent)
                     .arg(row.rising ? QStringLiteral("rising") : QStringLiteral("falling"));
    if (!reading.critical.isEmpty())
        lines << QStringLiteral("Critical: %1").arg(reading.critical.join(QStringLiteral(", ")));
    return lines.join(QLatin1Char('\n'));
}

}  // namespace rorovovo::forms
