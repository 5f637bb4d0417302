#include "chart/painter_surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include "chart/qt_geometry.h"

namespace rorovovo::chart {

using detail::arcAngles, detail::outlineRect, detail::toQColor;

namespace {

// Pixel centres, so a one-unit pen covers whole pixels at any whole scale.
QPointF centre(QPoint p) { return QPointF(p.x() + 0.5, p.y() + 0.5); }

}  // namespace

PainterSurface::PainterSurface(QPainter& painter, int width, int height) : p_(painter), width_(width), height_(height) {
    p_.save();
    p_.setClipRect(QRect(0, 0, width, height), Qt::IntersectClip);
}

PainterSurface::~PainterSurface() {
    flush();
    p_.restore();
}

void PainterSurface::flush() {
    if (pending_.isEmpty()) return;
    applyPen();
    p_.setBrush(Qt::NoBrush);
    p_.drawPath(pending_);
    pending_ = QPainterPath();
}

void PainterSurface::setPenColor(Rgb color) {
    if (color != state_.penColor) flush();
    state_.penColor = color;
}

void PainterSurface::setPenStyle(PenStyle style) {
    if (style != state_.penStyle) flush();
    state_.penStyle = style;
}

void PainterSurface::setPenWidth(int width) {
    flush();
    state_.penWidth = std::max(width, 1);
}

void PainterSurface::setBrushColor(Rgb color) { state_.brushColor = color; }
void PainterSurface::setBrushStyle(BrushStyle style) { state_.brushStyle = style; }
void PainterSurface::setFont(const FontSpec& font) { state_.font = font; }

void PainterSurface::applyPen() {
    if (state_.penStyle == PenStyle::Clear) {
        p_.setPen(Qt::NoPen);
        return;
    }
    QPen pen(toQColor(state_.penColor), state_.penWidth);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    detail::setDashes(pen, state_.penStyle);
    p_.setPen(pen);
}

void PainterSurface::applyBrush() { p_.setBrush(state_.brush()); }

QFont PainterSurface::qfont() const { return detail::toQFont(state_.font); }

void PainterSurface::fillRect(int left, int top, int right, int bottom) {
    flush();
    if (right <= left || bottom <= top) return;
    p_.fillRect(QRect(left, top, right - left, bottom - top), toQColor(state_.brushColor));
}

void PainterSurface::lineTo(int x, int y) {
    flush();
    const QPoint from = state_.position;
    state_.position = QPoint(x, y);
    if (state_.penStyle == PenStyle::Clear || from == state_.position) return;
    applyPen();
    p_.drawLine(centre(from), centre(state_.position));
}

void PainterSurface::arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
    if (state_.penStyle == PenStyle::Clear || right - left < 1 || bottom - top < 1) return;
    const QRectF r = outlineRect(left, top, right, bottom);
    int start = 0, span = 0;
    arcAngles(r, x1, y1, x2, y2, start, span);
    QPainterPath piece;
    piece.arcMoveTo(r, start / 16.0);
    // An arc that starts where the last one ended continues the same stroke.
    if (pending_.isEmpty() || QLineF(pending_.currentPosition(), piece.currentPosition()).length() > 1.0)
        pending_.moveTo(piece.currentPosition());
    pending_.arcTo(r, start / 16.0, span / 16.0);
}

void PainterSurface::pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
    flush();
    if (right - left < 1 || bottom - top < 1) return;
    const QRectF r = state_.penStyle == PenStyle::Clear ? QRectF(left, top, right - left, bottom - top)
                                                        : outlineRect(left, top, right, bottom);
    int start = 0, span = 0;
    arcAngles(r, x1, y1, x2, y2, start, span);
    applyPen();
    applyBrush();
    p_.drawPie(r, start, span);
}

void PainterSurface::ellipse(int left, int top, int right, int bottom) {
    flush();
    if (right - left < 1 || bottom - top < 1) return;
    applyPen();
    applyBrush();
    p_.drawEllipse(state_.penStyle == PenStyle::Clear ? QRectF(left, top, right - left, bottom - top)
                                                      : outlineRect(left, top, right, bottom));
}

void PainterSurface::textOut(int x, int y, const std::string& utf8) {
    flush();
    detail::drawTextCall(p_, detail::textCall(state_, qfont(), x, y, QString::fromStdString(utf8)));
}

int PainterSurface::textWidth(const std::string& utf8) {
    return QFontMetrics(qfont()).horizontalAdvance(QString::fromStdString(utf8));
}

int PainterSurface::textHeight(const std::string&) { return QFontMetrics(qfont()).height(); }

}  // namespace rorovovo::chart
