#pragma once

#include <QPainterPath>
#include <QPoint>

#include "chart/qt_geometry.h"
#include "chart/surface.h"

class QPainter;

namespace rorovovo::chart {

// A surface over any QPainter (an image, an SVG or PDF file, a printer), in logical units that the painter may
// scale. Drawing stays vector: the arcs drawn one after another in the same pen join into one path, so a curve is
// one stroke in the file and its dash pattern runs on unbroken. Drawing is clipped to width x height.
class PainterSurface : public Surface {
  public:
    PainterSurface(QPainter& painter, int width, int height);
    ~PainterSurface() override;

    // Strokes the pending path; drawing calls and pen changes do this by themselves.
    void flush();

    int width() const override { return width_; }
    int height() const override { return height_; }
    void setPenColor(Rgb color) override;
    void setPenStyle(PenStyle style) override;
    void setPenWidth(int width) override;
    void setBrushColor(Rgb color) override;
    void setBrushStyle(BrushStyle style) override;
    void setFont(const FontSpec& font) override;
    FontSpec font() const override { return state_.font; }
    void setFontColor(Rgb color) override { state_.fontColor = color; }
    void fillRect(int left, int top, int right, int bottom) override;
    void moveTo(int x, int y) override { state_.position = QPoint(x, y); }
    void lineTo(int x, int y) override;
    void arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) override;
    void pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void textOut(int x, int y, const std::string& utf8) override;
    int textWidth(const std::string& utf8) override;
    int textHeight(const std::string& utf8) override;

  private:
    void applyPen();
    void applyBrush();
    QFont qfont() const;

    QPainter& p_;
    int width_;
    int height_;
    detail::DrawingState state_;
    QPainterPath pending_;
};

}  // namespace rorovovo::chart
