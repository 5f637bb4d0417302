#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include "platform/rhythm_texts.h"
#include "rhythm/critical.h"

namespace rorovovo::forms {

using platform::criticalKindNote;
using platform::direction;
using platform::joinNames;
using platform::kindName;
using platform::rhythmName;
using platform::rhythmNames;

// What one day of a person's chart reads: each rhythm's percentage (100 sin 2 pi n / P, as the planner has it) with
// its direction, and the rhythms critical that day, for the rhythms on the chart.
struct DayReading {
    QDate date;
    struct Row {
        QString rhythm;
        int percent;
        bool rising;
    };
    QList<Row> rows;       // the rhythms asked for, in the rhythm table's order
    QStringList critical;  // those of them critical that day
};

// The date with its weekday, in the user's short format ("Fri 15.03.24").
QString dateWithWeekday(const QDate& date);

// The reading of `date` for someone born on `birth` (date values), of the rhythms in `rhythms`.
DayReading readDay(double birth, double date, rhythm::RhythmSet rhythms);

// The reading as a few lines: the date with its weekday in the user's short format, a line per rhythm
// ("Physical 43 % rising") and the critical rhythms, if any.
QString dayReadingText(const DayReading& reading);

}  // namespace rorovovo::forms
