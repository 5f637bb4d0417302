#pragma once

#include <QImage>
#include <functional>
#include <memory>

#include "chart/surface.h"

class QPainter;
class QRect;

namespace rorovovo::chart {

// A surface over an off-screen image, drawn with QPainter. Picture controls show its image.
// Coordinates are logical pixels; the image holds devicePixelRatio device pixels to each of them, so a screen
// scaled by two gets a picture drawn at its own resolution rather than a doubled one.
class QImageSurface : public Surface {
  public:
    // A white image of the given logical size.
    QImageSurface(int width, int height, double devicePixelRatio = 1.0);
    ~QImageSurface() override;

    // The whole picture. A wide picture keeps its drawing calls instead of pixels; reading it draws them once.
    const QImage& image() const;
    // Draws the part of the picture under `area` (logical pixels) at the same place, one picture pixel to each
    // device pixel; of a wide picture, only the calls that reach that part.
    void paint(QPainter& painter, const QRect& area);
    // Replaces the image with a white one of the new size; pen, brush and font are kept.
    void resize(int width, int height);
    // Takes over the image's pixels, logical size and pixel ratio.
    void setImage(const QImage& image);
    double devicePixelRatio() const;
    // Called after every drawing call, so a control can schedule a repaint.
    void setChangedCallback(std::function<void()> callback);

    int width() const override;
    int height() const override;
    void setPenColor(Rgb color) override;
    void setPenStyle(PenStyle style) override;
    void setPenWidth(int width) override;
    void setBrushColor(Rgb color) override;
    void setBrushStyle(BrushStyle style) override;
    void setFont(const FontSpec& font) override;
    FontSpec font() const override;
    void setFontColor(Rgb color) override;
    void fillRect(int left, int top, int right, int bottom) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) override;
    void pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void textOut(int x, int y, const std::string& utf8) override;
    int textWidth(const std::string& utf8) override;
    int textHeight(const std::string& utf8) override;

  private:
    struct State;
    std::unique_ptr<State> d_;
};

}  // namespace rorovovo::chart
