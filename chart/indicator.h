#pragma once

#include <string>

#include "chart/surface.h"

namespace rorovovo::chart {

struct PhaseState {
    double pct;    // share of the cycle elapsed, whole percent; 0.7 stands in for 0
    bool goingUp;  // false strictly between 25 % and 75 %
};

// Throws AppError for a period below 1.
PhaseState phaseState(int dayNo, int period);

// Paints the whole surface white (or in `paper`, the window's colour where the white would not show it).
void clearIndicator(Surface& s, Rgb paper = 0xFFFFFF);

// The ring indicator of a rhythm on its cycle day dayNo: base disc, wedge of the elapsed share in color, the
// percentage in textColor on a centre of `paper` and the red rising or falling arrow. Returns the image's hint.
std::string drawPhaseIndicator(Surface& s, int dayNo, int period, Rgb color, Rgb baseDiscColor, Rgb textColor,
                               Rgb paper = 0xFFFFFF);

}  // namespace rorovovo::chart
