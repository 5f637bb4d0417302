// The draw action, the extra rhythms, the cycle-day panel and indicators, the date boxes and moving through time,
// driven through the main window's controls.
#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QToolTip>
#include <QtTest/QTest>
#include <cmath>

#include "forms/widgets.h"
#include "main_window_fixture.h"
#include "rhythm/dates.h"

using namespace rorovovo;
using rorovovo::platform::DialogKind;

namespace {

// Pixels of an exact colour in the chart picture.
int countColor(const QImage& image, QRgb rgb) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF)) ++n;
    return n;
}

QString dateText(const QDate& d) { return QLocale().toString(d, QLocale::ShortFormat); }

}  // namespace

class ChartActionsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        start();
        dialogs.clear();
    }
    // A birth date that gives 24000 days lived at the fixed "now" (8 December 2026, 10:30).
    void drawFor24000Days() {
        const QDate birth = fixedNow().date().addDays(-24000);
        setDate(QString::number(birth.day()), QString::number(birth.month()), QString::number(birth.year()));
        QTest::mouseClick(control<QToolButton>("ButtonDrawBio"), Qt::LeftButton);
    }
};

TEST_F(ChartActionsTest, draw_fillsDayBoxesTotalDaysAgeAndLegend) {
    drawFor24000Days();
    EXPECT_TRUE(dialogs.empty());
    EXPECT_EQ(control<QLineEdit>("Edit6")->text(), QStringLiteral("24000"));
    EXPECT_EQ(control<QLineEdit>("Edit2")->text(), QStringLiteral("11"));
    EXPECT_EQ(control<QLineEdit>("Edit3")->text(), QStringLiteral("04"));
    EXPECT_EQ(control<QLineEdit>("Edit4")->text(), QStringLiteral("09"));
    EXPECT_EQ(control<QLineEdit>("Edit5")->text(), QStringLiteral("22"));
    EXPECT_EQ(control<QLineEdit>("Edit_age")->text(), QStringLiteral("65.7"));  // 24000.44 days / 365.25
    EXPECT_EQ(control<rorovovo::forms::BevelPanel>("Panel2")->height(), 174);
    control<QAction>("MenuProgramDrawExtra")->trigger();
    EXPECT_EQ(control<rorovovo::forms::BevelPanel>("Panel2")->height(), 204);
    EXPECT_EQ(control<QScrollBar>("ScrollBar1")->value(), 600);  // drawing never moves the view
}

TEST_F(ChartActionsTest, bornToday_givesZeroDaysAndCriticalDayIndicators) {
    setDate("08", "12", "2026");
    control<QToolButton>("ButtonDrawBio")->click();
    EXPECT_EQ(control<QLineEdit>("Edit6")->text(), QStringLiteral("0"));
    for (QLineEdit* box : {control<QLineEdit>("Edit2"), control<QLineEdit>("Edit3"), control<QLineEdit>("Edit4"),
                           control<QLineEdit>("Edit5")})
        EXPECT_EQ(box->text(), "00");
    EXPECT_EQ(control<QLineEdit>("Edit_age")->text(), QStringLiteral("0.0"));
    EXPECT_EQ(control<rorovovo::forms::PictureBox>("Image_Physical")->toolTip(), QStringLiteral(" Cycle going up "));
    EXPECT_EQ(control<QLabel>("Label_Sign")->text(), QStringLiteral("sagittarius"));
    EXPECT_EQ(control<rorovovo::forms::PictureBox>("ImageSign")->toolTip(),
              QStringLiteral(" sagittarius : Nov 22 ~ Dec 21 "));
}

TEST_F(ChartActionsTest, invalidDate_showsTheMessageFocusesTheDayAndChangesNothing) {
    drawFor24000Days();
    const QImage before = control<rorovovo::forms::PictureBox>("ImageBio")->picture().copy();
    for (const auto& date : {std::array<const char*, 3>{"29", "02", "1900"},
                             {"31", "04", "2001"},
                             {"", "03", "1958"},
                             {"15", "03", "0"}}) {
        control<QLineEdit>("Edit_year")->setFocus();
        dialogs.clear();
        setDate(date[0], date[1], date[2]);
        control<QToolButton>("ButtonDrawBio")->click();
        ASSERT_EQ(dialogs.size(), 1u) << date[0] << "." << date[1] << "." << date[2];
        EXPECT_EQ(dialogs[0].kind, DialogKind::Plain);
        EXPECT_EQ(dialogs[0].text, QStringLiteral("Sorry, but the 'Birthday Date' you supplied is not a valid Date.\r"
                                                  "Please go back and correct it..."));
        EXPECT_EQ(form->focusWidget(), control<QLineEdit>("Edit_day"));
        EXPECT_EQ(control<QLineEdit>("Edit6")->text(), QStringLiteral("24000"));
        EXPECT_EQ(control<rorovovo::forms::PictureBox>("ImageBio")->picture(), before);
    }
    // A leap day of a leap year draws.
    dialogs.clear();
    setDate("29", "02", "2000");
    control<QToolButton>("ButtonDrawBio")->click();
    EXPECT_TRUE(dialogs.empty());
}

TEST_F(ChartActionsTest, uncheckedRhythm_leavesNoCurveAndKeepsItsDayBox) {
    drawFor24000Days();
    EXPECT_GT(countColor(control<rorovovo::forms::PictureBox>("ImageBio")->picture(), 0xFF0000), 3000);
    control<QAction>("MenuOptionsShowPhysical")->trigger();
    EXPECT_FALSE(control<QAction>("MenuOptionsShowPhysical")->isChecked());
    setDate("01", "01", "2000");
    control<QToolButton>("ButtonDrawBio")->click();
    const QImage chart = control<rorovovo::forms::PictureBox>("ImageBio")->picture();
    EXPECT_EQ(countColor(chart, 0xFF0000), 0);
    EXPECT_GT(countColor(chart, 0xFF00FF), 3000);
    EXPECT_EQ(control<QLineEdit>("Edit2")->text(), QStringLiteral("11"));  // from the earlier draw
    EXPECT_EQ(control<QLineEdit>("Edit6")->text(), QString::number(QDate(2000, 1, 1).daysTo(fixedNow().date())));
}

TEST_F(ChartActionsTest, extraRhythms_areAddedWithoutClearingAndRemovedByTheNextDraw) {
    drawFor24000Days();
    const int red = countColor(control<rorovovo::forms::PictureBox>("ImageBio")->picture(), 0xFF0000);
    control<QAction>("MenuProgramDrawExtra")->trigger();
    QImage chart = control<rorovovo::forms::PictureBox>("ImageBio")->picture();
    EXPECT_GT(countColor(chart, 0x00FFFF), 1000);
    EXPECT_GT(countColor(chart, 0x808000), 1000);
    EXPECT_GT(countColor(chart, 0xFF0000), red * 9 / 10);  // drawn over, not cleared
    control<QToolButton>("ButtonDrawBio")->click();
    chart = control<rorovovo::forms::PictureBox>("ImageBio")->picture();
    EXPECT_EQ(countColor(chart, 0x00FFFF), 0);
    EXPECT_EQ(countColor(chart, 0x808000), 0);
    EXPECT_EQ(control<rorovovo::forms::BevelPanel>("Panel2")->height(), 174);
}

TEST_F(ChartActionsTest, extraRhythmsBeforeAnyDraw_useTheStartOfTheCalendar) {
    control<QAction>("MenuProgramDrawExtra")->trigger();
    EXPECT_EQ(control<QLineEdit>("Edit6")->text(), QString::number(QDate(1899, 12, 30).daysTo(fixedNow().date())));
}

TEST_F(ChartActionsTest, indicators_showElapsedShareDirectionAndTransparentCorners) {
    drawFor24000Days();  // physical 11 of 23 (48 %, down), emotional 4 of 28 (14 %, up)
    EXPECT_EQ(control<rorovovo::forms::PictureBox>("Image_Physical")->toolTip(), QStringLiteral(" Cycle going down "));
    EXPECT_EQ(control<rorovovo::forms::PictureBox>("Image_Emotional")->toolTip(), QStringLiteral(" Cycle going up "));
    const QImage physical = control<rorovovo::forms::PictureBox>("Image_Physical")->picture();
    ASSERT_EQ(physical.size(), QSize(40, 40));
    EXPECT_EQ(physical.pixel(0, 39) & 0xFFFFFF, 0xFFFFFFu);  // the transparent colour stays white
    EXPECT_EQ(physical.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_GT(countColor(physical, 0xFF0000), 100);  // the wedge and the arrow
    // Every draw repaints all four, drawn rhythms or not.
    control<QAction>("MenuOptionsShowIntuitional")->trigger();
    setDate("01", "01", "2000");
    control<QToolButton>("ButtonDrawBio")->click();
    EXPECT_GT(countColor(control<rorovovo::forms::PictureBox>("Image_Intuitional")->picture(), 0x0000FF), 50);
}

TEST_F(ChartActionsTest, dayBoxes_areRewrittenWithTwoDigits) {
    control<QLineEdit>("Edit3")->setText(QStringLiteral("5"));
    EXPECT_EQ(control<QLineEdit>("Edit3")->text(), QStringLiteral("05"));
    control<QLineEdit>("Edit3")->setText(QStringLiteral("12"));
    EXPECT_EQ(control<QLineEdit>("Edit3")->text(), QStringLiteral("12"));
    EXPECT_TRUE(dialogs.empty());
}

TEST_F(ChartActionsTest, dateBoxes_takeDigitsAndBackspaceOnly) {
    control<QLineEdit>("Edit_day")->setFocus();
    control<QLineEdit>("Edit_day")->clear();
    QTest::keyClicks(control<QLineEdit>("Edit_day"), QStringLiteral("a-. 1x2"));
    EXPECT_EQ(control<QLineEdit>("Edit_day")->text(), QStringLiteral("12"));
    QTest::keyClick(control<QLineEdit>("Edit_day"), Qt::Key_Backspace);
    EXPECT_EQ(control<QLineEdit>("Edit_day")->text(), QStringLiteral("1"));
    QTest::keyClicks(control<QLineEdit>("Edit_day"), QStringLiteral("789"));
    EXPECT_EQ(control<QLineEdit>("Edit_day")->text(), QStringLiteral("17"));  // two characters at most
    // Clipboard keys arrive as control characters and are dropped.
    control<QLineEdit>("Edit_day")->selectAll();
    QTest::keyClick(control<QLineEdit>("Edit_day"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(control<QLineEdit>("Edit_day")->text(), QStringLiteral("17"));
}

TEST_F(ChartActionsTest, clickingADateBox_selectsItsWholeText) {
    control<QLineEdit>("Edit_year")->setText(QStringLiteral("1958"));
    QTest::mouseClick(control<QLineEdit>("Edit_year"), Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_EQ(control<QLineEdit>("Edit_year")->selectedText(), QStringLiteral("1958"));
    QTest::keyClicks(control<QLineEdit>("Edit_year"), QStringLiteral("2"));
    EXPECT_EQ(control<QLineEdit>("Edit_year")->text(), QStringLiteral("2"));
    QTest::mouseClick(control<QLineEdit>("Edit_month"), Qt::LeftButton, {}, QPoint(3, 10));
    EXPECT_EQ(control<QLineEdit>("Edit_month")->selectedText(), control<QLineEdit>("Edit_month")->text());
}

TEST_F(ChartActionsTest, leavingADateBox_padsItsNumberAndReportsAnEmptyBox) {
    form->activateWindow();
    control<QLineEdit>("Edit_day")->setFocus();
    control<QLineEdit>("Edit_day")->setText(QStringLiteral("5"));
    control<QLineEdit>("Edit_year")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(control<QLineEdit>("Edit_day")->text(), QStringLiteral("05"));
    control<QLineEdit>("Edit_year")->setText(QStringLiteral("58"));
    control<QLineEdit>("Edit_month")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(control<QLineEdit>("Edit_year")->text(), QStringLiteral("0058"));
    control<QLineEdit>("Edit_month")->setText(QStringLiteral("45"));
    control<QLineEdit>("Edit_day")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(control<QLineEdit>("Edit_month")->text(), QStringLiteral("45"));  // no range check here
    EXPECT_TRUE(dialogs.empty());
    control<QLineEdit>("Edit_day")->clear();
    for (int i = 1; i <= 2; ++i) {
        control<QLineEdit>("Edit_month")->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(dialogs.size(), size_t(i));
        EXPECT_EQ(dialogs.back().kind, DialogKind::Error);
        EXPECT_EQ(dialogs.back().text, QStringLiteral("'' is not a valid integer value."));
        EXPECT_TRUE(control<QLineEdit>("Edit_day")->text().isEmpty());
        control<QLineEdit>("Edit_day")->setFocus(Qt::TabFocusReason);
    }
}

TEST_F(ChartActionsTest, scrolling_namesTheDayAtTheLeftEdge) {
    const QDate today = fixedNow().date();
    const struct {
        int position;
        int days;
    } cases[] = {{0, -60}, {3000, 240}, {595, 0}, {605, 0}, {589, -1}, {611, 1}, {600, 0}, {10, -59}};
    for (const auto& c : cases) {
        control<QScrollBar>("ScrollBar1")->setValue(c.position);
        EXPECT_EQ(control<rorovovo::forms::PictureBox>("ImageBio")->x(), -c.position);
        EXPECT_EQ(control<rorovovo::forms::PictureBox>("Image_date")->accessibleName(), dateText(today.addDays(c.days)))
            << c.position;
    }
    // The marker reads the clock at every change: past midnight the same position names the next day.
    control<QScrollBar>("ScrollBar1")->setValue(0);
    platform::setClock([] { return fixedNow().addDays(1); });
    control<QScrollBar>("ScrollBar1")->setValue(600);
    EXPECT_EQ(control<rorovovo::forms::PictureBox>("Image_date")->accessibleName(), dateText(today.addDays(1)));
}

TEST_F(ChartActionsTest, arrowAndPageSteps_keepWholeDays) {
    control<QScrollBar>("ScrollBar1")->setFocus();
    QTest::keyClick(control<QScrollBar>("ScrollBar1"), Qt::Key_Right);
    EXPECT_EQ(control<QScrollBar>("ScrollBar1")->value(), 610);
    QTest::keyClick(control<QScrollBar>("ScrollBar1"), Qt::Key_PageUp);
    EXPECT_EQ(control<QScrollBar>("ScrollBar1")->value(), 310);
    QTest::keyClick(control<QScrollBar>("ScrollBar1"), Qt::Key_Home);
    EXPECT_EQ(control<QScrollBar>("ScrollBar1")->value(), 0);
    QTest::keyClick(control<QScrollBar>("ScrollBar1"), Qt::Key_End);
    EXPECT_EQ(control<QScrollBar>("ScrollBar1")->value(), 3000);
}

TEST_F(ChartActionsTest, scrollingNeverRedrawsTheChart_andNowReturnsToToday) {
    drawFor24000Days();
    const QImage before = control<rorovovo::forms::PictureBox>("ImageBio")->picture().copy();
    for (int p : {0, 1234, 3000, 55}) control<QScrollBar>("ScrollBar1")->setValue(p);
    EXPECT_EQ(control<rorovovo::forms::PictureBox>("ImageBio")->picture(), before);
    control<QPushButton>("Button_now")->setFocus();
    QTest::mouseClick(control<QPushButton>("Button_now"), Qt::LeftButton);
    EXPECT_EQ(control<QScrollBar>("ScrollBar1")->value(), 600);
    EXPECT_EQ(control<rorovovo::forms::PictureBox>("ImageBio")->x(), -600);
    EXPECT_NE(form->focusWidget(), control<QPushButton>("Button_now"));
    EXPECT_EQ(control<rorovovo::forms::PictureBox>("Image_date")->accessibleName(), dateText(fixedNow().date()));
    EXPECT_EQ(control<rorovovo::forms::PictureBox>("ImageBio")->picture(), before);
}

TEST_F(ChartActionsTest, view_showsTheStripFromTheScrollPosition) {
    // A wide window shows more of the strip, so both ends of this check fit in the view.
    form->resize(1000, form->height());
    QApplication::processEvents();
    ASSERT_GT(control<rorovovo::forms::BevelPanel>("PanelBio")->width(), 640);
    const QPoint inside = control<rorovovo::forms::BevelPanel>("PanelBio")->clientArea()->pos();
    auto shown = [&](int x, int y) {
        return control<rorovovo::forms::BevelPanel>("PanelBio")->grab().toImage().pixel(inside + QPoint(x, y)) &
               0xFFFFFF;
    };
    control<QScrollBar>("ScrollBar1")->setValue(600);
    EXPECT_EQ(shown(5, 40), 0xC0C0C0u);   // today's band at the left edge
    EXPECT_EQ(shown(15, 40), 0xFFFFFFu);  // the next day's column
    control<QScrollBar>("ScrollBar1")->setValue(0);
    EXPECT_EQ(shown(5, 40), 0xFFFFFFu);
    EXPECT_EQ(shown(605, 40), 0xC0C0C0u);  // 600 pixels in
    EXPECT_EQ(shown(615, 40), 0xFFFFFFu);
}

TEST_F(ChartActionsTest, dateMarker_isEngravedTextStandingOnEnd) {
    const QImage marker = control<rorovovo::forms::PictureBox>("Image_date")->picture();
    EXPECT_EQ(control<rorovovo::forms::PictureBox>("Image_date")->size(), marker.size());
    EXPECT_GT(marker.height(), marker.width());  // the text stands on end
    EXPECT_GT(countColor(marker, 0x000000), 20);
    EXPECT_GT(countColor(marker, 0xFFFFFF), 5);
    const QRgb face = form->palette().color(QPalette::Window).rgb();
    EXPECT_GT(countColor(marker, face), marker.width() * marker.height() / 3);
    EXPECT_EQ(control<rorovovo::forms::PictureBox>("Image_date")->pos(), QPoint(8, 124));
}

TEST_F(ChartActionsTest, pointingAtADay_tellsItsDateEachDrawnRhythmAndItsCriticalOnes) {
    const auto tipAt = [this](int column) {
        auto* strip = control<forms::PictureBox>("ImageBio");
        QHelpEvent tip(QEvent::ToolTip, QPoint(10 * column + 5, 90), strip->mapToGlobal(QPoint(10 * column + 5, 90)));
        QApplication::sendEvent(strip, &tip);
        const QString text = QToolTip::isVisible() ? QToolTip::text() : QString();
        QToolTip::hideText();
        return text;
    };
    EXPECT_TRUE(tipAt(60).isEmpty()) << "nothing to read before a draw";
    drawFor24000Days();
    control<QAction>("MenuProgramDrawExtra")->trigger();
    // The definition, day by day: 100 sin(2 pi n / P) rounded, rising when the next day's value is higher.
    const char* names[] = {"Physical", "Emotional", "Intellectual", "Intuitional", "Spiritual", "Aesthetics"};
    const int periods[] = {23, 28, 33, 38, 53, 48};
    for (const int column : {0, 60, 61, 350}) {
        const int n = 24000 - 60 + column;
        const QDate date = fixedNow().date().addDays(column - 60);
        QStringList lines{QLocale().toString(date, QStringLiteral("ddd ")) + dateText(date)}, critical;
        for (int i = 0; i < 6; ++i) {
            const double v = std::sin(2 * M_PI * n / periods[i]), next = std::sin(2 * M_PI * (n + 1) / periods[i]);
            lines << QStringLiteral("%1 %2 % %3")
                         .arg(QLatin1String(names[i]))
                         .arg(std::lround(100 * v))
                         .arg(next > v ? QStringLiteral("rising") : QStringLiteral("falling"));
            if (n % periods[i] == 0 || n % periods[i] == periods[i] / 2) critical << QLatin1String(names[i]);
        }
        if (!critical.isEmpty()) lines << QStringLiteral("Critical: ") + critical.join(QStringLiteral(", "));
        EXPECT_EQ(tipAt(column), lines.join(QLatin1Char('\n'))) << column;
    }
}
