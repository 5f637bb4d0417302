// The main window from the keyboard and to the eye: the focus at start-up, the chart's scroll bar, the date boxes'
// length limit and the contrast of the quiet texts.
#include <QClipboard>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QtTest/QTest>

#include "forms/widgets.h"
#include "main_window_fixture.h"

using rorovovo::forms::contrastRatio;

TEST_F(MainWindowTest, withoutProfiles_theFirstInputBoxOfTheTabOrderHasTheFocus) {
    start();
    EXPECT_EQ(form->focusWidget(), control<QLineEdit>("Edit_year"));
}

TEST_F(MainWindowTest, chartScrollBar_takesTheFocusOnAClickShowsItAndHasTheSmallestThumb) {
    start();
    QScrollBar* bar = control<QScrollBar>("ScrollBar1");
    ASSERT_NE(bar->focusPolicy() & Qt::TabFocus, 0);
    const QImage unfocused = bar->grab().toImage();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 4, bar->height() / 2));  // the right arrow
    EXPECT_TRUE(bar->hasFocus());
    EXPECT_EQ(bar->value(), 610);
    bar->setValue(600);
    EXPECT_NE(bar->grab().toImage(), unfocused);  // the focus shows
    // A click just past the smallest thumb lands in the trough and pages; a thumb sized by the page would take it.
    bar->setValue(0);
    const int arrow = std::min(bar->height(), bar->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, bar));
    const int thumbMin = bar->style()->pixelMetric(QStyle::PM_ScrollBarSliderMin, nullptr, bar);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(arrow + thumbMin + 6, bar->height() / 2));
    EXPECT_EQ(bar->value(), 300);
    EXPECT_EQ(bar->pageStep(), 300);
}

TEST_F(MainWindowTest, dateBoxes_limitTypingAndPastingButNeverTheProgramsOwnText) {
    start();
    dialogs.clear();  // the missing celebrity file
    form->activateWindow();
    const struct {
        QLineEdit* box;
        const char* before;
        const char* pasted;  // or typed, when it has no minus
        const char* whileIn;
        const char* afterLeaving;
    } cases[] = {
        {control<QLineEdit>("Edit_day"), "", "-5", "-5", "-05"},
        {control<QLineEdit>("Edit_year"), "", "-123", "-123", "-0123"},
        {control<QLineEdit>("Edit_day"), "", "123", "12", "12"},
        {control<QLineEdit>("Edit_year"), "", "19581", "1958", "1958"},
        {control<QLineEdit>("Edit_month"), "1", "234", "12", "12"},
        {control<QLineEdit>("Edit_day"), "-05", "7", "-05", "-05"},
        {control<QLineEdit>("Edit_year"), "12345", "", "12345", "12345"},
    };
    for (const auto& c : cases) {
        const QString pasted = QString::fromLatin1(c.pasted);
        c.box->setFocus(Qt::TabFocusReason);
        c.box->setText(QString::fromLatin1(c.before));
        EXPECT_EQ(c.box->text(), QString::fromLatin1(c.before));  // the program's own writes are never cut
        c.box->end(false);
        if (pasted.startsWith(QLatin1Char('-')) || pasted.size() > 3) {
            QGuiApplication::clipboard()->setText(pasted);
            c.box->paste();  // what the context menu's Paste does
        } else {
            QTest::keyClicks(c.box, pasted);
        }
        EXPECT_EQ(c.box->text(), QString::fromLatin1(c.whileIn)) << c.before << " + " << c.pasted;
        control<QLineEdit>("Edit_name")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(c.box->text(), QString::fromLatin1(c.afterLeaving)) << c.before << " + " << c.pasted;
    }
    EXPECT_TRUE(dialogs.empty());
    // A negative day reaches the draw whole, which reports it out of range rather than as a wrong date.
    setDate(QStringLiteral("-05"), QStringLiteral("01"), QStringLiteral("1958"));
    QTest::mouseClick(control<QToolButton>("ButtonDrawBio"), Qt::LeftButton);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs.back().text, QStringLiteral("Range check error."));
}

TEST_F(MainWindowTest, quietTexts_keepTheirGreyWithAMarginOverThreeToOneContrast) {
    start();
    const struct {
        QWidget* widget;
        QPalette::ColorGroup group;
        QPalette::ColorRole text, background;
    } cases[] = {
        {control<QLabel>("Label11"), QPalette::Active, QPalette::WindowText, QPalette::Window},
        {control<QLabel>("Label14"), QPalette::Inactive, QPalette::WindowText, QPalette::Window},
        {control<QLineEdit>("Edit6"), QPalette::Disabled, QPalette::Text, QPalette::Base},
        {control<QLineEdit>("Edit_age"), QPalette::Disabled, QPalette::Text, QPalette::Base},
    };
    for (const auto& c : cases) {
        const QPalette& p = c.widget->palette();
        const QColor text = p.color(c.group, c.text);
        EXPECT_GE(contrastRatio(text, p.color(c.group, c.background)), 3.5) << c.widget->objectName().toStdString();
        EXPECT_EQ(text.red(), text.blue());  // still a grey, not black
        EXPECT_GT(text.red(), 0x40);
    }
    EXPECT_FALSE(control<QLineEdit>("Edit6")->isEnabled());
}

TEST_F(MainWindowTest, dateBoxes_showATextWiderThanTheirRoomWholeInsideTheirBorder) {
    start();
    const struct {
        QLineEdit* box;
        const char* text;
    } cases[] = {{control<QLineEdit>("Edit_day"), "-05"},    {control<QLineEdit>("Edit_day"), "-1"},
                 {control<QLineEdit>("Edit_day"), "14"},     {control<QLineEdit>("Edit_age"), "211.0"},
                 {control<QLineEdit>("Edit_age"), "4371.5"}, {control<QLineEdit>("Edit6"), "3652424"}};
    for (const auto& [edit, text] : cases) {
        edit->setText(QLatin1String(text));
        const QImage box = edit->grab().toImage();
        int left = box.width(), right = -1;
        for (int y = box.height() / 3; y < box.height() * 2 / 3; ++y)
            for (int x = 0; x < box.width(); ++x)
                if (qGray(box.pixel(x, y)) < 140) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        EXPECT_GE(left, 2) << text;
        EXPECT_LE(right, box.width() - 3) << text;
    }
    EXPECT_EQ(control<QLineEdit>("Edit_day")->textMargins(), QMargins());  // a text that fits is laid out as designed
}
