// What a screen reader meets: every control of every window named, and the chart as a table of its days that the
// arrow keys walk.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>

#include "forms/chart_table.h"
#include "tests/forms/drawn_person.h"

namespace rorovovo::forms {
namespace {

class AccessibilityTest : public testing::DrawnPersonTest {};

TEST_F(AccessibilityTest, everyControlOfEveryWindow_hasAName) {
    draw(QStringLiteral("Anna Smith"), QDate(1958, 3, 15));
    QStringList unnamed;
    int controls = 0;
    for (QWidget* window : openEveryWindow())
        for (QWidget* w : window->findChildren<QWidget*>()) {
            // What a user acts on: what takes the keyboard, and every button, with or without a caption.
            if (!w->isVisibleTo(window) || qobject_cast<QScrollBar*>(w) || qobject_cast<QLabel*>(w)) continue;
            if (!(w->focusPolicy() & Qt::TabFocus) && !qobject_cast<QAbstractButton*>(w)) continue;
            if (qobject_cast<QAbstractSpinBox*>(w->parentWidget()) || qobject_cast<QComboBox*>(w->parentWidget()) ||
                w->objectName().startsWith(QLatin1String("qt_")))
                continue;  // a part of a composite control, which carries the name
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            ++controls;
            if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
                unnamed << window->objectName() + QLatin1Char('.') + w->objectName() + QLatin1Char(' ') +
                               QLatin1String(w->metaObject()->className());
        }
    EXPECT_GT(controls, 60);
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QLatin1Char('\n')).toStdString();
}

TEST_F(AccessibilityTest, theChartIsATableOfItsDays_theArrowKeysWalkThem) {
    QWidget* strip = control<QWidget>("ImageBio");
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(strip);
    ASSERT_TRUE(chart && chart->tableInterface());
    EXPECT_EQ(chart->role(), QAccessible::Table);
    EXPECT_EQ(chart->tableInterface()->rowCount(), 0) << "rows before anybody is drawn";

    draw(QStringLiteral("Anna Smith"), QDate(1958, 3, 15));
    QAccessibleTableInterface* table = chart->tableInterface();
    ASSERT_EQ(table->rowCount(), 351);
    ASSERT_EQ(table->columnCount(), 6);
    // Today, 15 March 2024, is the 61st row, 24107 days lived: Physical 100 sin(2 pi 24107 / 23) = 73, rising;
    // Intellectual -10, falling; tomorrow Emotional's cycle day is 0.
    const struct {
        int row, column;
        const char* heading;
        const char* text;
    } cells[] = {{60, 1, "Physical", "73 % rising"},
                 {60, 3, "Intellectual", "-10 % falling"},
                 {60, 5, "Critical", "none"},
                 {61, 5, "Critical", "Emotional"}};
    for (const auto& c : cells) {
        EXPECT_EQ(table->columnDescription(c.column), QLatin1String(c.heading));
        EXPECT_EQ(table->cellAt(c.row, c.column)->text(QAccessible::Name), QLatin1String(c.text)) << c.heading;
    }
    EXPECT_TRUE(table->cellAt(60, 0)->text(QAccessible::Name).contains(QLatin1String("2024")));

    // The strip takes the keyboard on a click, on the first day in view; Left and Right walk a day at a time.
    ASSERT_EQ(strip->focusPolicy(), Qt::ClickFocus) << "the designed tab order keeps out of the chart";
    QFocusEvent click(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(strip, &click);
    EXPECT_EQ(currentDay(strip), 60);
    const auto press = [&](Qt::Key key, int times) {
        for (int i = 0; i < times; ++i) {
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(strip, &event);
        }
    };
    press(Qt::Key_Right, 3);
    EXPECT_EQ(currentDay(strip), 63);
    EXPECT_TRUE(table->isRowSelected(63));
    press(Qt::Key_Left, 100);
    EXPECT_EQ(currentDay(strip), 0) << "the walk stops at the first day";
}

}  // namespace
}  // namespace rorovovo::forms
