#include "chart/colors.h"

#include <algorithm>

namespace rorovovo::chart {

namespace {

// x to the power 2.4 for x in (0, 1], as x squared times the fifth root of x squared. Plain arithmetic: the first
// call of the library's pow maps its tables, about 240 KB that every start would keep for a few greys.
double power2point4(double x) {
    const double square = x * x;
    double root = 1.0;  // the fifth root of a square in (0.0016, 1] lies in (0.27, 1]; Newton's steps from above
    for (int i = 0; i < 40; ++i) {
        const double next = (4.0 * root + square / (root * root * root * root)) / 5.0;
        if (next >= root) break;
        root = next;
    }
    return square * root;
}

double luminance(Rgb c) {
    const auto channel = [](unsigned byte) {
        const double v = byte / 255.0;
        return v <= 0.03928 ? v / 12.92 : power2point4((v + 0.055) / 1.055);
    };
    return 0.2126 * channel((c >> 16) & 0xFF) + 0.7152 * channel((c >> 8) & 0xFF) + 0.0722 * channel(c & 0xFF);
}

}  // namespace

double contrastRatio(Rgb a, Rgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb lightenedTo(Rgb colour, Rgb background, double ratio) {
    Rgb c = colour;
    for (int share = 5; contrastRatio(c, background) < ratio && share <= 100; share += 5) {
        c = 0;
        for (int shift : {16, 8, 0}) {
            const unsigned v = (colour >> shift) & 0xFF;
            c |= (v + (255 - v) * share / 100) << shift;
        }
    }
    return c;
}

Rgb onChart(Rgb colour, const ChartColours& chart) {
    return chart.dark ? lightenedTo(colour, chart.background, 3.0) : colour;
}

}  // namespace rorovovo::chart
