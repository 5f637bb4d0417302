#pragma once

#include "chart/surface.h"

namespace rorovovo::chart {

// The chart's own colours; a rhythm's colour comes from the rhythm table.
constexpr Rgb kRed = 0xFF0000;  // the indicator's rising or falling arrow
constexpr Rgb kSilver = 0xC0C0C0;
constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kBlack = 0x000000;

// The strip's own colours: the design's white chart, or the dark one the user may choose for the screen.
struct ChartColours {
    Rgb background, grid, mark, multipleMark;
    bool dark;
};
inline constexpr ChartColours kLightChart{kWhite, kSilver, kWhite, kBlack, false};
// Grid and today's band at 3:1 and more against the background, as the curves are made to stand.
inline constexpr ChartColours kDarkChart{0x1E1E1E, 0x6E6E6E, 0x1E1E1E, 0xF0F0F0, true};

// WCAG's contrast ratio of two colours, 1 to 21.
double contrastRatio(Rgb a, Rgb b);
// The colour mixed with white step by step, only as far as needed to stand out from the background at the ratio.
Rgb lightenedTo(Rgb colour, Rgb background, double ratio);
// A curve's colour on the chart: as it is on the light chart; on the dark one mixed with white only as far as needed
// for 3:1 against the background.
Rgb onChart(Rgb colour, const ChartColours& chart);

}  // namespace rorovovo::chart
