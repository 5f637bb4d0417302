#include "chart/vertical_text.h"

#include <gtest/gtest.h>

#include "chart/colors.h"
#include "chart/qimage_surface.h"
#include "pixels.h"
#include "recording_surface.h"

namespace rorovovo::chart {
namespace {

using testing::at;
using testing::countInRect;

constexpr Rgb kFace = 0xF0F0F0;
constexpr Rgb kHighlight = 0xFFFFFF;

TEST(VerticalText, setsTheMarkerFontAndDrawsTwoPassesAtTheCellCorner) {
    RecordingSurface s(1, 1);
    const TextExtent e = setVerticalTextFont(s, "01.02.2024");
    EXPECT_EQ(e.width, 70);
    EXPECT_EQ(e.height, 14);
    drawVerticalText(s, "01.02.2024", e.width, kFace, kHighlight);
    const std::vector<std::string> expected = {
        "font 'Arial' 9pt bold italic",
        "font 'Arial' 9pt bold italic esc 900",
        "brushStyle solid",
        "brushColor #F0F0F0",
        "fontColor #FFFFFF",
        "textOut 0 70 '01.02.2024'",
        "brushStyle clear",
        "fontColor #000000",
        "textOut 1 71 '01.02.2024'",
    };
    EXPECT_EQ(s.calls, expected);
}

TEST(VerticalText, standsTheTextOnEndInASizeSwappedImage) {
    const std::string text = "28/02/2024";
    QImageSurface s(1, 1);
    const TextExtent e = setVerticalTextFont(s, text);
    ASSERT_GT(e.width, e.height);
    s.resize(e.height, e.width);
    drawVerticalText(s, text, e.width, kFace, kHighlight);
    const QImage& img = s.image();
    ASSERT_EQ(img.width(), e.height);
    ASSERT_EQ(img.height(), e.width);

    const int all = e.width * e.height;
    const int face = countInRect(img, kFace, 0, 0, img.width(), img.height());
    const int black = countInRect(img, kBlack, 0, 0, img.width(), img.height());
    const int light = countInRect(img, kHighlight, 0, 0, img.width(), img.height());
    EXPECT_GT(black, 30);
    EXPECT_GT(light, 5);
    EXPECT_GT(face, all / 2);
    EXPECT_EQ(face + black + light, all);  // crisp letters: no blended colours

    // the light edge lies up and to the left of the black letters
    int engraved = 0;
    for (int y = 1; y < img.height(); ++y)
        for (int x = 1; x < img.width(); ++x)
            if (at(img, x, y) == kBlack && at(img, x - 1, y - 1) == kHighlight) ++engraved;
    EXPECT_GT(engraved, 3);
}

TEST(VerticalText, readsFromBottomToTop) {
    const std::string text = "M         ";  // ink only at the start
    QImageSurface s(1, 1);
    const TextExtent e = setVerticalTextFont(s, text);
    s.resize(e.height, e.width);
    drawVerticalText(s, text, e.width, kFace, kHighlight);
    const QImage& img = s.image();
    EXPECT_GT(countInRect(img, kBlack, 0, img.height() * 2 / 3, img.width(), img.height()), 10);
    EXPECT_EQ(countInRect(img, kBlack, 0, 0, img.width(), img.height() * 2 / 3), 0);
}

}  // namespace
}  // namespace rorovovo::chart
