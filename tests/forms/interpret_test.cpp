// The interpretation window as the user reaches it: draw a person, then ask for today's interpretation.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLocale>
#include <QScrollBar>
#include <QTest>

#include "forms/widgets.h"
#include "rhythm/interpretation.h"
#include "tests/forms/drawn_person.h"
#include "wait.h"

namespace rorovovo::forms {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), int(s.size())); }

class InterpretWindowTest : public testing::DrawnPersonTest {
  protected:
    // The birth date on which this many whole days have been lived today.
    QDate bornDaysAgo(int days) const { return now_.date().addDays(-days); }

    void openInterpretation() { control<QToolButton>("SpeedButton1")->click(); }

    QString caption() const { return FormInterpret->windowTitle(); }
    QString physical() const { return controlOf<QLabel>(FormInterpret, "Label4")->text(); }
    QString emotional() const { return controlOf<QLabel>(FormInterpret, "Label5")->text(); }
    QString intellectual() const { return controlOf<QLabel>(FormInterpret, "Label6")->text(); }
    bool greetingShown() const { return !controlOf<QLabel>(FormInterpret, "LabelGreeting")->isHidden(); }

    // The three day boxes and the three texts agree with each other and with the given days.
    void expectDays(int p, int e, int i) {
        EXPECT_EQ(box("Edit2").toInt(), p);
        EXPECT_EQ(box("Edit3").toInt(), e);
        EXPECT_EQ(box("Edit4").toInt(), i);
        EXPECT_EQ(physical(), qs(rhythm::physicalText(p)));
        EXPECT_EQ(emotional(), qs(rhythm::emotionalText(e)));
        EXPECT_EQ(intellectual(), qs(rhythm::intellectualText(i)));
    }
};

TEST_F(InterpretWindowTest, windowMatchesDesign_beforeItIsFirstShown) {
    form->interpretWindow();
    EXPECT_FALSE(FormInterpret->isVisible());
    EXPECT_TRUE(FormInterpret->windowFlags() & Qt::Tool);
    EXPECT_FALSE(FormInterpret->isModal());
    EXPECT_EQ(FormInterpret->size(), QSize(492, 216));
    EXPECT_EQ(FormInterpret->pos(), QPoint(562, 231));
    EXPECT_EQ(FormInterpret->font().family(), designFont(12).family());
    EXPECT_EQ(FormInterpret->font().pixelSize(), designFont(12).pixelSize());
    EXPECT_EQ(caption(), QStringLiteral("     Rhythm's interpretation ..."));
    EXPECT_EQ(controlOf<rorovovo::forms::BevelPanel>(FormInterpret, "Bevel1")->geometry(), QRect(8, 8, 465, 201));

    const struct {
        QLabel* label;
        const char* text;
        int top;
        QColor color;
    } headings[] = {{controlOf<QLabel>(FormInterpret, "Label1"), "Physical", 12, QColor(255, 0, 0)},
                    {controlOf<QLabel>(FormInterpret, "Label2"), "Emotional", 74, QColor(255, 0, 255)},
                    {controlOf<QLabel>(FormInterpret, "Label3"), "Intellectual", 136, QColor(0, 128, 0)}};
    for (const auto& h : headings) {
        EXPECT_EQ(h.label->text(), QLatin1String(h.text));
        EXPECT_EQ(h.label->pos(), QPoint(16, h.top)) << h.text;
        EXPECT_EQ(h.label->palette().color(QPalette::WindowText), h.color) << h.text;
        EXPECT_EQ(h.label->font().pixelSize(), designFont(15).pixelSize()) << h.text;
    }
    const struct {
        QLabel* label;
        const char* text;
        int top;
    } texts[] = {{controlOf<QLabel>(FormInterpret, "Label4"), "physical", 32},
                 {controlOf<QLabel>(FormInterpret, "Label5"), "emotional", 94},
                 {controlOf<QLabel>(FormInterpret, "Label6"), "intellectual", 156}};
    for (const auto& t : texts) {
        EXPECT_EQ(t.label->text(), QLatin1String(t.text));
        EXPECT_EQ(t.label->geometry(), QRect(16, t.top, 417, 33)) << t.text;
        EXPECT_TRUE(t.label->wordWrap()) << t.text;
        EXPECT_TRUE(
            controlOf<rorovovo::forms::BevelPanel>(FormInterpret, "Bevel1")->geometry().contains(t.label->geometry()))
            << t.text;
    }
    EXPECT_TRUE(controlOf<QLabel>(FormInterpret, "LabelGreeting")->isHidden());
    EXPECT_TRUE(controlOf<rorovovo::forms::BevelPanel>(FormInterpret, "Bevel1")
                    ->geometry()
                    .contains(controlOf<QLabel>(FormInterpret, "LabelGreeting")->geometry()));
}

TEST_F(InterpretWindowTest, beforeAnyDrawing_readsTheDesignTexts2To4AndTheNameBoxAsItIs) {
    ASSERT_EQ(control<QComboBox>("ComboBox1")->count(), 0) << "a stored profile would have drawn a chart";
    openInterpretation();
    ASSERT_TRUE(FormInterpret->isVisible());
    EXPECT_TRUE(physical().startsWith(QStringLiteral("Your fitness and motivation are increasing.")));
    EXPECT_TRUE(emotional().startsWith(QStringLiteral("You feel well and are in a good mood.")));
    EXPECT_TRUE(intellectual().startsWith(QStringLiteral("Your intellect and decision-making skills are admirable.")));
    EXPECT_TRUE(caption().endsWith(QStringLiteral("  -  for "))) << caption().toStdString();

    FormInterpret->hide();
    control<QLineEdit>("Edit_name")->setText(QStringLiteral("Nobody yet"));
    control<QAction>("MenuProgramIterpret")->trigger();
    EXPECT_TRUE(FormInterpret->isVisible());
    EXPECT_TRUE(caption().endsWith(QStringLiteral("  -  for Nobody yet"))) << caption().toStdString();
    EXPECT_TRUE(physical().startsWith(QStringLiteral("Your fitness and motivation are increasing.")));
}

TEST_F(InterpretWindowTest, caption_namesTodayInTheShortFormatAndTheNameBoxAsItIsNow) {
    draw(QStringLiteral("Ann Smith"), QDate(1980, 7, 4));
    openInterpretation();
    const QString today = QLocale().toString(QDate(2024, 3, 15), QLocale::ShortFormat);
    EXPECT_EQ(caption(),
              QStringLiteral("     Rhythm's interpretation @  ") + today + QStringLiteral("  -  for Ann Smith"));
    const QString annTexts[] = {physical(), emotional(), intellectual()};

    // Editing the name without drawing changes the caption, not the texts, of the next command.
    control<QLineEdit>("Edit_name")->setText(QStringLiteral("Bob"));
    control<QLineEdit>("Edit_day")->setText(QStringLiteral("01"));
    EXPECT_TRUE(caption().endsWith(QStringLiteral("for Ann Smith"))) << "an open window stays as it was filled";
    openInterpretation();
    EXPECT_EQ(caption(), QStringLiteral("     Rhythm's interpretation @  ") + today + QStringLiteral("  -  for Bob"));
    EXPECT_EQ(physical(), annTexts[0]);
    EXPECT_EQ(emotional(), annTexts[1]);
    EXPECT_EQ(intellectual(), annTexts[2]);
}

TEST_F(InterpretWindowTest, longCaption_widensTheWindowSoATitleBarShowsItWhole) {
    QFont title = QApplication::font();
    title.setBold(true);
    for (const QString& name :
         {QStringLiteral("Ann"), QStringLiteral("Maximiliane Theodora von Hohenberg-Lindqvist")}) {
        draw(name, QDate(1990, 3, 15));
        openInterpretation();
        EXPECT_GE(FormInterpret->width(), QFontMetrics(title).horizontalAdvance(caption()) + 100) << name.toStdString();
        EXPECT_GE(FormInterpret->width(), 492);
        EXPECT_EQ(FormInterpret->height(), 216);
        // The texts keep their designed boxes; the frame reaches as far as the window.
        EXPECT_EQ(controlOf<QLabel>(FormInterpret, "Label4")->geometry(), QRect(16, 32, 417, 33));
        EXPECT_EQ(controlOf<rorovovo::forms::BevelPanel>(FormInterpret, "Bevel1")->geometry(),
                  QRect(8, 8, FormInterpret->width() - 27, 201));
    }
    EXPECT_GT(FormInterpret->width(), 492);
}

TEST_F(InterpretWindowTest, caption_followsTheUsersDateFormat) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    draw(QStringLiteral("Jo"), QDate(1980, 7, 4));
    openInterpretation();
    QLocale::setDefault(saved);
    EXPECT_EQ(caption(), QStringLiteral("     Rhythm's interpretation @  15.03.24  -  for Jo"));
}

TEST_F(InterpretWindowTest, edgeDaysOfTheCycles_showTheirTexts) {
    const int allPeriods = 23 * 28 * 33;  // every cycle starts again on this day

    draw(QStringLiteral("Critical"), bornDaysAgo(2 * allPeriods));
    openInterpretation();
    expectDays(0, 0, 0);
    EXPECT_TRUE(physical().startsWith(QStringLiteral("If you have planned big physical activities for today")));
    EXPECT_TRUE(emotional().startsWith(QStringLiteral("Today your barometer of emotions is jumping")));
    EXPECT_TRUE(intellectual().startsWith(QStringLiteral("Do you have an exam today?")));

    draw(QStringLiteral("Day after"), bornDaysAgo(allPeriods + 1));
    openInterpretation();
    expectDays(1, 1, 1);
    EXPECT_TRUE(physical().startsWith(QStringLiteral("Physically, you had a critical day yesterday.")));
    EXPECT_TRUE(emotional().startsWith(QStringLiteral("There are still some after-effects")));

    // Physical 11, emotional 14, intellectual 16 on one day, then physical 12 on the next.
    int middle = 0;
    while (!(middle % 23 == 11 && middle % 28 == 14 && middle % 33 == 16)) ++middle;
    draw(QStringLiteral("Middle"), bornDaysAgo(middle));
    openInterpretation();
    expectDays(11, 14, 16);
    EXPECT_TRUE(physical().startsWith(QStringLiteral("Don't exert yourself today!")));
    EXPECT_TRUE(emotional().startsWith(QStringLiteral("Emotional breakdown?")));
    EXPECT_TRUE(intellectual().startsWith(QStringLiteral("You can't concentrate today.")));
    draw(QStringLiteral("Middle"), bornDaysAgo(middle + 1));
    openInterpretation();
    EXPECT_TRUE(physical().startsWith(QStringLiteral("Today you feel beaten")));

    draw(QStringLiteral("Last day"), bornDaysAgo(allPeriods - 1));
    openInterpretation();
    expectDays(22, 27, 32);
    EXPECT_TRUE(physical().startsWith(QStringLiteral("You're still not exactly full of beans.")));
    EXPECT_TRUE(emotional().startsWith(QStringLiteral("Now you can see the light at the end of the tunnel.")));
    EXPECT_TRUE(intellectual().startsWith(QStringLiteral("If you have to make important decisions")));
    EXPECT_TRUE(errorsShown().empty());
}

TEST_F(InterpretWindowTest, bornToday_isACriticalDayInEveryRhythm) {
    draw(QStringLiteral("Newborn"), now_.date());
    openInterpretation();
    expectDays(0, 0, 0);
}

TEST_F(InterpretWindowTest, rhythmLeftOutOfTheDrawing_keepsTheDayOfTheEarlierOne) {
    draw(QStringLiteral("First"), bornDaysAgo(28 * 10 + 14));  // emotional day 14
    control<QAction>("MenuOptionsShowEmotional")->trigger();   // unchecks it
    ASSERT_FALSE(control<QAction>("MenuOptionsShowEmotional")->isChecked());
    draw(QStringLiteral("Second"), bornDaysAgo(23 * 28 * 33));  // day 0 everywhere
    openInterpretation();
    EXPECT_EQ(box("Edit3"), QStringLiteral("14"));
    EXPECT_TRUE(emotional().startsWith(QStringLiteral("Emotional breakdown?")));
    EXPECT_TRUE(physical().startsWith(QStringLiteral("If you have planned big physical activities for today")));
}

TEST_F(InterpretWindowTest, scrolledChart_stillInterpretsToday) {
    draw(QStringLiteral("Ann"), bornDaysAgo(23 * 28 * 33));
    control<QScrollBar>("ScrollBar1")->setValue(100);
    openInterpretation();
    expectDays(0, 0, 0);
    EXPECT_TRUE(caption().contains(QLocale().toString(QDate(2024, 3, 15), QLocale::ShortFormat)));
}

TEST_F(InterpretWindowTest, dayBoxWithoutANumber_endsTheCommandBeforeTheWindowChanges) {
    draw(QStringLiteral("Ann"), bornDaysAgo(23 * 28 * 33));
    openInterpretation();
    FormInterpret->hide();
    const QString before[] = {caption(), physical(), emotional(), intellectual()};
    control<QLineEdit>("Edit_name")->setText(QStringLiteral("Changed"));
    control<QLineEdit>("Edit3")->setText(QStringLiteral("7?"));
    const std::size_t errorsBefore = errorsShown().size();

    openInterpretation();
    const auto errors = errorsShown();
    ASSERT_EQ(errors.size(), errorsBefore + 1);
    EXPECT_EQ(errors.back(), QStringLiteral("'7?' is not a valid integer value."));
    EXPECT_FALSE(FormInterpret->isVisible());
    EXPECT_EQ(caption(), before[0]);
    EXPECT_EQ(physical(), before[1]);
    EXPECT_EQ(emotional(), before[2]);
    EXPECT_EQ(intellectual(), before[3]);
}

TEST_F(InterpretWindowTest, birthdayGreeting_showsOnlyOnTheBirthday) {
    draw(QStringLiteral("Ann"), QDate(1990, 3, 15));
    openInterpretation();
    EXPECT_TRUE(greetingShown());
    EXPECT_EQ(controlOf<QLabel>(FormInterpret, "LabelGreeting")->text(), QStringLiteral("By the way: HAPPY BIRTHDAY!"));
    for (const QString& t : {caption(), physical(), emotional(), intellectual()})
        EXPECT_FALSE(t.contains(QStringLiteral("BIRTHDAY")));

    // The day before, the day after, and the same day in another month: no greeting.
    for (const QDate birth : {QDate(1990, 3, 16), QDate(1990, 3, 14), QDate(1990, 4, 15)}) {
        draw(QStringLiteral("Ann"), birth);
        openInterpretation();
        EXPECT_FALSE(greetingShown()) << birth.toString(Qt::ISODate).toStdString();
    }
}

TEST_F(InterpretWindowTest, birthdayGreeting_isNotShownBeforeAnyoneIsDrawn) {
    now_ = QDateTime(QDate(2024, 12, 30), QTime(0, 0));  // the calendar's day 0 falls on 30 December
    openInterpretation();
    ASSERT_TRUE(FormInterpret->isVisible());
    EXPECT_FALSE(greetingShown());
    draw(QStringLiteral("Ann"), QDate(1970, 12, 30));
    openInterpretation();
    EXPECT_TRUE(greetingShown());
}

TEST_F(InterpretWindowTest, birthdayGreeting_isForThePersonLastDrawnNotTheDateBoxes) {
    draw(QStringLiteral("Ann"), QDate(1990, 3, 15));
    control<QLineEdit>("Edit_month")->setText(QStringLiteral("04"));
    openInterpretation();
    EXPECT_TRUE(greetingShown());
}

TEST_F(InterpretWindowTest, showsNonModal_andAnOpenWindowTakesTheNewTexts) {
    draw(QStringLiteral("Ann"), bornDaysAgo(23 * 28 * 33));
    openInterpretation();
    ASSERT_TRUE(FormInterpret->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(form->isEnabled());

    form->activateWindow();
    draw(QStringLiteral("Ann"), bornDaysAgo(23 * 28 * 33 + 1));
    openInterpretation();
    EXPECT_TRUE(FormInterpret->isVisible());
    expectDays(1, 1, 1);
    EXPECT_TRUE(waitFor([] { return QApplication::activeWindow() == static_cast<QWidget*>(FormInterpret); }));
}

TEST_F(InterpretWindowTest, clickOnTheBackgroundHides_clickOnTheFrameOrALabelDoesNot) {
    draw(QStringLiteral("Ann"), QDate(1990, 3, 15));
    openInterpretation();
    ASSERT_TRUE(FormInterpret->isVisible());

    QTest::mouseClick(controlOf<QLabel>(FormInterpret, "Label4"), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(controlOf<QLabel>(FormInterpret, "Label1"), Qt::LeftButton);
    QTest::mouseClick(controlOf<QLabel>(FormInterpret, "LabelGreeting"), Qt::LeftButton);
    QTest::mouseClick(FormInterpret, Qt::LeftButton, {}, QPoint(200, 70));  // the frame between two texts
    QTest::mouseClick(FormInterpret, Qt::LeftButton, {}, QPoint(9, 200));   // just inside the frame's corner
    EXPECT_TRUE(FormInterpret->isVisible());
    QTest::mouseClick(FormInterpret, Qt::RightButton, {}, QPoint(480, 100));
    EXPECT_TRUE(FormInterpret->isVisible()) << "only the left button clicks";

    QTest::mouseClick(FormInterpret, Qt::LeftButton, {}, QPoint(480, 100));  // right of the frame
    EXPECT_FALSE(FormInterpret->isVisible());

    openInterpretation();
    ASSERT_TRUE(FormInterpret->isVisible());
    QTest::mouseClick(FormInterpret, Qt::LeftButton, {}, QPoint(3, 3));  // the margin above the frame
    EXPECT_FALSE(FormInterpret->isVisible());
}

TEST_F(InterpretWindowTest, closingTheWindow_onlyHidesIt) {
    openInterpretation();
    TFormInterpret* window = FormInterpret;
    window->close();
    EXPECT_FALSE(window->isVisible());
    draw(QStringLiteral("Ann"), bornDaysAgo(23 * 28 * 33 - 1));
    openInterpretation();
    EXPECT_EQ(FormInterpret, window);
    EXPECT_TRUE(window->isVisible());
    expectDays(22, 27, 32);
}

}  // namespace
}  // namespace rorovovo::forms
