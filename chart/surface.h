#pragma once

#include <cstdint>
#include <string>

#include "core/pen_style.h"

namespace rorovovo::chart {

// 0xRRGGBB
using Rgb = std::uint32_t;

enum class BrushStyle { Solid, Clear };

struct FontSpec {
    std::string face;     // empty: the surface's default face
    int pointSize = 0;    // 0: the default size
    int pixelHeight = 0;  // character height in pixels; wins over pointSize when set
    bool bold = false;
    bool italic = false;
    int escapement = 0;  // tenths of a degree, counterclockwise; 900 stands the text on end, reading upward
};

// The handful of drawing primitives the chart, the ring indicators and the date marker need.
// A surface keeps its pen, brush and font between calls, so a routine sets only what it needs.
// Rectangles are given as left, top, right, bottom with right and bottom excluded.
class Surface {
  public:
    virtual ~Surface() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;

    virtual void setPenColor(Rgb color) = 0;
    virtual void setPenStyle(PenStyle style) = 0;
    virtual void setPenWidth(int width) = 0;
    virtual void setBrushColor(Rgb color) = 0;
    virtual void setBrushStyle(BrushStyle style) = 0;
    virtual void setFont(const FontSpec& font) = 0;
    virtual FontSpec font() const = 0;
    virtual void setFontColor(Rgb color) = 0;

    // Fills with the brush colour, whatever the brush style.
    virtual void fillRect(int left, int top, int right, int bottom) = 0;
    virtual void moveTo(int x, int y) = 0;
    // Draws from the current position to (x, y), the end point excluded, and moves there.
    virtual void lineTo(int x, int y) = 0;
    // Outline of the ellipse inscribed in the rectangle, counterclockwise on screen from the ray
    // centre->(x1, y1) to the ray centre->(x2, y2), in the pen.
    virtual void arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) = 0;
    // The wedge of the same shape, filled with the brush and outlined with the pen.
    virtual void pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) = 0;
    virtual void ellipse(int left, int top, int right, int bottom) = 0;
    // Text with its top-left corner at (x, y) (for rotated fonts: the corner the text starts from).
    // An opaque brush fills the text cell first; a clear brush draws the letters only.
    virtual void textOut(int x, int y, const std::string& utf8) = 0;
    virtual int textWidth(const std::string& utf8) = 0;
    virtual int textHeight(const std::string& utf8) = 0;
};

}  // namespace rorovovo::chart
