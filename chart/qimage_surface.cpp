#include "chart/qimage_surface.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include "chart/qt_geometry.h"

namespace rorovovo::chart {

namespace {

constexpr double kPi = 3.14159265358979323846;

using detail::arcAngles, detail::outlineRect, detail::toQColor;

// Where a drawing call goes: the surface's own image, or a painter onto the screen. Calls draw through the painter;
// thin arcs go straight into the image's pixels where there is one.
struct Target {
    QPainter* painter = nullptr;
    QImage* image = nullptr;
    QRect shown;  // the device pixels that can change, for arcs drawn onto the screen
};

// A picture this many logical pixels wide or wider (the chart strip is its window plus 3000 pixels) keeps no image: it
// keeps its drawing calls and draws those that reach the part on show straight onto the screen, so what a user never
// scrolls to costs neither memory nor drawing time. Reading the image makes it.
constexpr int kRecordedWidth = 512;
constexpr int kEverywhere = INT_MAX / 4;

// A drawing call as kept: the logical columns it may touch, and the drawing itself.
struct Op {
    int left, right;  // [left, right)
    std::function<void(const Target&)> draw;
};

}  // namespace

struct QImageSurface::State : detail::DrawingState {
    double dpr = 1.0;
    int width = 0, height = 0;  // logical
    QImage image;               // the picture, unless it is recorded
    // Opened by the first drawing call and closed when the image is read, so that a caller's copy of the image never
    // shares pixels with an active painter.
    QPainter painter;
    bool recorded = false;
    // The drawing calls since the picture was last cleared, in order, while it is recorded.
    std::vector<Op> ops;
    std::function<void()> changed;

    bool fontDirty = true;
    QFont qfont;

    void clear(int w, int h) {
        finish();
        width = std::max(w, 0);
        height = std::max(h, 0);
        ops.clear();
        image = QImage();
        // A scaled screen of a ratio that is no whole number maps logical pixels to device pixels unevenly, so the
        // screen and an image would not agree pixel for pixel there.
        recorded = width >= kRecordedWidth && dpr == std::round(dpr);
        if (!recorded) image = whiteImage();
    }

    QImage whiteImage() const {
        QImage white(static_cast<int>(std::ceil(width * dpr)), static_cast<int>(std::ceil(height * dpr)),
                     QImage::Format_RGB32);
        white.setDevicePixelRatio(dpr);
        white.fill(Qt::white);
        return white;
    }

    static void prepare(QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
    }

    Target imageTarget() {
        if (!painter.isActive()) {
            painter.begin(&image);
            prepare(painter);
        }
        return {&painter, &image, image.rect()};
    }

    void finish() {
        if (painter.isActive()) painter.end();
    }

    // Draws on the image, or keeps the call for when the picture is shown.
    void draw(int left, int right, std::function<void(const Target&)> fn) {
        if (recorded) {
            ops.push_back({left, right, std::move(fn)});
        } else {
            fn(imageTarget());
        }
        if (changed) changed();
    }

    // Makes the image of a recorded picture, as a caller that reads the image expects it.
    void makeImage() {
        if (!recorded) return;
        image = whiteImage();
        const Target t = imageTarget();
        for (const Op& op : ops) op.draw(t);
        ops.clear();
        ops.shrink_to_fit();
        recorded = false;
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

    // How far a pen's stroke may reach past the line it follows, in logical pixels.
    int reach() const { return penWidth + 1; }

    // Thin arcs are walked pixel by pixel straight into the image: the chart's curves must stay unbroken up to the
    // image's edges and keep their dash pattern, and the painter's clipped cosmetic strokes lose pixels there.
    // On a scaled image the walk runs in device pixels and stamps a square as wide as one logical pixel, so the curve
    // keeps its logical width yet follows its true shape within each logical pixel. Onto the screen each pixel goes as
    // a filled square of the same device pixels.
    static void plotArc(const Target& target, const QRectF& r, int start16, int span16, Rgb penColor, PenStyle penStyle,
                        double dpr) {
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
        const QColor screenColor = toQColor(penColor);
        const detail::DashPattern dashes = detail::dashPattern(penStyle);
        const bool dashed = dashes.count > 0;
        const int* pattern = dashes.lengths;
        const int patternLength = dashes.count;
        int patternIndex = 0, patternLeft = dashed ? pattern[0] * dot : 0;
        QImage* image = target.image;
        uchar* bits = image ? image->bits() : nullptr;
        const qsizetype stride = image ? image->bytesPerLine() : 0;
        const int w = image ? image->width() : 0, h = image ? image->height() : 0;
        std::vector<QRect> onScreen;  // device pixels
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
            if (!image) {
                // Most of a crest's ellipse lies outside the chart; only what can show is filled.
                if (q.x() + dot <= target.shown.left() || q.x() > target.shown.right() ||
                    q.y() + dot <= target.shown.top() || q.y() > target.shown.bottom())
                    return;
                // Squares along a row or down a column join into one rectangle, so a flat stretch or a steep flank
                // of the curve is one fill.
                const QRect square(q, QSize(dot, dot));
                if (!onScreen.empty()) {
                    QRect& run = onScreen.back();
                    if (run.height() == dot && run.top() == q.y() && run.right() + 1 == q.x()) {
                        run.setRight(square.right());
                        return;
                    }
                    if (run.width() == dot && run.left() == q.x() && run.bottom() + 1 == q.y()) {
                        run.setBottom(square.bottom());
                        return;
                    }
                }
                onScreen.push_back(square);
                return;
            }
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
        if (!onScreen.empty()) {
            QPainter& p = *target.painter;
            p.save();
            p.setPen(Qt::NoPen);
            p.setBrush(screenColor);
            std::vector<QRectF> logical;
            logical.reserve(onScreen.size());
            for (const QRect& run : onScreen)
                logical.emplace_back(run.x() / dpr, run.y() / dpr, run.width() / dpr, run.height() / dpr);
            p.drawRects(logical.data(), static_cast<int>(logical.size()));
            p.restore();
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
    d_->makeImage();
    d_->finish();
    return d_->image;
}

void QImageSurface::paint(QPainter& painter, const QRect& area) {
    const QRect shown = area & QRect(0, 0, d_->width, d_->height);
    if (shown.isEmpty()) return;
    const double r = d_->dpr;
    const QRect device(QPoint(static_cast<int>(shown.left() * r), static_cast<int>(shown.top() * r)),
                       QSize(static_cast<int>(shown.width() * r), static_cast<int>(shown.height() * r)));
    if (!d_->recorded) {
        d_->finish();
        painter.drawImage(QRectF(shown), d_->image, QRectF(device));
        return;
    }
    painter.save();
    painter.setClipRect(shown, Qt::IntersectClip);
    State::prepare(painter);
    painter.fillRect(shown, Qt::white);
    const Target screen{&painter, nullptr, device};
    for (const Op& op : d_->ops)
        if (op.left <= shown.right() && op.right > shown.left()) op.draw(screen);
    painter.restore();
}

void QImageSurface::resize(int width, int height) {
    d_->clear(width, height);
    if (d_->changed) d_->changed();
}

void QImageSurface::setImage(const QImage& image) {
    d_->clear(0, 0);
    d_->image = image.convertToFormat(QImage::Format_RGB32);
    d_->dpr = image.devicePixelRatio();
    const QSizeF size = image.deviceIndependentSize();
    d_->width = static_cast<int>(std::lround(size.width()));
    d_->height = static_cast<int>(std::lround(size.height()));
    if (d_->changed) d_->changed();
}

double QImageSurface::devicePixelRatio() const { return d_->dpr; }

void QImageSurface::setChangedCallback(std::function<void()> callback) { d_->changed = std::move(callback); }

int QImageSurface::width() const { return d_->width; }
int QImageSurface::height() const { return d_->height; }

void QImageSurface::setPenColor(Rgb color) { d_->penColor = color; }

void QImageSurface::setPenStyle(PenStyle style) { d_->penStyle = style; }

void QImageSurface::setPenWidth(int width) { d_->penWidth = std::max(width, 1); }

void QImageSurface::setBrushColor(Rgb color) { d_->brushColor = color; }

void QImageSurface::setBrushStyle(BrushStyle style) { d_->brushStyle = style; }

void QImageSurface::setFont(const FontSpec& font) {
    d_->font = font;
    d_->fontDirty = true;
}

FontSpec QImageSurface::font() const { return d_->font; }

void QImageSurface::setFontColor(Rgb color) { d_->fontColor = color; }

void QImageSurface::fillRect(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    // What lies under a fill of the whole picture is never seen again.
    if (left <= 0 && top <= 0 && right >= d_->width && bottom >= d_->height) d_->ops.clear();
    const QRect r(left, top, right - left, bottom - top);
    const QColor color = toQColor(d_->brushColor);
    d_->draw(left, right, [r, color](const Target& t) { t.painter->fillRect(r, color); });
}

void QImageSurface::moveTo(int x, int y) { d_->position = QPoint(x, y); }

void QImageSurface::lineTo(int x, int y) {
    const QPoint from = d_->position;
    d_->position = QPoint(x, y);
    if (d_->penStyle == PenStyle::Clear || from == d_->position) return;
    if (d_->penStyle == PenStyle::Solid && d_->penWidth <= 1 && (from.x() == x || from.y() == y)) {
        // Straight lines, the bulk of the chart's grid, go as plain fills.
        QRect r;
        if (from.x() == x)
            r = from.y() < y ? QRect(x, from.y(), 1, y - from.y()) : QRect(x, y + 1, 1, from.y() - y);
        else
            r = from.x() < x ? QRect(from.x(), y, x - from.x(), 1) : QRect(x + 1, y, from.x() - x, 1);
        const QColor color = toQColor(d_->penColor);
        d_->draw(r.left(), r.right() + 1, [r, color](const Target& t) { t.painter->fillRect(r, color); });
    } else {
        const QPoint to = d_->position;
        const int reach = d_->reach();
        d_->draw(std::min(from.x(), x) - reach, std::max(from.x(), x) + reach + 1,
                 [from, to, pen = d_->qpen()](const Target& t) {
                     QPainter& p = *t.painter;
                     p.setPen(pen);
                     p.drawLine(from, to);
                 });
    }
}

void QImageSurface::arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
    if (d_->penStyle == PenStyle::Clear || right - left < 1 || bottom - top < 1) return;
    const QRectF r = outlineRect(left, top, right, bottom);
    int start = 0, span = 0;
    arcAngles(r, x1, y1, x2, y2, start, span);
    const int reach = d_->reach();
    if (d_->penWidth <= 1) {
        d_->draw(left - reach, right + reach,
                 [r, start, span, color = d_->penColor, style = d_->penStyle, dpr = d_->dpr](const Target& t) {
                     State::plotArc(t, r, start, span, color, style, dpr);
                 });
    } else {
        d_->draw(left - reach, right + reach, [r, start, span, pen = d_->qpen()](const Target& t) {
            QPainter& p = *t.painter;
            p.setPen(pen);
            p.drawArc(r, start, span);
        });
    }
}

void QImageSurface::pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
    if (right - left < 1 || bottom - top < 1) return;
    const QRectF r = d_->penStyle == PenStyle::Clear ? QRectF(left, top, right - left, bottom - top)
                                                     : outlineRect(left, top, right, bottom);
    int start = 0, span = 0;
    arcAngles(r, x1, y1, x2, y2, start, span);
    const int reach = d_->reach();
    d_->draw(left - reach, right + reach, [r, start, span, pen = d_->qpen(), brush = d_->brush()](const Target& t) {
        QPainter& p = *t.painter;
        p.setPen(pen);
        p.setBrush(brush);
        p.drawPie(r, start, span);
    });
}

void QImageSurface::ellipse(int left, int top, int right, int bottom) {
    if (right - left < 1 || bottom - top < 1) return;
    const QRectF r = d_->penStyle == PenStyle::Clear ? QRectF(left, top, right - left, bottom - top)
                                                     : outlineRect(left, top, right, bottom);
    const int reach = d_->reach();
    d_->draw(left - reach, right + reach, [r, pen = d_->qpen(), brush = d_->brush()](const Target& t) {
        QPainter& p = *t.painter;
        p.setPen(pen);
        p.setBrush(brush);
        p.drawEllipse(r);
    });
}

void QImageSurface::textOut(int x, int y, const std::string& utf8) {
    const detail::TextCall call = detail::textCall(*d_, d_->currentFont(), x, y, QString::fromStdString(utf8));
    // Turned text may reach anywhere; upright text stays within its cell, give or take a slanted letter.
    const int left = call.angle != 0.0 ? -kEverywhere : x - call.cell.height();
    const int right = call.angle != 0.0 ? kEverywhere : x + call.cell.width() + call.cell.height();
    d_->draw(left, right, [call](const Target& t) { detail::drawTextCall(*t.painter, call); });
}

int QImageSurface::textWidth(const std::string& utf8) {
    return QFontMetrics(d_->currentFont()).horizontalAdvance(QString::fromStdString(utf8));
}

int QImageSurface::textHeight(const std::string&) { return QFontMetrics(d_->currentFont()).height(); }

}  // namespace rorovovo::chart
