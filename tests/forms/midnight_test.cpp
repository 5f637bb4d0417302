// A clock that passes midnight while an action runs: what the action shows still comes from one day.
#include <QLineEdit>
#include <QToolButton>
#include <QtTest/QTest>

#include "main_window_fixture.h"
#include "rhythm/daycount.h"
#include "rhythm/rhythms.h"

using namespace rorovovo;

class MidnightTest : public MainWindowTest {
  protected:
    // Each reading falls on the other side of midnight from the one before, as if every reading took a while.
    void crossMidnightAtEveryReading() {
        platform::setClock([this] {
            return ++readings_ % 2 ? QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59, 999))
                                   : QDateTime(QDate(2027, 1, 1), QTime(0, 0));
        });
    }

  private:
    int readings_ = 0;
};

TEST_F(MidnightTest, todaysDateBoxes_showOneDayInBothWindows) {
    crossMidnightAtEveryReading();
    start();
    crossMidnightAtEveryReading();
    forms::TFormEditor editor(form);
    const QStringList days = {QStringLiteral("31.12.2026"), QStringLiteral("01.01.2027")};
    for (const auto& [window, boxes] :
         {std::pair{"main", std::array{control<QLineEdit>("Edit_day"), control<QLineEdit>("Edit_month"),
                                       control<QLineEdit>("Edit_year")}},
          {"editor",
           {controlOf<QLineEdit>(&editor, "Edit_day"), controlOf<QLineEdit>(&editor, "Edit_month"),
            controlOf<QLineEdit>(&editor, "Edit_year")}}}) {
        const QString shown = boxes[0]->text() + '.' + boxes[1]->text() + '.' + boxes[2]->text();
        EXPECT_TRUE(days.contains(shown)) << window << ": " << shown.toStdString();
    }
}

TEST_F(MidnightTest, draw_givesEveryCycleDayFromTheTotalDaysShown) {
    start();
    setDate("15", "03", "1958");
    crossMidnightAtEveryReading();
    QTest::mouseClick(control<QToolButton>("ButtonDrawBio"), Qt::LeftButton);
    const int lived = control<QLineEdit>("Edit6")->text().toInt();
    ASSERT_GT(lived, 0);
    QLineEdit* const boxes[] = {control<QLineEdit>("Edit2"), control<QLineEdit>("Edit3"), control<QLineEdit>("Edit4"),
                                control<QLineEdit>("Edit5")};
    for (const auto& r : rhythm::Rhythms) {
        if (!r.Base) continue;
        EXPECT_EQ(boxes[r.Number - 1]->text().toInt(), rhythm::cycleDay(lived, r.Period)) << r.Period;
    }
}
