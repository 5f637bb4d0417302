#include "chart/qimage_surface.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <climits>
#include <cmath>

#include "chart/qt_geometry.h"

namespace rorovovo::chart {

namespace {

constexpr double kPi = 3.14159265358979323846;

using detail::arcAngles, detail::outlineRect, detail::toQColor;

}  // namespace

struct QImageSurface::State {
    QImage image;
    double dpr = 1.0;
    int width = 0, height = 0;  // logical
    // Opened by the first drawing call and closed when the image is read, so that a caller's copy of the image never
    // shares pixels with an active painter.
    QPainter painter;
    std::function<void()> changed;

    Rgb penColor = 0x000000;
    PenStyle penStyle = PenStyle::Solid;
    int penWidth = 1;
    Rgb brushColor = 0xFFFFFF;
    BrushStyle brushStyle = BrushStyle::Solid;
    FontSpec font;
    Rgb fontColor = 0x000000;
    QPoint position;

    bool penDirty = true;
    bool brushDirty = true;
    bool fontDirty = true;
    QFont qfont;

    QPainter& paint() {
        if (!painter.isActive()) {
            painter.begin(&image);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setRenderHint(QPainter::TextAntialiasing, false);
            penDirty = brushDirty = true;
        }
        return painter;
    }

    void finish() {
        if (painter.isActive()) painter.end();
    }

    void notify() {
        if (changed) changed();
    }

    QPen qpen() const {
        if (penStyle == PenStyle::Clear) return QPen(Qt::NoPen);
        QPen pen(toQColor(penColor));
        if (penWidth <= 1) {
            // One logical pixel: a cosmetic pen on a plain image, and as many device pixels as the ratio gives
            // otherwise (a cosmetic pen would be one device pixel, half a line on a doubled screen).
            pen.setWidth(dpr == 1.0 ? 0 : 1);
            // The excluded end point of a line, as lineTo draws it.
            pen.setCapStyle(Qt::FlatCap);
        } else {
            pen.setWidth(penWidth);
            pen.setCapStyle(Qt::RoundCap);
            pen.setJoinStyle(Qt::RoundJoin);
        }
        detail::setDashes(pen, penStyle);
        return pen;
    }

    // Thin arcs are walked pixel by pixel straight into the image: the chart's curves must stay unbroken up to the
    // image's edges and keep their dash pattern, and the painter's clipped cosmetic strokes lose pixels there.
    // On a scaled image the walk runs in device pixels and stamps a square as wide as one logical pixel, so the curve
    // keeps its logical width yet follows its true shape within each logical pixel.
    void plotArc(const QRectF& r, int start16, int span16) {
        const double cx = r.center().x() * dpr, cy = r.center().y() * dpr;
        const double rx = r.width() / 2.0 * dpr, ry = r.height() / 2.0 * dpr;
        const int dot = std::max(1, static_cast<int>(std::lround(dpr)));
        // The square is centred on the curve, as the single pixel is.
        const double shift = (dot - 1) / 2.0;
        const double t0 = start16 / 16.0 * kPi / 180.0;
        const double span = span16 / 16.0 * kPi / 180.0;
        // At most one pixel of travel per step keeps consecutive samples in touching pixels.
        const int steps = std::max(1, static_cast<int>(std::ceil(span * std::max({rx, ry, 1.0}))));
        // The angle advances by a fixed rotation instead of a cosine and sine per step.
        const double stepCos = std::cos(span / steps), stepSin = std::sin(span / steps);
        double c = std::cos(t0), sn = std::sin(t0);
        const QRgb color = 0xFF000000u | penColor;
        const int w = image.width(), h = image.height();
        const bool dashed = penStyle == PenStyle::DashDotDot || penStyle == PenStyle::Dash;
        const int* pattern = penStyle == PenStyle::Dash ? detail::kDashPattern : detail::kDashDotDotPattern;
        const int patternLength = penStyle == PenStyle::Dash ? 2 : 6;
        int patternIndex = 0, patternLeft = pattern[0] * dot;
        uchar* bits = image.bits();
        const qsizetype stride = image.bytesPerLine();
        auto put = [&](QPoint q) {
            bool ink = true;
            if (dashed) {
                ink = patternIndex % 2 == 0;
                if (--patternLeft == 0) {
                    patternIndex = (patternIndex + 1) % patternLength;
                    patternLeft = pattern[patternIndex] * dot;
                }
            }
            if (!ink) return;
            for (int y = std::max(q.y(), 0); y < std::min(q.y() + dot, h); ++y)
                for (int x = std::max(q.x(), 0); x < std::min(q.x() + dot, w); ++x)
                    reinterpret_cast<QRgb*>(bits + y * stride)[x] = color;
        };
        // A pixel is held back until the next one shows whether it is only the inner corner of a diagonal step.
        QPoint written(INT_MIN / 2, INT_MIN / 2), pending(INT_MIN / 2, INT_MIN / 2);
        bool hasPending = false;
        for (int i = 0; i <= steps; ++i) {
            const QPoint q(static_cast<int>(std::floor(cx + rx * c - shift)),
                           static_cast<int>(std::floor(cy - ry * sn - shift)));
            const double nextC = c * stepCos - sn * stepSin;
            sn = sn * stepCos + c * stepSin;
            c = nextC;
            if (hasPending && q == pending) continue;
            if (hasPending) {
                if (std::abs(q.x() - written.x()) <= 1 && std::abs(q.y() - written.y()) <= 1) {
                    pending = q;
                    continue;
                }
                put(pending);
                written = pending;
            }
            pending = q;
            hasPending = true;
        }
        if (hasPending) put(pending);
    }

    void applyPen() {
        if (penDirty) {
            painter.setPen(qpen());
            penDirty = false;
        }
    }

    void applyBrush() {
        if (brushDirty) {
            if (brushStyle == BrushStyle::Solid)
                painter.setBrush(toQColor(brushColor));
            else
                painter.setBrush(Qt::NoBrush);
            brushDirty = false;
        }
    }

    const QFont& currentFont() {
        if (fontDirty) {
            qfont = detail::toQFont(font);
            // Crisp letters, as the desktop draws small text, so the marker's engraved edge stays one pixel.
            qfont.setStyleStrategy(QFont::NoAntialias);
            fontDirty = false;
        }
        return qfont;
    }
};

QImageSurface::QImageSurface(int width, int height, double devicePixelRatio) : d_(std::make_unique<State>()) {
    d_->dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    resize(width, height);
}

QImageSurface::~QImageSurface() { d_->finish(); }

const QImage& QImageSurface::image() const {
    d_->finish();
    return d_->image;
}

void QImageSurface::resize(int width, int height) {
    d_->finish();
    d_->width = std::max(width, 0);
    d_->height = std::max(height, 0);
    d_->image = QImage(static_cast<int>(std::ceil(d_->width * d_->dpr)),
                       static_cast<int>(std::ceil(d_->height * d_->dpr)), QImage::Format_RGB32);
    d_->image.setDevicePixelRatio(d_->dpr);
    d_->image.fill(Qt::white);
    d_->notify();
}

void QImageSurface::setImage(const QImage& image) {
    d_->finish();
    d_->image = image.convertToFormat(QImage::Format_RGB32);
    d_->dpr = image.devicePixelRatio();
    const QSizeF size = image.deviceIndependentSize();
    d_->width = static_cast<int>(std::lround(size.width()));
    d_->height = static_cast<int>(std::lround(size.height()));
    d_->notify();
}

double QImageSurface::devicePixelRatio() const { return d_->dpr; }

void QImageSurface::setChangedCallback(std::function<void()> callback) { d_->changed = std::move(callback); }

int QImageSurface::width() const { return d_->width; }
int QImageSurface::height() const { return d_->height; }

void QImageSurface::setPenColor(Rgb color) {
    d_->penColor = color;
    d_->penDirty = true;
}

void QImageSurface::setPenStyle(PenStyle style) {
    d_->penStyle = style;
    d_->penDirty = true;
}

void QImageSurface::setPenWidth(int width) {
    d_->penWidth = std::max(width, 1);
    d_->penDirty = true;
}

void QImageSurface::setBrushColor(Rgb color) {
    d_->brushColor = color;
    d_->brushDirty = true;
}

void QImageSurface::setBrushStyle(BrushStyle style) {
    d_->brushStyle = style;
    d_->brushDirty = true;
}

void QImageSurface::setFont(const FontSpec& font) {
    d_->font = font;
    d_->fontDirty = true;
}

FontSpec QImageSurface::font() const { return d_->font; }

void QImageSurface::setFontColor(Rgb color) { d_->fontColor = color; }

void QImageSurface::fillRect(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    d_->paint().fillRect(QRect(left, top, right - left, bottom - top), toQColor(d_->brushColor));
    d_->notify();
}

void QImageSurface::moveTo(int x, int y) { d_->position = QPoint(x, y); }

void QImageSurface::lineTo(int x, int y) {
    const QPoint from = d_->position;
    d_->position = QPoint(x, y);
    if (d_->penStyle == PenStyle::Clear || from == d_->position) return;
    QPainter& p = d_->paint();
    if (d_->penStyle == PenStyle::Solid && d_->penWidth <= 1 && (from.x() == x || from.y() == y)) {
        // Straight lines, the bulk of the chart's grid, go as plain fills.
        QRect r;
        if (from.x() == x)
            r = from.y() < y ? QRect(x, from.y(), 1, y - from.y()) : QRect(x, y + 1, 1, from.y() - y);
        else
            r = from.x() < x ? QRect(from.x(), y, x - from.x(), 1) : QRect(x + 1, y, from.x() - x, 1);
        p.fillRect(r, toQColor(d_->penColor));
    } else {
        d_->applyPen();
        p.drawLine(from, d_->position);
    }
    d_->notify();
}

void QImageSurface::arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
    if (d_->penStyle == PenStyle::Clear || right - left < 1 || bottom - top < 1) return;
    const QRectF r = outlineRect(left, top, right, bottom);
    int start = 0, span = 0;
    arcAngles(r, x1, y1, x2, y2, start, span);
    if (d_->penWidth <= 1) {
        d_->plotArc(r, start, span);
    } else {
        QPainter& p = d_->paint();
        d_->applyPen();
        p.drawArc(r, start, span);
    }
    d_->notify();
}

void QImageSurface::pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
    if (right - left < 1 || bottom - top < 1) return;
    QPainter& p = d_->paint();
    d_->applyPen();
    d_->applyBrush();
    if (d_->penStyle == PenStyle::Clear) {
        const QRectF r(left, top, right - left, bottom - top);
        int start = 0, span = 0;
        arcAngles(r, x1, y1, x2, y2, start, span);
        p.drawPie(r, start, span);
    } else {
        const QRectF r = outlineRect(left, top, right, bottom);
        int start = 0, span = 0;
        arcAngles(r, x1, y1, x2, y2, start, span);
        p.drawPie(r, start, span);
    }
    d_->notify();
}

void QImageSurface::ellipse(int left, int top, int right, int bottom) {
    if (right - left < 1 || bottom - top < 1) return;
    QPainter& p = d_->paint();
    d_->applyPen();
    d_->applyBrush();
    if (d_->penStyle == PenStyle::Clear)
        p.drawEllipse(QRectF(left, top, right - left, bottom - top));
    else
        p.drawEllipse(outlineRect(left, top, right, bottom));
    d_->notify();
}

void QImageSurface::textOut(int x, int y, const std::string& utf8) {
    const QString text = QString::fromStdString(utf8);
    QPainter& p = d_->paint();
    const QFont& f = d_->currentFont();
    p.setFont(f);
    const QFontMetrics fm(f);
    const int w = fm.horizontalAdvance(text);
    const int h = fm.height();
    p.save();
    p.translate(x, y);
    if (d_->font.escapement != 0) p.rotate(-d_->font.escapement / 10.0);
    if (d_->brushStyle == BrushStyle::Solid) p.fillRect(QRect(0, 0, w, h), toQColor(d_->brushColor));
    p.setPen(toQColor(d_->fontColor));
    p.drawText(0, fm.ascent(), text);
    p.restore();
    d_->penDirty = d_->brushDirty = true;
    d_->notify();
}

int QImageSurface::textWidth(const std::string& utf8) {
    return QFontMetrics(d_->currentFont()).horizontalAdvance(QString::fromStdString(utf8));
}

int QImageSurface::textHeight(const std::string&) { return QFontMetrics(d_->currentFont()).height(); }

}  // namespace rorovovo::chart
