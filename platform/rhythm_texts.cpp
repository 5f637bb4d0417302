#include "platform/rhythm_texts.h"

#include <QCoreApplication>
#include <QStringList>

#include "core/qt_text.h"

namespace rorovovo::platform {

QString rhythmName(const rhythm::Rhythm& r) { return core::translated("Rhythm", r.Name); }

QString rhythmNames(rhythm::RhythmSet set) {
    QStringList names;
    for (const rhythm::Rhythm& r : rhythm::Rhythms)
        if (set & (1u << (r.Number - 1))) names << rhythmName(r);
    return joinNames(names);
}

QString joinNames(const QStringList& names) {
    return names.join(QCoreApplication::translate("DayReading", ", ", "between names"));
}

QString direction(bool rising) {
    return rising ? QCoreApplication::translate("DayReading", "rising")
                  : QCoreApplication::translate("DayReading", "falling");
}

QString kindName(rhythm::CriticalKind kind) { return core::translated("CriticalKind", rhythm::criticalKindName(kind)); }

QString criticalKindNote() {
    static_assert(rhythm::CountedRhythmCount == 3);
    return QCoreApplication::translate("DayReading", "Only %1, %2 and %3 make a day double or triple.")
        .arg(rhythmName(rhythm::Rhythms[0]), rhythmName(rhythm::Rhythms[1]), rhythmName(rhythm::Rhythms[2]));
}

}  // namespace rorovovo::platform
