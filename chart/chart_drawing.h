#pragma once

#include <array>
#include <vector>

#include "chart/colors.h"
#include "chart/surface.h"

namespace rorovovo::chart {

// Repaints the whole chart: white background, silver axis, day grid and today's band, and the white "o" mark (or
// the dark chart's colours). Leaves the pen in the grid's colour (its style untouched) and the brush clear.
void drawChartFrame(Surface& s, int todayX, int controlWidth, int controlHeight,
                    const ChartColours& colours = kLightChart);

// One rhythm as a chain of crest and trough arcs over the whole width, in the pen the caller set.
// offset is the cycle day at the left edge (0..period-1); chartHeight the vertical scale, arcTop the crests' top.
// Throws AppError for a period below 1 or an offset outside the cycle.
void drawRhythmCurve(Surface& s, int period, int offset, int chartHeight, int arcTop, int controlWidth);

// Two people over the same days: the frame, then each base rhythm in its colour, the first person's curve solid
// and the second's dashed. The offsets are each person's cycle days at the left edge, base rhythms in table order.
using BaseOffsets = std::array<int, 4>;
void drawPairChart(Surface& s, int todayX, int controlWidth, int controlHeight, const BaseOffsets& first,
                   const BaseOffsets& second, const ChartColours& colours = kLightChart);
// Marks a critical day in the 10-pixel day column `column`: under the axis, a small triangle pointing up in each of
// `colours` (stacked, the first nearest the axis); over it, a black one pointing down when `multiple` (a double or
// triple day).
// (The multiple mark is in the chart's multipleMark colour, black on the light chart.)
void drawCriticalMark(Surface& s, int column, const std::vector<Rgb>& colours, bool multiple,
                      const ChartColours& chart = kLightChart);

}  // namespace rorovovo::chart
