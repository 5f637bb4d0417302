#include "chart/chart_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "chart/colors.h"
#include "chart/qimage_surface.h"
#include "core/errors.h"
#include "pixels.h"
#include "recording_surface.h"
#include "rhythm/rhythms.h"

namespace rorovovo::chart {
namespace {

using testing::at;
using testing::columnHas;
using testing::countInRect;

constexpr int kTodayX = 600;
constexpr int kWidth = 3513;
constexpr int kHeight = 181;

// The cycle day at the strip's left edge, 60 days before today, for someone with daysLived days.
int leftEdgeOffset(int daysLived, int period) { return ((daysLived - kTodayX / 10) % period + period) % period; }

QImage curveAlone(int period, int offset, PenStyle style = PenStyle::Solid) {
    QImageSurface s(kWidth, kHeight);
    s.setPenColor(kRed);
    s.setPenStyle(style);
    drawRhythmCurve(s, period, offset, kHeight, 0, kWidth);
    return s.image();
}

TEST(ChartFrame, paintsBackgroundAxisGridAndTodaysBandInOrder) {
    RecordingSurface s(kWidth, kHeight);
    drawChartFrame(s, kTodayX, kWidth, kHeight);
    const std::vector<std::string>& c = s.calls;
    ASSERT_GE(c.size(), 6u);
    EXPECT_EQ(c[0], "penColor #C0C0C0");
    EXPECT_EQ(c[1], "brushStyle solid");
    EXPECT_EQ(c[2], "brushColor #FFFFFF");
    EXPECT_EQ(c[3], "fillRect 0 0 3513 181");
    EXPECT_EQ(c[4], "moveTo 0 90");
    EXPECT_EQ(c[5], "lineTo 3513 90");
    const auto grid = std::count_if(c.begin(), c.end(), [](const std::string& l) { return l.rfind("lineTo", 0) == 0; });
    EXPECT_EQ(grid, 1 + 352 + 9);
    EXPECT_EQ(c[6 + 2 * 351], "moveTo 3510 0");
    EXPECT_EQ(c[6 + 2 * 351 + 1], "lineTo 3510 181");
    EXPECT_EQ(c[6 + 2 * 352], "moveTo 601 181");
    EXPECT_EQ(c[6 + 2 * 352 + 1], "lineTo 601 -1");
    ASSERT_EQ(c.size(), 6u + 2 * 352 + 2 * 9 + 3);
    EXPECT_EQ(c[c.size() - 3], "fontColor #FFFFFF");
    EXPECT_EQ(c[c.size() - 2], "brushStyle clear");
    EXPECT_EQ(c.back(), "textOut 602 165 'o'");
    EXPECT_EQ(std::count_if(c.begin(), c.end(), [](const std::string& l) { return l.rfind("penStyle", 0) == 0; }), 0);
}

TEST(ChartFrame, todaysColumnIsSilverWithAWhiteMark_andTheAxisCrossesTheGrid) {
    QImageSurface s(kWidth, kHeight);
    drawChartFrame(s, kTodayX, kWidth, kHeight);
    const QImage& img = s.image();
    for (int y : {0, 50, 90, 140, 180})
        for (int x = 600; x <= 610; ++x) EXPECT_EQ(at(img, x, y), kSilver) << x << "," << y;
    EXPECT_EQ(at(img, 599, 50), kWhite);
    EXPECT_EQ(at(img, 611, 50), kWhite);
    EXPECT_GT(countInRect(img, kWhite, 602, 165, 612, 181), 3);
    EXPECT_EQ(countInRect(img, kWhite, 600, 0, 611, 160), 0);
    for (int x : {0, 10, 1000, 3510}) EXPECT_EQ(at(img, x, 30), kSilver) << x;
    for (int x : {5, 1005, 3512}) {
        EXPECT_EQ(at(img, x, 30), kWhite) << x;
        EXPECT_EQ(at(img, x, 90), kSilver) << x;
        EXPECT_EQ(at(img, x, 89), kWhite) << x;
    }
}

TEST(ChartFrame, repaintsOverAnOldChart_andLeavesTheBrushClear) {
    QImageSurface s(kWidth, kHeight);
    s.setPenColor(kRed);
    drawRhythmCurve(s, 23, 0, kHeight, 0, kWidth);
    drawChartFrame(s, kTodayX, kWidth, kHeight);
    EXPECT_EQ(countInRect(s.image(), kRed, 0, 0, kWidth, kHeight), 0);
    s.ellipse(0, 0, 40, 40);  // a clear brush leaves the inside alone
    EXPECT_EQ(at(s.image(), 25, 25), kWhite);
    EXPECT_EQ(at(s.image(), 20, 0), kSilver);
}

TEST(RhythmCurve, chainsCrestAndTroughArcsPastTheRightEdge) {
    RecordingSurface s(kWidth, kHeight);
    drawRhythmCurve(s, 23, 9, kHeight, 0, kWidth);
    ASSERT_GE(s.calls.size(), 2u);
    EXPECT_EQ(s.calls[0], "arc -110 0 45 543 25 90 -90 90");
    EXPECT_EQ(s.calls[1], "arc 5 -362 160 181 25 90 140 90");
    EXPECT_EQ(s.calls[2], "arc 120 0 275 543 255 90 140 90");
    EXPECT_EQ(s.calls.size() % 2, 0u);
    EXPECT_EQ(s.calls.size(), 32u);  // troughs end at 140, 370, ... 3590: the first past 3513
    EXPECT_EQ(s.calls.back(), "arc 3455 -362 3610 181 3475 90 3590 90");

    // a strip narrower than one cycle still gets a full crest and trough
    RecordingSurface narrow(50, kHeight);
    drawRhythmCurve(narrow, 53, 0, kHeight, 0, 50);
    EXPECT_EQ(narrow.calls.size(), 2u);
    EXPECT_EQ(narrow.calls[0], "arc -46 0 311 543 265 90 0 90");
}

TEST(RhythmCurve, rejectsImpossiblePeriodsAndOffsets) {
    RecordingSurface s(kWidth, kHeight);
    EXPECT_THROW(drawRhythmCurve(s, 0, 0, kHeight, 0, kWidth), AppError);
    EXPECT_THROW(drawRhythmCurve(s, -23, 0, kHeight, 0, kWidth), AppError);
    EXPECT_THROW(drawRhythmCurve(s, 23, 23, kHeight, 0, kWidth), AppError);
    EXPECT_THROW(drawRhythmCurve(s, 23, -1, kHeight, 0, kWidth), AppError);
    EXPECT_THROW(drawRhythmCurve(s, 23, 0, 0, 0, kWidth), AppError);
    EXPECT_TRUE(s.calls.empty());
}

TEST(RhythmCurve, aCycleStartingTodayPeaksAQuarterPeriodLaterOnTheTopRow) {
    const QImage img = curveAlone(23, leftEdgeOffset(0, 23));
    // the crest between 600 and 715 touches row 0 around x = 657.5
    int lo = kWidth, hi = -1;
    for (int x = 600; x < 715; ++x)
        if (at(img, x, 0) == kRed) lo = std::min(lo, x), hi = std::max(hi, x);
    ASSERT_GE(hi, lo);
    EXPECT_NEAR((lo + hi) / 2.0, 657.5, 1.0);
    // and crosses the axis going up at today's column
    EXPECT_GT(countInRect(img, kRed, 599, 88, 602, 93), 0);
}

TEST(RhythmCurve, solidCurvesLeaveNoColumnEmpty_andSpanTheWholeHeight) {
    for (int period : {23, 28, 33, 38, 48, 53}) {
        for (int offset : {0, period / 3, period - 1}) {
            const QImage img = curveAlone(period, offset);
            for (int x = 0; x < kWidth; ++x) {
                if (!columnHas(img, x, kRed)) {
                    ADD_FAILURE() << "period " << period << " offset " << offset << " gap at x " << x;
                    break;
                }
            }
            EXPECT_GT(countInRect(img, kRed, 0, 0, kWidth, 1), 0) << period;
            EXPECT_GT(countInRect(img, kRed, 0, 180, kWidth, 181), 0) << period;
        }
    }
}

TEST(RhythmCurve, arcsMeetOnTheAxisWithinAPixel) {
    for (int period : {23, 38, 53}) {
        const int offset = 5 % period;
        const QImage img = curveAlone(period, offset);
        // every zero crossing: both arcs reach the axis row within a pixel of the crossing
        for (int x = -10 * offset + 5 * period; x < kWidth - 2; x += 5 * period) {
            if (x < 2) continue;
            EXPECT_GT(countInRect(img, kRed, x - 2, 90, x + 2, 91), 0) << period << " at " << x;
            EXPECT_GT(countInRect(img, kRed, x - 2, 86, x + 2, 89), 0) << period << " above " << x;
            EXPECT_GT(countInRect(img, kRed, x - 2, 91, x + 2, 94), 0) << period << " below " << x;
        }
    }
}

TEST(RhythmCurve, dashDotDotCurvesAreBrokenButHaveNoLongGaps) {
    const QImage dashed = curveAlone(38, 7, PenStyle::DashDotDot);
    const QImage solid = curveAlone(38, 7);
    const int inked = countInRect(dashed, kRed, 0, 0, kWidth, kHeight);
    EXPECT_LT(inked, countInRect(solid, kRed, 0, 0, kWidth, kHeight) * 9 / 10);
    int gap = 0, longest = 0;
    for (int x = 0; x < kWidth; ++x) {
        gap = columnHas(dashed, x, kRed) ? 0 : gap + 1;
        longest = std::max(longest, gap);
    }
    EXPECT_LE(longest, 4);
}

// The dark chart: the grid, today's band, the marks and every curve of both palettes at 3:1 against the ground, the
// light chart's colours as designed; and a frame drawn in the dark colours is dark where the light one is white.
TEST(DarkChart, everyLineStandsOutFromTheGround_theLightChartIsTheDesigns) {
    for (const rhythm::Palette palette : {rhythm::Palette::Design, rhythm::Palette::ColourBlindSafe}) {
        rhythm::usePalette(palette);
        for (const auto& r : rhythm::Rhythms) {
            EXPECT_GE(contrastRatio(onChart(rhythm::colourOf(r), kDarkChart), kDarkChart.background), 3.0) << r.Name;
            EXPECT_EQ(onChart(rhythm::colourOf(r), kLightChart), rhythm::colourOf(r)) << r.Name;
        }
    }
    rhythm::usePalette(rhythm::Palette::Design);
    for (const Rgb line : {kDarkChart.grid, kDarkChart.multipleMark})
        EXPECT_GE(contrastRatio(line, kDarkChart.background), 3.0);
    EXPECT_GE(contrastRatio(kDarkChart.mark, kDarkChart.grid), 3.0);  // the "o" on today's band
    QImageSurface light(kWidth, kHeight), dark(kWidth, kHeight);
    drawChartFrame(light, kTodayX, kWidth, kHeight);
    drawChartFrame(dark, kTodayX, kWidth, kHeight, kDarkChart);
    EXPECT_EQ(at(light.image(), 5, 5), kWhite);
    EXPECT_EQ(at(dark.image(), 5, 5), kDarkChart.background);
    EXPECT_EQ(at(dark.image(), 5, kHeight / 2), kDarkChart.grid);
}

}  // namespace
}  // namespace rorovovo::chart
