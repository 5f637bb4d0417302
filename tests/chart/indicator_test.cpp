#include "chart/indicator.h"

#include <gtest/gtest.h>

#include <QRect>
#include <cmath>

#include "chart/colors.h"
#include "chart/qimage_surface.h"
#include "core/errors.h"
#include "pixels.h"
#include "recording_surface.h"

namespace rorovovo::chart {
namespace {

using testing::at;
using testing::countInRect;

constexpr Rgb kDisc = 0xD4D0C8;
constexpr Rgb kText = 0x000000;
// Wedge colours; kRed is the arrow's.
constexpr Rgb kBlue = 0x0000FF, kFuchsia = 0xFF00FF, kGreen = 0x008000;

struct Drawn {
    QImage image;
    std::string hint;
};

Drawn indicator(int dayNo, int period) {
    QImageSurface s(40, 40);
    clearIndicator(s);
    std::string hint = drawPhaseIndicator(s, dayNo, period, kBlue, kDisc, kText);
    return {s.image(), hint};
}

// Width of the ring on the middle row, counted from the left edge of the disc.
int ringWidthOnLeft(const QImage& img) {
    int n = 0;
    for (int x = 2; x < 20 && at(img, x, 20) != kWhite; ++x) ++n;
    return n;
}

TEST(PhaseState, percentagesAndDirectionsOfTheFourBaseRhythms) {
    struct Row {
        int period, day;
        double pct;
        bool up;
    };
    const Row rows[] = {
        {23, 0, 0.7, true},  {23, 1, 4, true},   {23, 5, 22, true},   {23, 6, 26, false},  {23, 17, 74, false},
        {23, 18, 78, true},  {23, 22, 96, true}, {28, 7, 25, true},   {28, 8, 29, false},  {28, 14, 50, false},
        {28, 20, 71, false}, {28, 21, 75, true}, {33, 0, 0.7, true},  {33, 8, 24, true},   {33, 9, 27, false},
        {33, 24, 73, false}, {33, 25, 76, true}, {38, 10, 26, false}, {38, 19, 50, false}, {38, 28, 74, false},
        {38, 29, 76, true},  {38, 37, 97, true},
    };
    for (const Row& r : rows) {
        const PhaseState s = phaseState(r.day, r.period);
        EXPECT_DOUBLE_EQ(s.pct, r.pct) << r.day << " of " << r.period;
        EXPECT_EQ(s.goingUp, r.up) << r.day << " of " << r.period;
    }
    // every day of a cycle: falling exactly strictly between a quarter and three quarters
    for (int period : {23, 28, 33, 38})
        for (int day = 0; day < period; ++day) {
            const PhaseState s = phaseState(day, period);
            EXPECT_EQ(s.goingUp, !(s.pct > 25 && s.pct < 75)) << day << " of " << period;
            EXPECT_GE(s.pct, 0.7);
            EXPECT_LE(s.pct, 97);
        }
}

TEST(PhaseState, halvesRoundToEven_andAZeroPeriodIsAnError) {
    EXPECT_DOUBLE_EQ(phaseState(1, 8).pct, 12);  // 12.5
    EXPECT_DOUBLE_EQ(phaseState(3, 8).pct, 38);  // 37.5
    EXPECT_DOUBLE_EQ(phaseState(5, 8).pct, 62);  // 62.5
    EXPECT_THROW(phaseState(3, 0), AppError);
    EXPECT_THROW(phaseState(3, -5), AppError);
}

TEST(PhaseIndicator, drawsDiscWedgeCentreTextAndArrowInThatOrder) {
    RecordingSurface s(40, 40);
    clearIndicator(s);
    EXPECT_EQ(drawPhaseIndicator(s, 10, 28, kFuchsia, kDisc, kText), " Cycle going down ");
    const std::vector<std::string> expected = {
        "brushStyle solid",
        "brushColor #FFFFFF",
        "fillRect 0 0 40 40",
        "penStyle clear",
        "brushStyle solid",
        "brushColor #D4D0C8",
        "ellipse 2 2 38 38",
        "brushColor #FF00FF",
        "pie 2 2 38 38 7 35 20 20",  // 36 %: a = 0.72 pi
        "brushColor #FFFFFF",
        "ellipse 6 6 34 34",
        "font '' 0pt bold",
        "brushStyle clear",
        "fontColor #000000",
        "textOut 10 13 '36%'",
        "penColor #FF0000",
        "penStyle solid",
        "penWidth 2",
        "moveTo 37 29",
        "lineTo 37 37",
        "lineTo 34 33",
        "moveTo 36 37",
        "lineTo 39 33",
    };
    EXPECT_EQ(s.calls, expected);

    RecordingSurface up(40, 40);
    EXPECT_EQ(drawPhaseIndicator(up, 0, 23, kRed, kDisc, kText), " Cycle going up ");
    EXPECT_EQ(up.calls[5], "pie 2 2 38 38 40 21 20 20");
    EXPECT_EQ(up.calls[7], "ellipse 8 8 32 32");
    EXPECT_EQ(up.calls[11], "textOut 13 13 '0%'");
    EXPECT_EQ(up.calls[15], "moveTo 37 11");
    EXPECT_EQ(up.calls[16], "lineTo 37 3");
}

TEST(PhaseIndicator, dayZeroShowsASliverBelowThreeOClockAndTheUpArrow) {
    const Drawn d = indicator(0, 23);
    EXPECT_EQ(d.hint, " Cycle going up ");
    const int wedge = countInRect(d.image, kBlue, 0, 0, 40, 40);
    EXPECT_GT(wedge, 0);
    EXPECT_LT(wedge, 20);
    EXPECT_EQ(countInRect(d.image, kBlue, 0, 0, 40, 20), 0);  // nothing above the centre
    EXPECT_EQ(countInRect(d.image, kBlue, 0, 0, 30, 40), 0);  // only on the ring at 3 o'clock
    EXPECT_EQ(ringWidthOnLeft(d.image), 6);
    // shaft at x 37 from y 11 up to y 3, barbs towards (34, 7) and (39, 7)
    for (int y = 4; y <= 10; ++y) EXPECT_EQ(at(d.image, 37, y), kRed) << y;
    EXPECT_GT(countInRect(d.image, kRed, 33, 6, 36, 9), 0);
    EXPECT_GT(countInRect(d.image, kRed, 38, 6, 40, 9), 0);
    EXPECT_EQ(countInRect(d.image, kRed, 0, 20, 40, 40), 0);
    for (auto [x, y] : {std::pair{0, 0}, {1, 1}, {0, 39}, {39, 39}, {1, 38}}) EXPECT_EQ(at(d.image, x, y), kWhite);
    EXPECT_EQ(at(d.image, 20, 20), kWhite);
}

TEST(PhaseIndicator, halfACycleFillsTheLowerHalfOfAThinnerRingWithTheDownArrow) {
    const Drawn d = indicator(14, 28);
    EXPECT_EQ(d.hint, " Cycle going down ");
    EXPECT_EQ(ringWidthOnLeft(d.image), 4);
    EXPECT_EQ(at(d.image, 20, 35), kBlue);
    EXPECT_EQ(at(d.image, 4, 26), kBlue);
    EXPECT_EQ(at(d.image, 20, 4), kDisc);
    EXPECT_EQ(at(d.image, 4, 14), kDisc);
    EXPECT_EQ(countInRect(d.image, kBlue, 0, 0, 40, 19), 0);
    // shaft at x 37 from y 29 down to y 37, barbs towards (34, 33) and (39, 33)
    for (int y = 30; y <= 36; ++y) EXPECT_EQ(at(d.image, 37, y), kRed) << y;
    EXPECT_GT(countInRect(d.image, kRed, 33, 32, 36, 35), 0);
    EXPECT_GT(countInRect(d.image, kRed, 38, 32, 40, 35), 0);
    EXPECT_EQ(countInRect(d.image, kRed, 0, 0, 40, 20), 0);
    for (auto [x, y] : {std::pair{0, 0}, {1, 1}, {39, 0}, {0, 39}}) EXPECT_EQ(at(d.image, x, y), kWhite);
}

TEST(PhaseIndicator, aQuarterFillsFromThreeToSixOClock) {
    const Drawn d = indicator(7, 28);  // 25 %, still going up
    EXPECT_EQ(d.hint, " Cycle going up ");
    EXPECT_EQ(at(d.image, 30, 32), kBlue);  // lower right
    EXPECT_EQ(at(d.image, 9, 32), kDisc);   // lower left
    EXPECT_EQ(at(d.image, 30, 6), kDisc);   // upper right
}

TEST(PhaseIndicator, thePercentageStaysInsideTheWhiteCentreInEitherFace) {
    for (const char* face : {"Liberation Sans", "DejaVu Sans"})
        for (int pct = 0; pct <= 97; ++pct) {
            QImageSurface s(40, 40);
            FontSpec font;
            font.face = face;
            s.setFont(font);
            drawPhaseIndicator(s, pct, 100, kBlue, kDisc, kText);
            const double radius = phaseState(pct, 100).goingUp ? 12 : 14;
            QRect ink;
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x)
                    if (at(s.image(), x, y) == kText) ink |= QRect(x, y, 1, 1);
            ASSERT_GT(ink.width(), 5) << face << " " << pct;
            for (const QPoint& corner : {ink.topLeft(), ink.topRight() + QPoint(1, 0), ink.bottomLeft() + QPoint(0, 1),
                                         ink.bottomRight() + QPoint(1, 1)})
                EXPECT_LE(std::hypot(corner.x() - 20.0, corner.y() - 20.0), radius)
                    << face << " " << pct << "%: corner " << corner.x() << "," << corner.y();
        }
}

TEST(PhaseIndicator, clearingPaintsEverythingWhite) {
    QImageSurface s(40, 40);
    drawPhaseIndicator(s, 12, 33, kGreen, kDisc, kText);
    clearIndicator(s);
    EXPECT_EQ(countInRect(s.image(), kWhite, 0, 0, 40, 40), 1600);
}

}  // namespace
}  // namespace rorovovo::chart
