#pragma once

#include <QString>
#include <array>

#include "rhythm/rhythms.h"

namespace rorovovo::forms {

// The person whose chart was drawn last, as the main window hands it to the other windows and to its indicators.
struct DrawnPerson {
    QString name;          // as the name box held it, without blanks at the ends
    double birthDate = 0;  // date value
    int daysLived = 0;     // whole days from the birth date to the moment of the draw
    // The day of each base rhythm's cycle as its day box shows it: today's for the rhythms drawn, the one shown
    // before for the others.
    std::array<int, rhythm::BaseRhythmCount> cycleDays{};
};

}  // namespace rorovovo::forms
