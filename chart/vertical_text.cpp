#include "chart/vertical_text.h"

#include "chart/colors.h"

namespace rorovovo::chart {

TextExtent setVerticalTextFont(Surface& s, const std::string& text) {
    FontSpec font;
    font.face = "Arial";
    font.pointSize = 9;
    font.bold = true;
    font.italic = true;
    s.setFont(font);
    return {s.textWidth(text), s.textHeight(text)};
}

void drawVerticalText(Surface& s, const std::string& text, int textWidth, Rgb buttonFace, Rgb highlight, Rgb ink) {
    FontSpec font = s.font();
    font.escapement = 900;
    s.setFont(font);

    s.setBrushStyle(BrushStyle::Solid);
    s.setBrushColor(buttonFace);
    s.setFontColor(highlight);
    s.textOut(0, textWidth, text);

    s.setBrushStyle(BrushStyle::Clear);
    s.setFontColor(ink);
    s.textOut(1, textWidth + 1, text);
}

}  // namespace rorovovo::chart
