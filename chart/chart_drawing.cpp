#include "chart/chart_drawing.h"

#include <string>

#include "chart/colors.h"
#include "chart/strip_geometry.h"
#include "core/errors.h"
#include "rhythm/rhythms.h"

namespace rorovovo::chart {

void drawChartFrame(Surface& s, int todayX, int controlWidth, int controlHeight, const ChartColours& colours) {
    const int height = s.height();
    const int axisY = height / 2;

    s.setPenColor(colours.grid);
    s.setBrushStyle(BrushStyle::Solid);
    s.setBrushColor(colours.background);
    s.fillRect(0, 0, s.width(), height);

    s.moveTo(0, axisY);
    s.lineTo(controlWidth, axisY);

    for (int x = 0; x <= controlWidth; x += Strip.DayWidth) {
        s.moveTo(x, 0);
        s.lineTo(x, controlHeight);
    }

    // Together with the grid lines at either side this paints today's whole column.
    for (int i = 1; i < Strip.DayWidth; ++i) {
        s.moveTo(todayX + i, height);
        s.lineTo(todayX + i, -1);
    }

    s.setFontColor(colours.mark);
    s.setBrushStyle(BrushStyle::Clear);
    s.textOut(todayX + 2, height - 16, "o");
}

void drawRhythmCurve(Surface& s, int period, int offset, int chartHeight, int arcTop, int controlWidth) {
    // Bounds keep every coordinate below well inside int.
    if (period < 1 || period > 100000) throw AppError("Rhythm period " + std::to_string(period) + " is out of range");
    if (offset < 0 || offset >= period)
        throw AppError("Cycle day " + std::to_string(offset) + " is outside a cycle of " + std::to_string(period) +
                       " days");
    if (chartHeight < 1 || chartHeight > 100000)
        throw AppError("Chart height " + std::to_string(chartHeight) + " is out of range");

    const int h = chartHeight;
    const int y0 = h / 2;
    // 88 % of the period widens each ellipse so that it crosses the axis at the ends of its half cycle.
    const int m = (88 * period) / 100;
    const int w = Strip.DayWidth / 2 * period;
    int a = -Strip.DayWidth * offset;
    int b = 0;
    do {
        b = a + w;
        s.arc(a - m, arcTop, b + m, 3 * h, b, y0, a, y0);
        a = b;
        b = a + w;
        s.arc(a - m, arcTop - 2 * h, b + m, h, a, y0, b, y0);
        a += w;
    } while (b <= controlWidth);
}

void drawPairChart(Surface& s, int todayX, int controlWidth, int controlHeight, const BaseOffsets& first,
                   const BaseOffsets& second, const ChartColours& colours) {
    s.setPenStyle(PenStyle::Solid);
    drawChartFrame(s, todayX, controlWidth, controlHeight, colours);
    for (int i = 0; i < rhythm::BaseRhythmCount; ++i) {
        const rhythm::Rhythm& r = rhythm::Rhythms[i];
        s.setPenColor(onChart(rhythm::colourOf(r), colours));
        s.setPenStyle(PenStyle::Solid);
        drawRhythmCurve(s, r.Period, first[i], controlHeight, 0, controlWidth);
        s.setPenStyle(PenStyle::Dash);
        drawRhythmCurve(s, r.Period, second[i], controlHeight, 0, controlWidth);
    }
}

namespace {

// A filled triangle of four rows, apex at (x, apexY), widening away from the axis in `direction` (+1 down).
void triangle(Surface& s, int x, int apexY, int direction) {
    for (int row = 0; row < 4; ++row) {
        const int y = apexY + direction * row;
        s.moveTo(x - row, y);
        s.lineTo(x + row + 1, y);
    }
}

}  // namespace

void drawCriticalMark(Surface& s, int column, const std::vector<Rgb>& colours, bool multiple,
                      const ChartColours& chart) {
    const int axisY = s.height() / 2;
    const int x = Strip.DayWidth * column + Strip.DayWidth / 2;
    s.setPenStyle(PenStyle::Solid);
    int stacked = 0;
    for (const Rgb colour : colours) {
        s.setPenColor(onChart(colour, chart));
        triangle(s, x, axisY + 2 + 5 * stacked++, +1);
    }
    if (multiple) {
        s.setPenColor(chart.multipleMark);
        triangle(s, x, axisY - 2, -1);
    }
}

}  // namespace rorovovo::chart
