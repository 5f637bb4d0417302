#include "chart/indicator.h"

#include <cmath>

#include "chart/colors.h"
#include "core/errors.h"
#include "core/marked_text.h"

namespace rorovovo::chart {

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr int kPercentPixelHeight = 11;
constexpr int kSmallestPixelHeight = 7;

// Rounds halves to even, as the percentages have always been rounded.
double roundEven(double v) { return v - std::remainder(v, 1.0); }
}  // namespace

PhaseState phaseState(int dayNo, int period) {
    if (period < 1) throw AppError("Rhythm period " + std::to_string(period) + " is out of range");
    double pct = roundEven(static_cast<double>(dayNo) / period * 100.0);
    // A zero share would make the wedge's two radials meet, which fills the whole disc.
    if (pct == 0.0) pct = 0.7;
    return {pct, !(pct > 25.0 && pct < 75.0)};
}

void clearIndicator(Surface& s, Rgb paper) {
    s.setBrushStyle(BrushStyle::Solid);
    s.setBrushColor(paper);
    s.fillRect(0, 0, s.width(), s.height());
}

std::string drawPhaseIndicator(Surface& s, int dayNo, int period, Rgb color, Rgb baseDiscColor, Rgb textColor,
                               Rgb paper) {
    const PhaseState state = phaseState(dayNo, period);
    const int w = s.width();
    const int h = s.height();
    const int cx = w / 2;
    const int cy = h / 2;
    const double a = state.pct / 100.0 * 2.0 * kPi;
    const int dx = static_cast<int>(roundEven(20.0 * std::cos(a)));
    const int dy = static_cast<int>(roundEven(20.0 * std::sin(a)));

    s.setPenStyle(PenStyle::Clear);
    s.setBrushStyle(BrushStyle::Solid);
    s.setBrushColor(baseDiscColor);
    s.ellipse(2, 2, w - 2, h - 2);

    // The centre as second radial stands for 3 o'clock, so the wedge runs clockwise on screen from 3 o'clock.
    s.setBrushColor(color);
    s.pie(2, 2, w - 2, h - 2, cx + dx, cy + dy, cx, cy);

    const int u = state.goingUp ? 8 : 6;
    s.setBrushColor(paper);
    s.ellipse(u, u, w - u, h - u);

    // The percentage sits in the middle of the white centre. A face wider than the usual one steps down a pixel at
    // a time until the text, measured with its own metrics, fits inside the centre circle.
    const std::string text = std::to_string(static_cast<long long>(state.pct)) + "%";
    const int diameter = w - 2 * u;
    FontSpec font = s.font();
    font.bold = true;
    int textW = 0;
    for (font.pixelHeight = kPercentPixelHeight;; --font.pixelHeight) {
        s.setFont(font);
        textW = s.textWidth(text);
        const int digitH = font.pixelHeight * 3 / 4;  // digits stand about three quarters of the face's height
        if (textW * textW + digitH * digitH <= diameter * diameter || font.pixelHeight <= kSmallestPixelHeight) break;
    }
    s.setBrushStyle(BrushStyle::Clear);
    s.setFontColor(textColor);
    s.textOut(cx - textW / 2, cy - s.textHeight(text) / 2, text);

    s.setPenColor(kRed);
    s.setPenStyle(PenStyle::Solid);
    s.setPenWidth(2);
    if (state.goingUp) {
        s.moveTo(w - 3, h / 3 - 2);
        s.lineTo(w - 3, 3);
        s.lineTo(w - 6, 7);
        s.moveTo(w - 4, 3);
        s.lineTo(w - 1, 7);
        return QT_TRANSLATE_NOOP("Indicator", " Cycle going up ");
    }
    s.moveTo(w - 3, (h / 3) * 2 + 3);
    s.lineTo(w - 3, h - 3);
    s.lineTo(w - 6, h - 7);
    s.moveTo(w - 4, h - 3);
    s.lineTo(w - 1, h - 7);
    return QT_TRANSLATE_NOOP("Indicator", " Cycle going down ");
}

}  // namespace rorovovo::chart
