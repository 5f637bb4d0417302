// The pictures the windows load from the resource system: present, of the expected size and drawn as the
// main window expects (the zodiac cells take their transparent colour from the bottom-left pixel).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <cmath>

namespace {

struct Expected {
    const char* path;
    int width;
    int height;
};

const Expected kImages[] = {
    {":/images/zodiac_strip.png", 576, 48}, {":/images/icon.png", 32, 32},
    {":/images/icon48.png", 48, 48},        {":/images/glyph_add.png", 20, 20},
    {":/images/glyph_about.png", 20, 20},   {":/images/glyph_help.png", 20, 20},
    {":/images/glyph_close.png", 20, 20},   {":/images/glyph_interpret.png", 20, 20},
    {":/images/about_picture.png", 73, 57},
};

double distance(QRgb a, QRgb b) {
    const double dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return std::sqrt(dr * dr + dg * dg + db * db);
}

QImage strip() { return QImage(QStringLiteral(":/images/zodiac_strip.png")); }

// Every picture the windows show has a twin of twice the pixels for screens of pixel ratio 2; the window icon's
// 32-pixel size is for the desktop, which has icons of every size of its own.
QString doubled(const char* path) { return QString::fromLatin1(path).replace(QStringLiteral(".png"), "@2x.png"); }
bool hasDoubled(const Expected& e) { return QLatin1String(e.path) != QLatin1String(":/images/icon.png"); }

}  // namespace

TEST(ResourceImages, everyPicture_loadsWithItsSize_andItsTwinWithTwiceTheSize) {
    for (const Expected& e : kImages) {
        const QImage img(QString::fromLatin1(e.path));
        ASSERT_FALSE(img.isNull()) << e.path;
        EXPECT_EQ(img.size(), QSize(e.width, e.height)) << e.path;
        if (!hasDoubled(e)) continue;
        const QImage twin(doubled(e.path));
        EXPECT_EQ(twin.size(), QSize(2 * e.width, 2 * e.height)) << e.path;
        EXPECT_EQ(twin.devicePixelRatio(), 2.0) << e.path;  // read off the file name
        EXPECT_EQ(twin.hasAlphaChannel(), img.hasAlphaChannel()) << e.path;
    }
}

TEST(ResourceImages, zodiacStrip_isOpaqueWithWhiteBottomLeftInEveryCell) {
    const QImage img = strip();
    ASSERT_FALSE(img.isNull());
    EXPECT_FALSE(img.hasAlphaChannel());
    for (int cell = 0; cell < 12; ++cell) {
        EXPECT_EQ(img.pixel(48 * cell, 47), qRgb(255, 255, 255)) << "cell " << cell + 1;
        // The cell's whole border is white too, so a scaled copy does not smear a neighbour's colour in.
        for (int i = 0; i < 48; ++i) {
            EXPECT_EQ(img.pixel(48 * cell + i, 0), qRgb(255, 255, 255)) << "cell " << cell + 1 << " top " << i;
            EXPECT_EQ(img.pixel(48 * cell + i, 47), qRgb(255, 255, 255)) << "cell " << cell + 1 << " bottom " << i;
            EXPECT_EQ(img.pixel(48 * cell, i), qRgb(255, 255, 255)) << "cell " << cell + 1 << " left " << i;
            EXPECT_EQ(img.pixel(48 * cell + 47, i), qRgb(255, 255, 255)) << "cell " << cell + 1 << " right " << i;
        }
    }
}

TEST(ResourceImages, zodiacStrip_everyCellHasLavenderSymbolWithPurpleOutline) {
    const QImage img = strip();
    ASSERT_FALSE(img.isNull());
    const QRgb lavender = qRgb(0xC8, 0xB4, 0xF0);
    const QRgb purple = qRgb(0x5B, 0x2C, 0x83);
    for (int cell = 0; cell < 12; ++cell) {
        int lavenderPixels = 0, purplePixels = 0;
        for (int y = 0; y < 48; ++y) {
            for (int x = 48 * cell; x < 48 * (cell + 1); ++x) {
                const QRgb c = img.pixel(x, y);
                if (distance(c, lavender) < 30) ++lavenderPixels;
                if (distance(c, purple) < 40) ++purplePixels;
            }
        }
        EXPECT_GE(lavenderPixels, 40) << "cell " << cell + 1;
        EXPECT_GE(purplePixels, 40) << "cell " << cell + 1;
    }
}

TEST(ResourceImages, zodiacStrip_cellsAreDifferentPictures) {
    const QImage img = strip();
    ASSERT_FALSE(img.isNull());
    QSet<QByteArray> seen;
    for (int cell = 0; cell < 12; ++cell) {
        const QImage c = img.copy(48 * cell, 0, 48, 48).convertToFormat(QImage::Format_RGB888);
        QByteArray bytes;
        for (int y = 0; y < 48; ++y) bytes.append(reinterpret_cast<const char*>(c.constScanLine(y)), 48 * 3);
        EXPECT_FALSE(seen.contains(bytes)) << "cell " << cell + 1 << " repeats an earlier cell";
        seen.insert(bytes);
    }
}

TEST(ResourceImages, buttonGlyphs_haveTransparentCornersAndVisibleMiddle) {
    for (const char* name : {":/images/glyph_add.png", ":/images/glyph_about.png", ":/images/glyph_help.png",
                             ":/images/glyph_close.png", ":/images/glyph_interpret.png"}) {
        const QImage img = QImage(QString::fromLatin1(name)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(img.isNull()) << name;
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0) << name;
        EXPECT_EQ(qAlpha(img.pixel(19, 0)), 0) << name;
        int opaque = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) opaque += qAlpha(img.pixel(x, y)) == 255;
        EXPECT_GE(opaque, 60) << name;
    }
}

TEST(ResourceImages, qrcList_matchesPicturesInFolder) {
    QFile qrc(QStringLiteral(ROROVOVO_SOURCE_DIR "/resources/resources.qrc"));
    ASSERT_TRUE(qrc.open(QIODevice::ReadOnly)) << qPrintable(qrc.fileName());
    const QString text = QString::fromUtf8(qrc.readAll());
    QSet<QString> listed;
    const QRegularExpression fileEntry(QStringLiteral("<file alias=\"([^\"]+)\">images/([^<]+)</file>"));
    for (auto it = fileEntry.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        EXPECT_EQ(m.captured(1), m.captured(2)) << "alias differs from file name";
        listed.insert(m.captured(2));
    }
    const QDir dir(QStringLiteral(ROROVOVO_SOURCE_DIR "/resources/images"));
    const QStringList pngs = dir.entryList({QStringLiteral("*.png")}, QDir::Files);
    EXPECT_EQ(listed, QSet<QString>(pngs.begin(), pngs.end()));
    EXPECT_EQ(listed.size(),
              int(std::size(kImages) + std::count_if(std::begin(kImages), std::end(kImages), hasDoubled)));
}
