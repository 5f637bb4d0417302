// Draws the program's pictures: the zodiac strip, the icons, the button glyphs and the About picture.
// The PNGs it writes are kept in resources/images; run it again only when the artwork changes.
//
//   make_images <pictures folder> <desktop icons folder>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QtMath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QColor kLavender(0xC8, 0xB4, 0xF0);
const QColor kPurple(0x5B, 0x2C, 0x83);
constexpr int kCell = 48;
constexpr qreal kStroke = 5.0;  // width of a sign's lavender stroke, in cell pixels

// ---- Zodiac signs ---------------------------------------------------------------------------------------
// Each sign is a centre line in a 48 x 48 cell; it is widened into a lavender band with a purple rim.
// The centre lines keep at least 8 pixels from the cell's edges, so the band and its rim never reach the
// border and the cell's bottom-left pixel stays white (the main window takes it as the transparent colour).

QPainterPath aquarius() {
    QPainterPath p;
    for (qreal y : {17.0, 31.0}) {
        p.moveTo(8, y + 3);
        for (int i = 1; i <= 6; ++i) p.lineTo(8 + i * 16.0 / 3.0, (i % 2) ? y - 3 : y + 3);
    }
    return p;
}

QPainterPath pisces() {
    QPainterPath p;
    p.moveTo(12, 8);
    p.cubicTo(20, 17, 20, 31, 12, 40);
    p.moveTo(36, 8);
    p.cubicTo(28, 17, 28, 31, 36, 40);
    p.moveTo(9, 24);
    p.lineTo(39, 24);
    return p;
}

QPainterPath aries() {
    QPainterPath p;
    p.moveTo(24, 40);
    p.lineTo(24, 21);
    p.cubicTo(24, 11, 17, 7, 13, 9);
    p.cubicTo(8, 11, 8, 18, 12, 20);
    p.moveTo(24, 21);
    p.cubicTo(24, 11, 31, 7, 35, 9);
    p.cubicTo(40, 11, 40, 18, 36, 20);
    return p;
}

QPainterPath taurus() {
    QPainterPath p;
    p.addEllipse(QPointF(24, 31), 8.5, 8.5);
    p.moveTo(9, 9);
    p.cubicTo(11, 19, 17, 22.5, 24, 22.5);
    p.cubicTo(31, 22.5, 37, 19, 39, 9);
    return p;
}

QPainterPath gemini() {
    QPainterPath p;
    p.moveTo(9, 9);
    p.quadTo(24, 14, 39, 9);
    p.moveTo(9, 39);
    p.quadTo(24, 34, 39, 39);
    p.moveTo(17, 12);
    p.lineTo(17, 36);
    p.moveTo(31, 12);
    p.lineTo(31, 36);
    return p;
}

QPainterPath cancer() {
    QPainterPath p;
    p.addEllipse(QPointF(15, 19), 5, 5);
    p.moveTo(15, 14);
    p.cubicTo(22, 9, 33, 9, 40, 15);
    p.addEllipse(QPointF(33, 29), 5, 5);
    p.moveTo(33, 34);
    p.cubicTo(26, 39, 15, 39, 8, 33);
    return p;
}

QPainterPath leo() {
    QPainterPath p;
    p.addEllipse(QPointF(13.5, 30), 5.5, 5.5);
    p.moveTo(18, 26.5);
    p.cubicTo(13, 17, 16, 8, 25, 8);
    p.cubicTo(34, 8, 36, 17, 32, 25);
    p.cubicTo(28, 32, 28, 40, 34, 40);
    p.cubicTo(37.5, 40, 40, 38, 40, 35);
    return p;
}

// The "m" shared by virgo and scorpio: three stems joined by two arches; the third stem is left open at
// the bottom for the sign's own ending.
QPainterPath letterM(qreal top, qreal stemEnd, qreal thirdStemEnd) {
    QPainterPath p;
    p.moveTo(8, top);
    p.lineTo(8, stemEnd);
    p.moveTo(8, top + 6);
    p.cubicTo(8, top - 1, 16, top - 1, 16, top + 6);
    p.lineTo(16, stemEnd);
    p.moveTo(16, top + 6);
    p.cubicTo(16, top - 1, 24, top - 1, 24, top + 6);
    p.lineTo(24, thirdStemEnd);
    return p;
}

// Virgo's third stem bends right into a loop and crosses itself on the way down to the tail.
QPainterPath virgo() {
    QPainterPath p = letterM(10, 35, 26);
    p.cubicTo(24, 36, 39, 36, 39, 27);
    p.cubicTo(39, 18, 29, 20, 25, 31);
    p.cubicTo(23.5, 35, 21, 39, 17, 40);
    return p;
}

QPainterPath scorpio() {
    QPainterPath p = letterM(9, 34, 31);
    p.cubicTo(24, 34.5, 26, 36, 29, 36);
    p.lineTo(39, 36);
    p.moveTo(34.5, 31.5);
    p.lineTo(39, 36);
    p.lineTo(34.5, 40.5);
    return p;
}

QPainterPath sagittarius() {
    QPainterPath p;
    p.moveTo(9, 39);
    p.lineTo(38, 10);
    p.moveTo(25, 10);
    p.lineTo(38, 10);
    p.lineTo(38, 23);
    p.moveTo(13, 23);
    p.lineTo(25, 35);
    return p;
}

QPainterPath libra() {
    QPainterPath p;
    p.moveTo(8, 38);
    p.lineTo(40, 38);
    p.moveTo(8, 30);
    p.lineTo(16, 30);
    p.cubicTo(11, 24, 14, 11, 24, 11);
    p.cubicTo(34, 11, 37, 24, 32, 30);
    p.lineTo(40, 30);
    return p;
}

QPainterPath capricorn() {
    QPainterPath p;
    p.moveTo(8, 11);
    p.lineTo(12, 11);
    p.lineTo(12, 33);
    p.moveTo(12, 17);
    p.cubicTo(13, 10, 21.5, 9, 21.5, 17);
    p.lineTo(21.5, 31);
    p.cubicTo(21.5, 38, 20, 40, 14, 40);
    p.addEllipse(QPointF(30.5, 30), 7, 7);
    return p;
}

// Widens a centre line into the outline of a band of the given width, as one filled shape.
QPainterPath bandOf(const QPainterPath& centre, qreal width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath band = stroker.createStroke(centre);
    band.setFillRule(Qt::WindingFill);
    return band.simplified();
}

QImage zodiacStrip(int scale) {
    struct Sign {
        std::function<QPainterPath()> centreLine;
        qreal stroke;  // the letter-like signs need a thinner stroke to keep their stems apart
    };
    const std::vector<Sign> signs = {{aquarius, kStroke}, {pisces, kStroke}, {aries, kStroke},       {taurus, kStroke},
                                     {gemini, kStroke},   {cancer, kStroke}, {leo, kStroke},         {virgo, 4.2},
                                     {libra, kStroke},    {scorpio, 4.2},    {sagittarius, kStroke}, {capricorn, 4.6}};
    QImage strip(kCell * int(signs.size()) * scale, kCell * scale, QImage::Format_RGB888);
    strip.fill(Qt::white);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    for (size_t i = 0; i < signs.size(); ++i) {
        p.save();
        p.translate(kCell * int(i), 0);
        p.setClipRect(QRect(1, 1, kCell - 2, kCell - 2));
        const QPainterPath band = bandOf(signs[i].centreLine(), signs[i].stroke);
        p.setBrush(kLavender);
        p.setPen(QPen(kPurple, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(band);
        p.restore();
    }
    return strip;
}

// ---- Program icon and About picture -----------------------------------------------------------------------

// Three sine waves (physical red, emotional fuchsia, intellectual green) across a rectangle, their lengths in
// the ratio of the rhythms' periods 23, 28 and 33 days; physicalCycles is how many physical cycles fit across.
struct Wave {
    QColor colour;
    QPolygonF line;
};

std::vector<Wave> waves(const QRectF& area, qreal physicalCycles) {
    struct Rhythm {
        QColor colour;
        qreal period;
        qreal phase;
    };
    const Rhythm rhythms[] = {
        {QColor(0xFF, 0x00, 0x00), 23, 0.0}, {QColor(0xFF, 0x00, 0xFF), 28, 2.1}, {QColor(0x00, 0x80, 0x00), 33, 4.2}};
    const qreal amplitude = area.height() * 0.36;
    const qreal mid = area.center().y();
    std::vector<Wave> result;
    for (const Rhythm& r : rhythms) {
        Wave w{r.colour, {}};
        const int steps = 96;
        for (int s = 0; s <= steps; ++s) {
            const qreal t = qreal(s) / steps;
            const qreal x = area.left() + t * area.width();
            w.line << QPointF(x, mid - amplitude * qSin(r.phase + t * physicalCycles * 23 / r.period * 2 * M_PI));
        }
        result.push_back(w);
    }
    return result;
}

void drawWaves(QPainter& p, const QRectF& area, qreal penWidth, qreal physicalCycles) {
    for (const Wave& w : waves(area, physicalCycles)) {
        QPainterPath path;
        path.addPolygon(w.line);
        p.setPen(QPen(w.colour, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
}

QImage icon(int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 32.0;
    const QRectF disc(1 * s, 1 * s, 30 * s, 30 * s);
    p.setPen(QPen(QColor(0x70, 0x70, 0x90), 1.2 * s));
    p.setBrush(QColor(0xF6, 0xF4, 0xFF));
    p.drawEllipse(disc);
    QPainterPath clip;
    clip.addEllipse(disc.adjusted(1.2 * s, 1.2 * s, -1.2 * s, -1.2 * s));
    p.setClipPath(clip);
    p.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 1.0 * s));
    p.drawLine(QPointF(disc.left(), 16 * s), QPointF(disc.right(), 16 * s));
    drawWaves(p, QRectF(2 * s, 6 * s, 28 * s, 20 * s), 2.0 * s, 1.0);
    return img;
}

// The same icon as a scalable picture for the desktop's menus, on the 32-unit grid icon() draws on.
QByteArray iconSvg() {
    QByteArray svg =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" viewBox=\"0 0 32 32\">\n"
        "  <defs><clipPath id=\"inside\"><circle cx=\"16\" cy=\"16\" r=\"13.8\"/></clipPath></defs>\n"
        "  <circle cx=\"16\" cy=\"16\" r=\"15\" fill=\"#f6f4ff\" stroke=\"#707090\" stroke-width=\"1.2\"/>\n"
        "  <g clip-path=\"url(#inside)\" fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n"
        "    <line x1=\"1\" y1=\"16\" x2=\"31\" y2=\"16\" stroke=\"#c0c0c0\" stroke-width=\"1\"/>\n";
    for (const Wave& w : waves(QRectF(2, 6, 28, 20), 1.0)) {
        svg += "    <polyline stroke=\"" + w.colour.name().toLatin1() + "\" stroke-width=\"2\" points=\"";
        for (const QPointF& pt : w.line)
            svg += QByteArray::number(pt.x(), 'f', 2) + ',' + QByteArray::number(pt.y(), 'f', 2) + ' ';
        svg.chop(1);
        svg += "\"/>\n";
    }
    return svg + "  </g>\n</svg>\n";
}

QImage aboutPicture(int scale) {
    QImage img(73 * scale, 57 * scale, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    const QRectF panel(1.5, 1.5, 70, 54);
    p.setPen(QPen(QColor(0x70, 0x70, 0x90), 1.0));
    p.setBrush(QColor(0xF6, 0xF4, 0xFF));
    p.drawRoundedRect(panel, 7, 7);
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(panel.adjusted(1, 1, -1, -1), 6, 6);
    p.setClipPath(clip);
    p.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 1.0));
    p.drawLine(QPointF(2, 21.5), QPointF(71, 21.5));
    drawWaves(p, QRectF(3, 5, 67, 33), 2.0, 1.5);
    p.restore();

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kPurple);
    p.drawText(QRectF(1.5, 38, 70, 16), Qt::AlignCenter, QStringLiteral("Rorovovo"));
    return img;
}

// ---- Button glyphs (20 x 20, transparent) -----------------------------------------------------------------

void beginGlyph(QPainter& p, QImage& img, int scale) {
    img = QImage(20 * scale, 20 * scale, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
}

QImage glyphAdd(int scale) {
    QImage img;
    QPainter p;
    beginGlyph(p, img, scale);
    const QColor body(0x2F, 0x4F, 0x8F);
    p.setPen(QPen(body.darker(130), 1.0));
    p.setBrush(QColor(0x6F, 0x8F, 0xCF));
    p.drawEllipse(QPointF(8, 5.5), 3.5, 3.5);
    QPainterPath shoulders;
    shoulders.moveTo(1.5, 18.5);
    shoulders.cubicTo(1.5, 11, 4, 10, 8, 10);
    shoulders.cubicTo(12, 10, 14.5, 11, 14.5, 18.5);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
    // The plus sign, green on a white backing so it stands out against the figure.
    p.setPen(QPen(Qt::white, 5.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 9.5), QPointF(15, 17.5));
    p.drawLine(QPointF(11, 13.5), QPointF(19, 13.5));
    p.setPen(QPen(QColor(0x00, 0x90, 0x00), 2.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(15, 9.5), QPointF(15, 17.5));
    p.drawLine(QPointF(11, 13.5), QPointF(19, 13.5));
    p.end();
    return img;
}

// A blue disc with a white mark in it: the shared look of "about" and "help".
void drawBadge(QPainter& p) {
    p.setPen(QPen(QColor(0x1F, 0x3F, 0x8F), 1.0));
    p.setBrush(QColor(0x3A, 0x6E, 0xD8));
    p.drawEllipse(QPointF(10, 10), 8.5, 8.5);
}

QImage glyphAbout(int scale) {
    QImage img;
    QPainter p;
    beginGlyph(p, img, scale);
    drawBadge(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(10, 5.6), 1.6, 1.6);
    p.drawRoundedRect(QRectF(8.6, 8.3, 2.8, 7.8), 0.8, 0.8);
    p.drawRect(QRectF(7.8, 8.3, 2.0, 1.4));
    p.drawRect(QRectF(7.8, 14.8, 4.6, 1.3));
    p.end();
    return img;
}

QImage glyphHelp(int scale) {
    QImage img;
    QPainter p;
    beginGlyph(p, img, scale);
    drawBadge(p);
    QPainterPath hook;
    hook.moveTo(6.9, 7.6);
    hook.cubicTo(6.9, 4.0, 13.1, 4.0, 13.1, 7.4);
    hook.cubicTo(13.1, 9.6, 10, 9.8, 10, 12.4);
    p.setPen(QPen(Qt::white, 2.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(10, 15.4), 1.5, 1.5);
    p.end();
    return img;
}

QImage glyphClose(int scale) {
    QImage img;
    QPainter p;
    beginGlyph(p, img, scale);
    p.setPen(QPen(QColor(0x8F, 0x10, 0x10), 1.0));
    p.setBrush(QColor(0xE0, 0x30, 0x30));
    p.drawEllipse(QPointF(10, 10), 8.5, 8.5);
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6.5, 6.5), QPointF(13.5, 13.5));
    p.drawLine(QPointF(13.5, 6.5), QPointF(6.5, 13.5));
    p.end();
    return img;
}

QImage glyphInterpret(int scale) {
    QImage img;
    QPainter p;
    beginGlyph(p, img, scale);
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(1.5, 2.5, 17, 11.5), 3, 3);
    QPainterPath tail;
    tail.moveTo(5, 12);
    tail.lineTo(4, 18.5);
    tail.lineTo(10, 12);
    tail.closeSubpath();
    bubble = bubble.united(tail);
    p.setPen(QPen(QColor(0x30, 0x40, 0x70), 1.0));
    p.setBrush(QColor(0xFF, 0xFB, 0xE0));
    p.drawPath(bubble);
    // Three short lines in the rhythm colours stand for the text.
    const QColor lines[] = {QColor(0xFF, 0x00, 0x00), QColor(0xFF, 0x00, 0xFF), QColor(0x00, 0x80, 0x00)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(lines[i], 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 5.8 + 2.8 * i), QPointF(i == 2 ? 11.5 : 15, 5.8 + 2.8 * i));
    }
    p.end();
    return img;
}

bool writeText(const QByteArray& text, const QDir& dir, const char* name) {
    QFile file(dir.filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        std::fprintf(stderr, "make_images: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    std::printf("%s\n", qPrintable(file.fileName()));
    return true;
}

bool write(const QImage& img, const QDir& dir, const char* name) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "make_images: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s  %dx%d\n", qPrintable(path), img.width(), img.height());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // Text in the About picture needs a font engine, but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_images <pictures folder> <desktop icons folder>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const QDir icons(QString::fromLocal8Bit(argv[2]));
    for (const QDir& d : {dir, icons}) {
        if (!d.exists()) {
            std::fprintf(stderr, "make_images: folder %s does not exist\n", qPrintable(d.path()));
            return 1;
        }
    }
    bool ok = true;
    // Each picture twice: as designed, and at twice the pixels as "name@2x.png", which Qt's icons pick on a screen
    // of pixel ratio 2.
    const struct {
        const char* name;
        std::function<QImage(int)> draw;
    } pictures[] = {{"zodiac_strip", zodiacStrip},
                    {"icon48", [](int s) { return icon(48 * s); }},
                    {"glyph_add", glyphAdd},
                    {"glyph_about", glyphAbout},
                    {"glyph_help", glyphHelp},
                    {"glyph_close", glyphClose},
                    {"glyph_interpret", glyphInterpret},
                    {"about_picture", aboutPicture}};
    ok &= write(icon(32), dir, "icon.png");
    for (const auto& picture : pictures) {
        ok &= write(picture.draw(1), dir, QByteArray(picture.name).append(".png").constData());
        ok &= write(picture.draw(2), dir, QByteArray(picture.name).append("@2x.png").constData());
    }
    // The desktop's menus and launchers: one picture per size the icon theme asks for, and one that scales.
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        ok &= write(icon(size), icons, QByteArray::number(size).append(".png").constData());
    ok &= writeText(iconSvg(), icons, "scalable.svg");
    return ok ? 0 : 1;
}
