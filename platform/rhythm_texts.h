#pragma once

#include <QString>
#include <QStringList>

#include "rhythm/critical.h"
#include "rhythm/rhythms.h"

namespace rorovovo::platform {

// The texts of the rhythm library in the language the program speaks: a rhythm's name, the names of a set in table
// order joined by ", ", a critical day's kind ("single", "double", "triple"), and which rhythms make a day double or
// triple.
QString rhythmName(const rhythm::Rhythm& r);
QString rhythmNames(rhythm::RhythmSet set);
// Names joined as a list of rhythms is ("Physical, Emotional"); a rhythm's direction ("rising", "falling").
QString joinNames(const QStringList& names);
QString direction(bool rising);
QString kindName(rhythm::CriticalKind kind);
QString criticalKindNote();

}  // namespace rorovovo::platform
