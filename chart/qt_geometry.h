#pragma once

// Shared by the surfaces that draw with QPainter: colours, fonts, dashes and the arc geometry of the Surface
// interface.
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QString>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

#include "chart/surface.h"

namespace rorovovo::chart::detail {

inline QColor toQColor(Rgb c) { return QColor::fromRgb((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

// Angle in sixteenths of a degree, as QPainter takes it, of the ellipse parameter whose point lies on the ray from
// the centre through (x, y). A point at the centre itself stands for the 3 o'clock direction.
inline double parametricAngle16(const QRectF& r, int x, int y) {
    constexpr double kPi = 3.14159265358979323846;
    const double dx = x - r.center().x();
    const double dy = y - r.center().y();
    if (std::abs(dx) < 0.5 && std::abs(dy) < 0.5) return 0.0;
    const double rx = std::max(r.width() / 2.0, 0.5);
    const double ry = std::max(r.height() / 2.0, 0.5);
    return std::atan2(-dy / ry, dx / rx) * 180.0 / kPi * 16.0;
}

// Counterclockwise sweep from the first ray to the second; equal rays give the whole ellipse.
inline void arcAngles(const QRectF& r, int x1, int y1, int x2, int y2, int& start, int& span) {
    const double a1 = parametricAngle16(r, x1, y1);
    const double a2 = parametricAngle16(r, x2, y2);
    double sweep = std::fmod(a2 - a1, 360.0 * 16.0);
    if (sweep < 0) sweep += 360.0 * 16.0;
    if (std::lround(sweep) == 0) sweep = 360.0 * 16.0;
    start = static_cast<int>(std::lround(a1));
    span = static_cast<int>(std::lround(sweep));
}

// An outline runs through the centres of the outermost pixels of the rectangle, right and bottom edges excluded.
// Centres rather than pixel corners keep the rasteriser from rounding the far side inward.
inline QRectF outlineRect(int left, int top, int right, int bottom) {
    return QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1);
}

// Dash patterns in pen widths, dash and gap alternating; none for a solid or a clear pen.
struct DashPattern {
    const int* lengths = nullptr;
    int count = 0;
};
inline DashPattern dashPattern(PenStyle style) {
    static constexpr int dashDotDot[] = {9, 3, 3, 3, 3, 3}, dash[] = {8, 4}, dot[] = {2, 3}, dashDot[] = {9, 3, 3, 3},
                         longDash[] = {16, 5};
    switch (style) {
        case PenStyle::DashDotDot:
            return {dashDotDot, 6};
        case PenStyle::Dash:
            return {dash, 2};
        case PenStyle::Dot:
            return {dot, 2};
        case PenStyle::DashDot:
            return {dashDot, 4};
        case PenStyle::LongDash:
            return {longDash, 2};
        case PenStyle::Solid:
        case PenStyle::Clear:
            break;
    }
    return {};
}

// The dash pattern of a pen style on a pen; solid and clear pens keep theirs.
inline void setDashes(QPen& pen, PenStyle style) {
    const DashPattern d = dashPattern(style);
    if (d.count) pen.setDashPattern(QList<qreal>(d.lengths, d.lengths + d.count));
}

// What a surface keeps between drawing calls: pen, brush, font and the current position, as a new surface starts.
struct DrawingState {
    Rgb penColor = 0x000000;
    PenStyle penStyle = PenStyle::Solid;
    int penWidth = 1;
    Rgb brushColor = 0xFFFFFF;
    BrushStyle brushStyle = BrushStyle::Solid;
    FontSpec font;
    Rgb fontColor = 0x000000;
    QPoint position;

    QBrush brush() const {
        return brushStyle == BrushStyle::Solid ? QBrush(toQColor(brushColor)) : QBrush(Qt::NoBrush);
    }
};

// A textOut as both surfaces draw it: the text's cell has its top-left corner at `at`, turned counterclockwise by
// the font's escapement about that corner, and is filled first when the brush is solid.
struct TextCall {
    QString text;
    QFont font;
    QPoint at;
    double angle;  // degrees, clockwise as QPainter turns
    QRect cell;    // in the text's own turned coordinates
    int ascent;
    QColor fill;  // invalid: no fill
    QColor color;
};

inline TextCall textCall(const DrawingState& state, const QFont& font, int x, int y, const QString& text) {
    const QFontMetrics fm(font);
    return {text,
            font,
            QPoint(x, y),
            -state.font.escapement / 10.0,
            QRect(0, 0, fm.horizontalAdvance(text), fm.height()),
            fm.ascent(),
            state.brushStyle == BrushStyle::Solid ? toQColor(state.brushColor) : QColor(),
            toQColor(state.fontColor)};
}

inline void drawTextCall(QPainter& p, const TextCall& call) {
    p.save();
    p.setFont(call.font);
    p.translate(call.at);
    if (call.angle != 0.0) p.rotate(call.angle);
    if (call.fill.isValid()) p.fillRect(call.cell, call.fill);
    p.setPen(call.color);
    p.drawText(0, call.ascent, call.text);
    p.restore();
}

// The first of a face and its stand-ins (QFont::substitutes) that the desktop has, else the face itself. Asked for a
// face it lacks, Qt sorts every installed font for a replacement, for each style of the face: most of a millisecond
// each time at start-up. The design's faces, the windows' "MS Sans Serif" and the date marker's Arial, are on few
// Linux desktops; faces of the same build stand in for them unless stand-ins were given before.
inline QString installedFace(const QString& face) {
    static const bool standInsGiven = [] {
        const std::pair<QString, QStringList> standIns[] = {
            {QStringLiteral("MS Sans Serif"),
             {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")}},
            {QStringLiteral("Arial"),
             {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Helvetica")}}};
        for (const auto& [designed, faces] : standIns)
            if (QFont::substitutes(designed).isEmpty()) QFont::insertSubstitutions(designed, faces);
        return true;
    }();
    Q_UNUSED(standInsGiven);
    struct Looked {
        QStringList candidates;
        QString found;
    };
    static QHash<QString, Looked> looked;
    const QStringList candidates = QStringList{face} + QFont::substitutes(face);
    Looked& last = looked[face];
    if (last.candidates != candidates) {
        const QStringList installed = QFontDatabase::families();
        const auto it = std::find_if(candidates.begin(), candidates.end(),
                                     [&](const QString& f) { return installed.contains(f, Qt::CaseInsensitive); });
        last = {candidates, it != candidates.end() ? *it : face};
    }
    return last.found;
}

// A font as the Surface interface describes it. Point sizes are taken at 96 dots per inch, as on the desktop the
// chart was designed for; a font without a size is 11 pixels high.
inline QFont toQFont(const FontSpec& description) {
    QFont font = description.face.empty() ? QFont() : QFont(installedFace(QString::fromStdString(description.face)));
    int px = description.pixelHeight;
    if (px <= 0 && description.pointSize > 0) px = static_cast<int>(std::lround(description.pointSize * 96.0 / 72.0));
    font.setPixelSize(px > 0 ? px : 11);
    font.setBold(description.bold);
    font.setItalic(description.italic);
    // Complete as it stands: a painter on a widget would otherwise take the widget's face for the default one, and
    // the screen would show other letters than the picture holds.
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

}  // namespace rorovovo::chart::detail
