#pragma once

#include <string>

#include "chart/surface.h"

namespace rorovovo::chart {

struct TextExtent {
    int width;   // along the text
    int height;  // one line
};

// Sets the date marker's font (Arial 9 pt, bold italic, upright) on the surface and measures the text in it.
// The marker's surface is then sized extent.height wide and extent.width high.
TextExtent setVerticalTextFont(Surface& s, const std::string& text);

// Draws the text reading upward, engraved: letters in highlight on a buttonFace cell, then in ink (black) one pixel
// right and down. textWidth is the width measured by setVerticalTextFont; the surface keeps its font.
void drawVerticalText(Surface& s, const std::string& text, int textWidth, Rgb buttonFace, Rgb highlight,
                      Rgb ink = 0x000000);

}  // namespace rorovovo::chart
