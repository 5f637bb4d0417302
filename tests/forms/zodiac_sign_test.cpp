// The zodiac sign beside the person fields: name, picture out of the strip, and hint, after each drawing.
#include <QComboBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QScreen>

#include "forms/widgets.h"
#include "tests/forms/drawn_person.h"

namespace rorovovo::forms {
namespace {

bool nearWhite(QRgb c) { return qRed(c) > 224 && qGreen(c) > 224 && qBlue(c) > 224; }

class ZodiacSignTest : public testing::DrawnPersonTest {
  protected:
    PictureBox* sign() const { return control<rorovovo::forms::PictureBox>("ImageSign"); }
    QString signName() const { return control<QLabel>("Label_Sign")->text(); }
    QImage picture() const { return sign()->picture().convertToFormat(QImage::Format_RGB32); }

    // The strip cell (1..12) whose symbol the picture shows: the one whose white and non-white pixels, mapped onto
    // the picture, agree with it best.
    int bestMatchingCell(const QImage& shown) const {
        const QImage strip = control<rorovovo::forms::PictureBox>("myImageList")->picture();
        int best = 0;
        double bestScore = -1;
        for (int n = 1; n <= 12; ++n) {
            int agree = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x) {
                    const int sx = 48 * (n - 1) + x * 48 / shown.width();
                    const int sy = y * strip.height() / shown.height();
                    agree += nearWhite(shown.pixel(x, y)) == nearWhite(strip.pixel(sx, sy));
                }
            const double score = double(agree) / (shown.width() * shown.height());
            if (score > bestScore) bestScore = score, best = n;
        }
        // Smoothing blurs the outlines a little; a wrong cell agrees far less.
        EXPECT_GT(bestScore, 0.9) << "the picture matches no cell closely";
        return best;
    }
};

TEST_F(ZodiacSignTest, beforeAnyDrawing_labelReadsZodiacAndThereIsNoPicture) {
    ASSERT_EQ(control<QComboBox>("ComboBox1")->count(), 0) << "a stored profile would have drawn a chart";
    EXPECT_EQ(signName(), QStringLiteral("zodiac"));
    EXPECT_FALSE(sign()->hasPicture());
    EXPECT_TRUE(sign()->toolTip().isEmpty());
}

TEST_F(ZodiacSignTest, pictureStrip_isMovedOutOfSightAtStartUp) {
    const PictureBox* strip = control<rorovovo::forms::PictureBox>("myImageList");
    ASSERT_NE(QGuiApplication::primaryScreen(), nullptr);
    EXPECT_EQ(strip->y(), QGuiApplication::primaryScreen()->geometry().height() + 100);
    EXPECT_EQ(strip->x(), 16);
    EXPECT_EQ(strip->picture().size(), QSize(576, 48));
}

TEST_F(ZodiacSignTest, nameHintAndPicture_followTheBirthMonthAndDay) {
    const struct {
        QDate birth;
        const char* name;
        const char* hint;
        int cell;
    } cases[] = {
        {QDate(1990, 1, 19), "capricorn", " capricorn : Dec 22 ~ Jan 19 ", 12},
        {QDate(1990, 1, 20), "aquarius", " aquarius : Jan 20 ~ Feb 18 ", 1},
        {QDate(1991, 1, 1), "capricorn", " capricorn : Dec 22 ~ Jan 19 ", 12},
        {QDate(1991, 2, 18), "aquarius", " aquarius : Jan 20 ~ Feb 18 ", 1},
        {QDate(1991, 2, 19), "pisces", " pisces : Feb 19 ~ Mar 20 ", 2},
        {QDate(2000, 2, 29), "pisces", " pisces : Feb 19 ~ Mar 20 ", 2},
        {QDate(1988, 3, 21), "aries", " aries : Mar 21 ~ Apr 19 ", 3},
        {QDate(1988, 4, 20), "taurus", " taurus : Apr 20 ~ May 20 ", 4},
        {QDate(1975, 5, 21), "gemini", " gemini : May 21 ~ Jun 20 ", 5},
        {QDate(1975, 7, 22), "cancer", " cancer : Jun 21 ~ Jul 22 ", 6},
        {QDate(1975, 7, 23), "leo", " leo : Jul 23 ~ Aug 22 ", 7},
        {QDate(1960, 9, 1), "virgo", " virgo : Aug 23 ~ Sep 22 ", 8},
        {QDate(1960, 10, 22), "libra", " libra : Sep 23 ~ Oct 22 ", 9},
        {QDate(1960, 11, 21), "scorpio", " scorpio : Oct 23 ~ Nov 21 ", 10},
        {QDate(1960, 12, 21), "sagittarius", " sagittarius : Nov 22 ~ Dec 21 ", 11},
        {QDate(1960, 12, 22), "capricorn", " capricorn : Dec 22 ~ Jan 19 ", 12},
        {QDate(1961, 12, 31), "capricorn", " capricorn : Dec 22 ~ Jan 19 ", 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.birth.toString(Qt::ISODate).toStdString());
        draw(QStringLiteral("Someone"), c.birth);
        EXPECT_EQ(signName(), QLatin1String(c.name));
        EXPECT_EQ(sign()->toolTip(), QLatin1String(c.hint));
        const QImage shown = picture();
        EXPECT_EQ(shown.size(), sign()->size());
        EXPECT_EQ(bestMatchingCell(shown), c.cell);
    }
    EXPECT_TRUE(errorsShown().empty());
}

TEST_F(ZodiacSignTest, nextDrawing_replacesNameHintAndPictureCompletely) {
    draw(QStringLiteral("Leo"), QDate(1975, 8, 1));
    const QImage leo = picture();
    draw(QStringLiteral("Aquarius"), QDate(1980, 2, 1));
    const QImage aquarius = picture();
    EXPECT_EQ(signName(), QStringLiteral("aquarius"));
    EXPECT_EQ(sign()->toolTip(), QStringLiteral(" aquarius : Jan 20 ~ Feb 18 "));
    EXPECT_NE(aquarius, leo);
    // Back to the first sign: pixel for pixel the first picture, nothing of the second one left.
    draw(QStringLiteral("Leo again"), QDate(1999, 7, 30));
    EXPECT_EQ(picture(), leo);
    EXPECT_EQ(signName(), QStringLiteral("leo"));
    EXPECT_EQ(sign()->toolTip(), QStringLiteral(" leo : Jul 23 ~ Aug 22 "));
}

TEST_F(ZodiacSignTest, invalidBirthDate_leavesTheLastSignShown) {
    draw(QStringLiteral("Leo"), QDate(1975, 8, 1));
    const QImage leo = picture();
    control<QLineEdit>("Edit_day")->setText(QStringLiteral("31"));
    control<QLineEdit>("Edit_month")->setText(QStringLiteral("02"));
    control<QToolButton>("ButtonDrawBio")->click();
    ASSERT_FALSE(dialogs.empty());
    EXPECT_EQ(dialogs.back().kind, platform::DialogKind::Plain);
    EXPECT_EQ(signName(), QStringLiteral("leo"));
    EXPECT_EQ(picture(), leo);
}

TEST_F(ZodiacSignTest, whiteOfTheStrip_letsThePanelShowThrough) {
    // A panel colour far from white, so the test tells the two apart whatever the style's own colour.
    QPalette silver = form->palette();
    silver.setColor(QPalette::Window, QColor(0xC0C0C0));
    form->setPalette(silver);
    draw(QStringLiteral("Gemini"), QDate(1975, 6, 1));
    const QImage shown = picture();
    ASSERT_TRUE(nearWhite(shown.pixel(0, shown.height() - 1)));
    auto* panel = control<QWidget>("Panel1");
    const QImage onPanel = panel->grab(sign()->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage panelAlone = panel->grab(QRect(505, 40, 1, 1)).toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb face = panelAlone.pixel(0, 0);
    ASSERT_EQ(face & 0xFFFFFF, 0xC0C0C0u);
    ASSERT_EQ(onPanel.size(), shown.size());

    int white = 0, symbol = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb p = shown.pixel(x, y);
            if ((p & 0xFFFFFF) == 0xFFFFFF) {
                ++white;
                EXPECT_EQ(onPanel.pixel(x, y), face) << x << "," << y;
            } else if (!nearWhite(p)) {
                ++symbol;
                EXPECT_EQ(onPanel.pixel(x, y), p) << x << "," << y;
            }
        }
    EXPECT_GT(white, 100);
    EXPECT_GT(symbol, 100);
}

}  // namespace
}  // namespace rorovovo::forms
