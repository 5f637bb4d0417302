#include "chart/qimage_surface.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <functional>
#include <vector>

#include "chart/chart_drawing.h"
#include "pixels.h"

namespace rorovovo::chart {
namespace {

using testing::at;
using testing::countInRect;

constexpr Rgb kRed = 0xFF0000;
constexpr Rgb kBlue = 0x0000FF;
constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kSilver = 0xC0C0C0;

TEST(QImageSurface, newAndResizedImages_areWhite_andResizeKeepsThePen) {
    QImageSurface s(30, 20);
    EXPECT_EQ(s.width(), 30);
    EXPECT_EQ(s.height(), 20);
    EXPECT_EQ(s.image().format(), QImage::Format_RGB32);
    EXPECT_EQ(countInRect(s.image(), kWhite, 0, 0, 30, 20), 600);

    s.setPenColor(kRed);
    s.moveTo(0, 0);
    s.lineTo(10, 0);
    s.resize(12, 8);
    EXPECT_EQ(s.image().size(), QSize(12, 8));
    EXPECT_EQ(countInRect(s.image(), kWhite, 0, 0, 12, 8), 96);
    s.moveTo(0, 3);
    s.lineTo(5, 3);
    EXPECT_EQ(at(s.image(), 2, 3), kRed);
}

TEST(QImageSurface, lineTo_leavesOutItsEndPointInEveryDirection) {
    QImageSurface s(20, 20);
    s.moveTo(0, 5);
    s.lineTo(5, 5);
    s.moveTo(10, 0);
    s.lineTo(10, 4);
    s.moveTo(15, 4);
    s.lineTo(15, 0);
    s.moveTo(0, 10);
    s.lineTo(4, 14);
    const QImage& img = s.image();
    EXPECT_EQ(countInRect(img, 0, 0, 5, 20, 6), 5);
    EXPECT_EQ(at(img, 5, 5), kWhite);
    EXPECT_EQ(at(img, 10, 3), 0u);
    EXPECT_EQ(at(img, 10, 4), kWhite);
    EXPECT_EQ(at(img, 15, 1), 0u);
    EXPECT_EQ(at(img, 15, 0), kWhite);
    EXPECT_EQ(at(img, 3, 13), 0u);
    EXPECT_EQ(at(img, 4, 14), kWhite);
}

TEST(QImageSurface, dashDotDotPen_breaksTheLineIntoShortRuns) {
    QImageSurface s(200, 3);
    s.setPenStyle(PenStyle::DashDotDot);
    s.moveTo(0, 1);
    s.lineTo(200, 1);
    std::vector<int> runs;  // alternating inked and blank run lengths, starting with ink
    Rgb prev = 0;
    int len = 0;
    for (int x = 0; x < 200; ++x) {
        const Rgb c = at(s.image(), x, 1);
        if (c != prev && len > 0) {
            runs.push_back(len);
            len = 0;
        }
        prev = c;
        ++len;
    }
    ASSERT_GE(runs.size(), 12u);
    EXPECT_GT(runs[0], runs[2]);  // a dash, then a dot
    EXPECT_EQ(runs[2], runs[4]);  // and a second dot
    for (size_t i = 1; i < runs.size(); i += 2) EXPECT_LE(runs[i], 4) << "gap " << i;
}

TEST(QImageSurface, clearPen_drawsNoOutline) {
    QImageSurface s(40, 40);
    s.setPenStyle(PenStyle::Clear);
    s.moveTo(0, 0);
    s.lineTo(39, 39);
    s.arc(0, 0, 40, 40, 0, 0, 0, 0);
    s.setBrushStyle(BrushStyle::Solid);
    s.setBrushColor(kBlue);
    s.ellipse(0, 0, 40, 40);
    const QImage& img = s.image();
    EXPECT_EQ(countInRect(img, 0, 0, 0, 40, 40), 0);
    EXPECT_EQ(at(img, 20, 20), kBlue);
    EXPECT_EQ(at(img, 20, 1), kBlue);
    EXPECT_EQ(at(img, 0, 0), kWhite);
    // filled without a pen, the disc covers columns 0..39 on its middle row
    EXPECT_EQ(countInRect(img, kBlue, 0, 20, 40, 21), 40);
}

TEST(QImageSurface, arc_isInscribedInTheRectangleWithoutItsRightAndBottomEdges) {
    QImageSurface s(30, 20);
    s.arc(2, 3, 22, 13, 0, 0, 0, 0);  // equal rays: the whole ellipse
    const QImage& img = s.image();
    EXPECT_GT(countInRect(img, 0, 0, 3, 30, 4), 0);    // top row 3
    EXPECT_GT(countInRect(img, 0, 0, 12, 30, 13), 0);  // bottom row 12
    EXPECT_GT(countInRect(img, 0, 2, 0, 3, 20), 0);    // left column 2
    EXPECT_GT(countInRect(img, 0, 21, 0, 22, 20), 0);  // right column 21
    EXPECT_EQ(countInRect(img, 0, 0, 0, 30, 3), 0);
    EXPECT_EQ(countInRect(img, 0, 0, 13, 30, 20), 0);
    EXPECT_EQ(countInRect(img, 0, 22, 0, 30, 20), 0);
    EXPECT_EQ(countInRect(img, 0, 0, 0, 2, 20), 0);
}

TEST(QImageSurface, arc_runsCounterclockwiseFromTheFirstRayToTheSecond) {
    QImageSurface upper(41, 41);
    upper.arc(0, 0, 41, 41, 40, 20, 0, 20);  // 3 o'clock to 9 o'clock over the top
    EXPECT_EQ(at(upper.image(), 20, 0), 0u);
    EXPECT_EQ(countInRect(upper.image(), 0, 0, 23, 41, 41), 0);

    QImageSurface lower(41, 41);
    lower.arc(0, 0, 41, 41, 0, 20, 40, 20);  // 9 o'clock to 3 o'clock under the bottom
    EXPECT_EQ(at(lower.image(), 20, 40), 0u);
    EXPECT_EQ(countInRect(lower.image(), 0, 0, 0, 41, 18), 0);
}

TEST(QImageSurface, arc_endsWhereTheGeometricRayMeetsAWideEllipse) {
    // Centre (100, 25), radii 100 and 25; the ray towards (150, 0) meets the ellipse near (145, 3).
    QImageSurface s(201, 51);
    s.arc(0, 0, 201, 51, 200, 25, 150, 0);
    const QImage& img = s.image();
    EXPECT_GT(countInRect(img, 0, 146, 0, 175, 10), 0);
    EXPECT_EQ(countInRect(img, 0, 0, 0, 142, 51), 0);
}

TEST(QImageSurface, pie_fillsTheWedgeWithTheBrush_andAPointAtTheCentreMeansThreeOClock) {
    QImageSurface s(40, 40);
    s.setPenStyle(PenStyle::Clear);
    s.setBrushColor(kRed);
    s.pie(0, 0, 40, 40, 20, 39, 20, 20);  // from 6 o'clock counterclockwise to 3 o'clock
    const QImage& img = s.image();
    EXPECT_EQ(at(img, 30, 30), kRed);
    EXPECT_EQ(at(img, 10, 30), kWhite);
    EXPECT_EQ(at(img, 30, 10), kWhite);
    EXPECT_EQ(at(img, 10, 10), kWhite);

    QImageSurface full(40, 40);
    full.setPenStyle(PenStyle::Clear);
    full.setBrushColor(kRed);
    full.pie(0, 0, 40, 40, 39, 20, 39, 20);
    EXPECT_EQ(at(full.image(), 10, 10), kRed);
    EXPECT_EQ(at(full.image(), 30, 30), kRed);
}

TEST(QImageSurface, fillRect_usesTheBrushColourEvenWhenTheBrushIsClear) {
    QImageSurface s(10, 10);
    s.setBrushColor(kBlue);
    s.setBrushStyle(BrushStyle::Clear);
    s.fillRect(2, 2, 5, 4);
    EXPECT_EQ(countInRect(s.image(), kBlue, 0, 0, 10, 10), 6);
    EXPECT_EQ(at(s.image(), 2, 2), kBlue);
    EXPECT_EQ(at(s.image(), 4, 3), kBlue);
}

TEST(QImageSurface, textOut_fillsTheCellOnlyWithASolidBrush) {
    QImageSurface s(100, 40);
    const int w = s.textWidth("Wy");
    const int h = s.textHeight("Wy");
    ASSERT_GT(w, 4);
    ASSERT_GT(h, 6);
    s.setFontColor(kRed);
    s.setBrushColor(kBlue);
    s.setBrushStyle(BrushStyle::Solid);
    s.textOut(3, 2, "Wy");
    s.setBrushStyle(BrushStyle::Clear);
    s.textOut(50, 2, "Wy");
    const QImage& img = s.image();
    const int opaque = countInRect(img, kBlue, 3, 2, 3 + w, 2 + h) + countInRect(img, kRed, 3, 2, 3 + w, 2 + h);
    EXPECT_EQ(opaque, w * h);
    EXPECT_EQ(countInRect(img, kBlue, 0, 0, 100, 40), w * h - countInRect(img, kRed, 0, 0, 50, 40));
    EXPECT_GT(countInRect(img, kRed, 50, 2, 50 + w, 2 + h), 5);
    EXPECT_EQ(countInRect(img, kBlue, 50, 0, 100, 40), 0);
}

TEST(QImageSurface, changedCallback_firesAfterDrawing_andImageCopiesStayAsTheyWere) {
    QImageSurface s(20, 20);
    int calls = 0;
    s.setChangedCallback([&] { ++calls; });
    s.moveTo(0, 0);
    s.lineTo(10, 0);
    EXPECT_GE(calls, 1);
    const QImage before = s.image();
    const int seen = calls;
    s.moveTo(0, 5);
    s.lineTo(10, 5);
    EXPECT_GT(calls, seen);
    EXPECT_EQ(at(before, 5, 5), kWhite);
    EXPECT_EQ(at(s.image(), 5, 5), 0u);
}

TEST(QImageSurface, fontSpec_roundTrips_andBiggerFontsMeasureBigger) {
    QImageSurface s(10, 10);
    const int defaultHeight = s.textHeight("Ag");
    FontSpec f;
    f.face = "Arial";
    f.pointSize = 20;
    f.bold = true;
    s.setFont(f);
    EXPECT_EQ(s.font().face, "Arial");
    EXPECT_EQ(s.font().pointSize, 20);
    EXPECT_TRUE(s.font().bold);
    EXPECT_GT(s.textHeight("Ag"), defaultHeight);
    EXPECT_GT(s.textWidth("AgAg"), s.textWidth("Ag"));
}

// A picture as wide as the chart strip keeps its drawing calls and draws the part on show straight onto the screen.
// Whatever was shown before, during or after the drawing, what is shown and what is read must equal the picture
// drawn on an image.
TEST(QImageSurface, widePicture_showsAndReadsAsIfDrawnWhole_whicheverPartsWereShownFirst) {
    constexpr int kW = 1900, kH = 181, kToday = 700;
    auto script = [](QImageSurface& s, const std::function<void()>& midway) {
        s.setPenStyle(PenStyle::Solid);
        drawChartFrame(s, kToday, kW, kH);
        const PenStyle styles[] = {PenStyle::Solid, PenStyle::Dash, PenStyle::DashDotDot};
        for (int i = 0; i < 3; ++i) {
            s.setPenColor(kRed + static_cast<Rgb>(i * 0x40));
            s.setPenStyle(styles[i]);
            drawRhythmCurve(s, 23 + 5 * i, 3 * i, kH, 0, kW);
        }
        midway();
        drawCriticalMark(s, 51, {kRed, kBlue}, true);
        s.setPenWidth(3);
        s.setPenStyle(PenStyle::Solid);
        s.moveTo(250, 10);
        s.lineTo(790, 170);  // a thick slanted line across three parts
        s.arc(480, 20, 560, 160, 480, 90, 560, 90);
        s.setBrushStyle(BrushStyle::Solid);
        s.setBrushColor(kBlue);
        s.pie(500, 40, 540, 80, 540, 60, 520, 40);
        s.setPenWidth(1);
        s.ellipse(1020, 30, 1050, 60);
        FontSpec upright;
        upright.pixelHeight = 13;
        s.setFont(upright);
        s.textOut(760, 100, "Across the edge");
        upright.escapement = 900;
        s.setFont(upright);
        s.textOut(1530, 150, "On end");
    };
    for (const double ratio : {1.0, 2.0}) {
        QImageSurface whole(kW, kH, ratio);
        whole.image();  // read once, so it is drawn as one picture
        script(whole, [] {});
        const std::vector<QRect> shownFirst[] = {{}, {QRect(600, 0, 650, kH)}, {QRect(0, 0, 10, 5)}};
        for (const auto& shown : shownFirst) {
            QImageSurface parts(kW, kH, ratio);
            QImage screen(QSize(kW, kH) * ratio, QImage::Format_RGB32);
            screen.setDevicePixelRatio(ratio);
            QPainter painter(&screen);
            for (const QRect& r : shown) parts.paint(painter, r);
            script(parts, [&] { parts.paint(painter, QRect(1700, 0, 50, kH)); });
            parts.paint(painter, QRect(0, 0, kW, kH));
            painter.end();
            EXPECT_EQ(screen.convertToFormat(QImage::Format_RGB32), whole.image()) << "ratio " << ratio;
            EXPECT_EQ(parts.image(), whole.image()) << "ratio " << ratio;
        }
    }
}

// The chart drawn on a plain and on a doubled image of the same logical size.
class DoubledChart : public ::testing::Test {
  protected:
    static constexpr int kW = 300, kH = 181, kToday = 100;
    QImageSurface one{kW, kH, 1.0}, two{kW, kH, 2.0};

    void draw(bool withCurve) {
        for (QImageSurface* s : {&one, &two}) {
            drawChartFrame(*s, kToday, kW, kH);
            if (!withCurve) continue;
            s->setPenColor(kRed);
            s->setPenStyle(PenStyle::Solid);
            drawRhythmCurve(*s, 23, 5, kH, 0, kW);
        }
    }
};

TEST_F(DoubledChart, keepsLogicalSize_andGridLinesAreTwoDevicePixelsOfTheExactColour) {
    draw(false);
    EXPECT_EQ(two.width(), kW);
    EXPECT_EQ(two.height(), kH);
    EXPECT_EQ(two.image().size(), QSize(2 * kW, 2 * kH));
    EXPECT_EQ(two.image().devicePixelRatio(), 2.0);
    int grid = 0, wrong = 0;
    for (int y = 0; y < kH - 16; ++y)  // above the "o" mark, whose letter is drawn anew at the higher resolution
        for (int x = 0; x < kW; ++x) {
            if (at(one.image(), x, y) != kSilver) continue;
            ++grid;
            for (int d = 0; d < 4; ++d)
                if (at(two.image(), 2 * x + d % 2, 2 * y + d / 2) != kSilver) ++wrong;
        }
    EXPECT_GT(grid, 30 * (kH - 16));  // a grid line every 10 pixels, today's column and the axis
    EXPECT_EQ(wrong, 0);
}

TEST_F(DoubledChart, curveFollowsItsShapeInDevicePixels_twoDevicePixelsWide) {
    draw(true);
    const QImage& img = two.image();
    auto ink = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < img.width() && y < img.height() && at(img, x, y) == kRed;
    };
    int inked = 0, strayFromPlain = 0, thin = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            // The outermost logical columns are left out: there the square is cut by the image's edge.
            if (!ink(x, y) || x < 2 || x >= img.width() - 2) continue;
            ++inked;
            // Within one logical pixel of the curve on the plain image.
            bool near = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int lx = x / 2 + dx, ly = y / 2 + dy;
                    near = near || (lx >= 0 && ly >= 0 && lx < kW && ly < kH && at(one.image(), lx, ly) == kRed);
                }
            if (!near) ++strayFromPlain;
            // Part of a fully inked two-by-two square: the curve is one logical pixel wide.
            bool inSquare = false;
            for (int sy = y - 1; sy <= y; ++sy)
                for (int sx = x - 1; sx <= x; ++sx)
                    inSquare = inSquare || (ink(sx, sy) && ink(sx + 1, sy) && ink(sx, sy + 1) && ink(sx + 1, sy + 1));
            if (!inSquare) ++thin;
        }
    EXPECT_GT(inked, 4 * kW);
    EXPECT_EQ(strayFromPlain, 0);
    EXPECT_EQ(thin, 0);
    // A doubled plain picture would repeat every column; the steep flanks of the curve do not.
    int pairsDiffering = 0;
    for (int x = 0; x + 1 < img.width(); x += 2)
        for (int y = 0; y < img.height(); ++y)
            if (ink(x, y) != ink(x + 1, y)) {
                ++pairsDiffering;
                break;
            }
    EXPECT_GT(pairsDiffering, kW / 10);
}

}  // namespace
}  // namespace rorovovo::chart
