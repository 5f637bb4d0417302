#include "forms/day_reading.h"

#include <QLocale>

#include "core/qt_text.h"
#include "platform/clock.h"
#include "platform/rhythm_texts.h"
#include "rhythm/planner.h"

namespace rorovovo::forms {

DayReading readDay(double birth, double date, rhythm::RhythmSet rhythms) {
    const rhythm::MemberDay day = rhythm::memberDay(birth, date);
    DayReading reading{platform::toQDate(date), {}, {}};
    for (const rhythm::Rhythm& r : rhythm::Rhythms) {
        const std::size_t i = std::size_t(r.Number - 1);
        if (!(rhythms & (1u << i))) continue;
        reading.rows.push_back({rhythmName(r), day.Percent[i], day.Rising[i]});
        if (day.Critical & (1u << i)) reading.critical << rhythmName(r);
    }
    return reading;
}

QString dateWithWeekday(const QDate& date) {
    const QLocale locale;
    return locale.toString(date, QStringLiteral("ddd ")) + locale.toString(date, QLocale::ShortFormat);
}

QString dayReadingText(const DayReading& reading) {
    QStringList lines{dateWithWeekday(reading.date)};
    for (const DayReading::Row& row : reading.rows)
        //: A rhythm, its percentage and which way it goes: "Physical 87 % rising".
        lines << QCoreApplication::translate("DayReading", "%1 %2 % %3")
                     .arg(row.rhythm)
                     .arg(row.percent)
                     .arg(direction(row.rising));
    if (!reading.critical.isEmpty())
        lines << QCoreApplication::translate("DayReading", "Critical: %1").arg(joinNames(reading.critical));
    return lines.join(QLatin1Char('\n'));
}

}  // namespace rorovovo::forms
