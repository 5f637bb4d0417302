#pragma once

#include <QString>

#include "rhythm/critical.h"
#include "rhythm/rhythms.h"

namespace rorovovo::platform {

// The texts of the rhythm library in the language the program speaks: a rhythm's name, the names of a set in table
// order joined by ", ", a critical day's kind ("single", "double", "triple"), and which rhythms make a day double or
// triple.
QString rhythmName(const rhythm::Rhythm& r);
QString rhythmNames(rhythm::RhythmSet set);
QString kindName(rhythm::CriticalKind kind);
QString criticalKindNote();

}  // namespace rorovovo::platform
