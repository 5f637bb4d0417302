// What every eye meets: every text of every window against its background in the light and the dark scheme, from the
// palettes the windows really use; and for a screen reader, every control named and the chart as a table of its days
// that the arrow keys walk.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>

#include "forms/widgets.h"
#include "platform/desktop_scheme.h"
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
            // A button a box shows only while it holds text is there for a screen reader all the same.
            const bool button = qobject_cast<QAbstractButton*>(w);
            if ((!button && !w->isVisibleTo(window)) || qobject_cast<QScrollBar*>(w) || qobject_cast<QLabel*>(w))
                continue;
            if (!(w->focusPolicy() & Qt::TabFocus) && !qobject_cast<QAbstractButton*>(w)) continue;
            if (qobject_cast<QAbstractSpinBox*>(w->parentWidget()) || qobject_cast<QComboBox*>(w->parentWidget()) ||
                qobject_cast<QAbstractItemView*>(w->parentWidget()) || w->objectName().startsWith(QLatin1String("qt_")))
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
    // tomorrow Emotional's cycle day is 0.
    EXPECT_EQ(table->columnDescription(1), QLatin1String("Physical"));
    EXPECT_EQ(table->cellAt(60, 1)->text(QAccessible::Name), QLatin1String("73 % rising"));
    EXPECT_EQ(table->cellAt(61, 5)->text(QAccessible::Name), QLatin1String("Emotional"));
    EXPECT_TRUE(table->cellAt(60, 0)->text(QAccessible::Name).contains(QLatin1String("2024")));

    // The strip takes the keyboard on a click, on the first day in view; Left and Right walk a day at a time.
    ASSERT_EQ(strip->focusPolicy(), Qt::ClickFocus) << "the designed tab order keeps out of the chart";
    QFocusEvent click(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(strip, &click);
    EXPECT_EQ(table->selectedRows(), QList<int>{60});
    const auto press = [&](Qt::Key key, int times) {
        for (int i = 0; i < times; ++i) {
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(strip, &event);
        }
    };
    press(Qt::Key_Right, 3);
    EXPECT_EQ(table->selectedRows(), QList<int>{63});
    press(Qt::Key_Left, 100);
    EXPECT_EQ(table->selectedRows(), QList<int>{0}) << "the walk stops at the first day";
}

// What a text is drawn on: its box's base, or the filled background of the nearest control under it.
QColor groundOf(const QWidget* w, QPalette::ColorGroup group) {
    if (qobject_cast<const QLineEdit*>(w)) return w->palette().color(group, QPalette::Base);
    const QWidget* under = w;
    while (under->parentWidget() && !under->autoFillBackground()) under = under->parentWidget();
    return under->palette().color(group, under->backgroundRole());
}

class SchemeTest : public testing::DrawnPersonTest, public ::testing::WithParamInterface<bool> {
  protected:
    void TearDown() override {
        platform::applyScheme(platform::ColourScheme::Light);
        recolourAll();
        DrawnPersonTest::TearDown();
    }
    // Every window the user can open beside the main one, after the desktop switched while they were open.
    std::vector<QWidget*> openEveryWindowAndSwitch() {
        std::vector<QWidget*> windows = openEveryWindow();
        if (GetParam()) platform::applyScheme(platform::ColourScheme::Dark);
        recolourAll();
        QCoreApplication::sendPostedEvents();
        return windows;
    }
};

// Texts need 4.5:1, the quiet grey ones and disabled boxes 3:1. On the light desktop the rhythms' own colours are
// the design's and stand as they are.
TEST_P(SchemeTest, everyTextOfEveryWindow_readsOnItsBackground) {
    draw(QStringLiteral("Anna Smith"), QDate(1958, 3, 15));
    const std::vector<QWidget*> windows = openEveryWindowAndSwitch();
    ASSERT_GE(windows.size(), 7u);
    int measured = 0;
    for (QWidget* window : windows)
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(window)) continue;
            const auto* label = qobject_cast<QLabel*>(w);
            const auto* box = qobject_cast<QLineEdit*>(w);
            if (!(label && !label->text().isEmpty() && label->pixmap().isNull()) && !(box && !box->text().isEmpty()))
                continue;
            if (!GetParam() && w->property("rorovovoRhythm").isValid()) continue;
            const QPalette::ColorGroup group = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
            const QColor text = w->palette().color(group, w->foregroundRole());
            const QColor ground = groundOf(w, group);
            const bool quiet = !w->isEnabled() || w->property("rorovovoQuietRatio").isValid();
            EXPECT_GE(contrastRatio(text, ground), quiet ? 3.0 : 4.5)
                << window->objectName().toStdString() << "." << w->objectName().toStdString() << " "
                << text.name().toStdString() << " on " << ground.name().toStdString();
            ++measured;
            // Rhythm names a list writes in their colours.
            static const QRegularExpression spans(QStringLiteral("color:(#[0-9a-fA-F]{6})"));
            for (auto m = spans.globalMatch(label ? label->text() : QString()); GetParam() && m.hasNext();)
                EXPECT_GE(contrastRatio(QColor(m.next().captured(1)), ground), 4.5)
                    << window->objectName().toStdString() << ": " << label->text().toStdString();
        }
    EXPECT_GT(measured, 60);
}

TEST_P(SchemeTest, theWindowsFollowTheScheme_theChartKeepsItsWhiteStrip) {
    draw(QStringLiteral("Anna Smith"), QDate(1958, 3, 15));
    const std::vector<QWidget*> windows = openEveryWindowAndSwitch();
    for (QWidget* window : windows)
        EXPECT_EQ(window->palette().color(window->backgroundRole()).lightness() < 128, GetParam())
            << window->objectName().toStdString();
    const QImage chart = control<PictureBox>("ImageBio")->canvas().image();
    EXPECT_EQ(chart.pixel(chart.width() - 5, 3) & 0xFFFFFF, 0xFFFFFFu);
    // A ring's percentage stands on the window through the picture's white: it is written in the window's text.
    const QImage ring = control<PictureBox>("Image_Physical")->canvas().image();
    const QRgb text = GetParam() ? QApplication::palette().color(QPalette::WindowText).rgb() : qRgb(0, 0, 0);
    int inText = 0;
    for (int y = 0; y < ring.height(); ++y)
        for (int x = 0; x < ring.width(); ++x) inText += ring.pixel(x, y) == text;
    EXPECT_GT(inText, 20);
}

INSTANTIATE_TEST_SUITE_P(Schemes, SchemeTest, ::testing::Values(false, true),
                         [](const auto& p) { return p.param ? "dark" : "light"; });

}  // namespace
}  // namespace rorovovo::forms
