#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "chart/surface.h"

namespace rorovovo::chart {

// A surface that draws nothing and writes down every call, one line each ("lineTo 10 181", "penColor #C0C0C0"),
// so the order of drawing steps can be checked where pixels would say less.
class RecordingSurface : public Surface {
  public:
    RecordingSurface(int width, int height) : width_(width), height_(height) {}

    std::vector<std::string> calls;
    // What textWidth and textHeight report: a fixed advance per byte and a fixed line height.
    int charWidth = 7;
    int lineHeight = 14;

    int width() const override { return width_; }
    int height() const override { return height_; }
    void setPenColor(Rgb color) override { record("penColor " + hex(color)); }
    void setPenStyle(PenStyle style) override {
        record(std::string("penStyle ") + (style == PenStyle::Solid        ? "solid"
                                           : style == PenStyle::DashDotDot ? "dashDotDot"
                                           : style == PenStyle::Dash       ? "dash"
                                                                           : "clear"));
    }
    void setPenWidth(int width) override { record("penWidth " + std::to_string(width)); }
    void setBrushColor(Rgb color) override { record("brushColor " + hex(color)); }
    void setBrushStyle(BrushStyle style) override {
        record(std::string("brushStyle ") + (style == BrushStyle::Solid ? "solid" : "clear"));
    }
    void setFont(const FontSpec& font) override {
        font_ = font;
        record("font '" + font.face + "' " + std::to_string(font.pointSize) + "pt" + (font.bold ? " bold" : "") +
               (font.italic ? " italic" : "") + (font.escapement ? " esc " + std::to_string(font.escapement) : ""));
    }
    FontSpec font() const override { return font_; }
    void setFontColor(Rgb color) override { record("fontColor " + hex(color)); }
    void fillRect(int l, int t, int r, int b) override { record("fillRect" + nums({l, t, r, b})); }
    void moveTo(int x, int y) override { record("moveTo" + nums({x, y})); }
    void lineTo(int x, int y) override { record("lineTo" + nums({x, y})); }
    void arc(int l, int t, int r, int b, int x1, int y1, int x2, int y2) override {
        record("arc" + nums({l, t, r, b, x1, y1, x2, y2}));
    }
    void pie(int l, int t, int r, int b, int x1, int y1, int x2, int y2) override {
        record("pie" + nums({l, t, r, b, x1, y1, x2, y2}));
    }
    void ellipse(int l, int t, int r, int b) override { record("ellipse" + nums({l, t, r, b})); }
    void textOut(int x, int y, const std::string& text) override {
        record("textOut" + nums({x, y}) + " '" + text + "'");
    }
    int textWidth(const std::string& text) override { return charWidth * static_cast<int>(text.size()); }
    int textHeight(const std::string&) override { return lineHeight; }

  private:
    void record(std::string line) { calls.push_back(std::move(line)); }
    static std::string hex(Rgb c) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "#%06X", static_cast<unsigned>(c & 0xFFFFFF));
        return buf;
    }
    static std::string nums(std::initializer_list<int> values) {
        std::string s;
        for (int v : values) s += " " + std::to_string(v);
        return s;
    }

    int width_;
    int height_;
    FontSpec font_;
};

}  // namespace rorovovo::chart
