// The critical days through the real widgets on a fixed clock: the list window, its buttons and keys, the calendar
// export, and the marks on the chart.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "critical_brute_force.h"
#include "drawn_person.h"
#include "forms/CriticalDays.h"
#include "forms/widgets.h"
#include "platform/output_dialogs.h"
#include "wait.h"

namespace rorovovo::forms::testing {
namespace {

class CriticalDaysTest : public DrawnPersonTest {
  protected:
    void TearDown() override {
        platform::resetOutputDialogHandlers();
        DrawnPersonTest::TearDown();
    }

    TFormCritical* open() {
        control<QAction>("MenuToolsCritical")->trigger();
        auto* window = form->findChild<TFormCritical*>(QStringLiteral("FormCritical"));
        EXPECT_NE(window, nullptr);
        if (window) {
            EXPECT_TRUE(waitFor([window] { return window->isVisible(); }));
        }
        return window;
    }

    // The table against the day-by-day list: date, rhythms and kind per row, double and triple rows in bold.
    static void expectRows(const TFormCritical* w, const std::vector<BruteCriticalDay>& expected) {
        ASSERT_EQ(controlOf<QTableWidget>(w, "TableCritical")->rowCount(), int(expected.size()));
        for (int row = 0; row < int(expected.size()); ++row) {
            const BruteCriticalDay& day = expected[std::size_t(row)];
            const QString dateText = controlOf<QTableWidget>(w, "TableCritical")->item(row, 0)->text();
            EXPECT_TRUE(dateText.endsWith(QLocale().toString(day.date, QLocale::ShortFormat)))
                << dateText.toStdString();
            EXPECT_TRUE(dateText.startsWith(QLocale().toString(day.date, QStringLiteral("ddd"))));
            EXPECT_EQ(controlOf<QTableWidget>(w, "TableCritical")->item(row, 1)->text(),
                      day.rhythms.join(QStringLiteral(", ")));
            EXPECT_EQ(controlOf<QTableWidget>(w, "TableCritical")->item(row, 2)->text(), day.kind);
            EXPECT_EQ(controlOf<QTableWidget>(w, "TableCritical")->item(row, 2)->font().bold(),
                      day.kind != QLatin1String("single"));
            const auto* names = qobject_cast<QLabel*>(controlOf<QTableWidget>(w, "TableCritical")->cellWidget(row, 1));
            ASSERT_NE(names, nullptr);
            EXPECT_EQ(names->text().contains(QLatin1String("#ff0000")),
                      day.rhythms.contains(QLatin1String("Physical")));
        }
    }
};

TEST_F(CriticalDaysTest, beforeAnyDraw_saysSoInsteadOfAnEmptyTable) {
    TFormCritical* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(
        controlOf<QLabel>(w, "LabelPerson")->text().startsWith(QStringLiteral("No biorhythm has been drawn yet")));
    EXPECT_FALSE(controlOf<QTableWidget>(w, "TableCritical")->isEnabled());
    EXPECT_FALSE(controlOf<QPushButton>(w, "ButtonNextTriple")->isEnabled());
    EXPECT_FALSE(controlOf<QPushButton>(w, "ButtonSaveCalendar")->isEnabled());
    // A draw fills the open window.
    draw(QStringLiteral("Ada Lovelace"), {1815, 12, 10});
    EXPECT_TRUE(controlOf<QTableWidget>(w, "TableCritical")->isEnabled());
    EXPECT_EQ(controlOf<QLabel>(w, "LabelPerson")->text(),
              QStringLiteral("Critical days of Ada Lovelace, born 10.12.1815"));
}

TEST_F(CriticalDaysTest, table_listsTheDaysOfTheDefinitionForStartSpanAndTheTickedRhythms) {
    draw(QStringLiteral("Ada Lovelace"), {1815, 12, 10});
    TFormCritical* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->isModal());
    EXPECT_EQ(controlOf<QDateEdit>(w, "DateFrom")->date(), QDate(2024, 3, 15));
    EXPECT_EQ(controlOf<QComboBox>(w, "ComboSpan")->currentText(), QStringLiteral("90 days"));
    // Every rhythm is listed at first, as on the command line, whatever the chart shows; the note says what counts.
    EXPECT_EQ(controlOf<QLabel>(w, "LabelKindNote")->text(),
              QStringLiteral("Only Physical, Emotional and Intellectual make a day double or "
                             "triple."));
    const QDate birth(1815, 12, 10);
    expectRows(w, bruteForceCriticalDays(birth, {2024, 3, 15}, 90));
    auto without = [](std::vector<BruteCriticalDay> days, const QStringList& unticked) {
        std::vector<BruteCriticalDay> kept;
        for (auto& d : days) {
            const int counted = int(d.rhythms.size());
            for (const QString& name : unticked) d.rhythms.removeAll(name);
            if (d.rhythms.isEmpty()) continue;
            if (counted != d.rhythms.size()) {
                int main = 0;
                for (const char* m : {"Physical", "Emotional", "Intellectual"}) main += d.rhythms.contains(m);
                d.kind = main == 3 ? "triple" : main == 2 ? "double" : "single";
            }
            kept.push_back(d);
        }
        return kept;
    };
    controlOf<QCheckBox>(w, "CheckRhythm_Spiritual")->click();  // Spiritual
    controlOf<QCheckBox>(w, "CheckRhythm_Physical")->click();   // Physical: its days are no longer listed nor counted
    controlOf<QComboBox>(w, "ComboSpan")
        ->setCurrentIndex(controlOf<QComboBox>(w, "ComboSpan")->findText(QStringLiteral("365 days")));
    controlOf<QDateEdit>(w, "DateFrom")->setDate({2024, 1, 1});
    expectRows(w, without(bruteForceCriticalDays(birth, {2024, 1, 1}, 365), {"Spiritual", "Physical"}));
    // A person born in the future counts the days to the birth day.
    draw(QStringLiteral("Later"), {2024, 6, 1});
    expectRows(w, without(bruteForceCriticalDays({2024, 6, 1}, {2024, 1, 1}, 365), {"Spiritual", "Physical"}));
    // The choice is the window's own, kept with its size for the next run.
    w->close();
    EXPECT_EQ(QSettings(platform::executableFolder() + QStringLiteral("Cyclomat.ini"), QSettings::IniFormat)
                  .value(QStringLiteral("CriticalDays/Rhythms"))
                  .toString(),
              QStringLiteral("011101"));
}

TEST_F(CriticalDaysTest, nextTriple_selectsItsRowAddingRowsAndSaysHowFarAway) {
    const struct {
        QDate birth;
        QString said;
    } cases[] = {{{2024, 3, 15}, QStringLiteral("Today, %1, is a triple critical day.")},
                 {{1815, 12, 10}, QStringLiteral("The next triple critical day, %1, is %2 days away.")}};
    for (const auto& c : cases) {
        draw(QStringLiteral("Ada"), c.birth);
        TFormCritical* w = open();
        ASSERT_NE(w, nullptr);
        controlOf<QPushButton>(w, "ButtonNextTriple")->click();
        const QDate next = bruteForceNextTriple(c.birth, {2024, 3, 15});
        const auto rows = controlOf<QTableWidget>(w, "TableCritical")->selectionModel()->selectedRows();
        ASSERT_EQ(rows.size(), 1);
        EXPECT_TRUE(controlOf<QTableWidget>(w, "TableCritical")
                        ->item(rows[0].row(), 0)
                        ->text()
                        .endsWith(QLocale().toString(next, QLocale::ShortFormat)));
        EXPECT_EQ(controlOf<QTableWidget>(w, "TableCritical")->item(rows[0].row(), 2)->text(),
                  QStringLiteral("triple"));
        EXPECT_EQ(controlOf<QLabel>(w, "LabelNext")->text(),
                  c.said.arg(QLocale().toString(next, QLocale::ShortFormat)).arg(QDate(2024, 3, 15).daysTo(next)));
        const int span = std::max(90, int(QDate(2024, 3, 15).daysTo(next)) + 1);
        expectRows(w, bruteForceCriticalDays(c.birth, {2024, 3, 15}, span));
        w->close();
    }
}

TEST_F(CriticalDaysTest, keyboard_tabReachesEveryControlEscapeClosesAndTheSizeIsKept) {
    draw(QStringLiteral("Ada"), {1815, 12, 10});
    TFormCritical* w = open();
    ASSERT_NE(w, nullptr);
    QApplication::setActiveWindow(w);
    controlOf<QDateEdit>(w, "DateFrom")->setFocus();
    ASSERT_TRUE(waitFor([w] { return controlOf<QDateEdit>(w, "DateFrom")->hasFocus(); }));
    QSet<QWidget*> reached;
    for (int i = 0; i < 14; ++i) {
        reached << QApplication::focusWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (QWidget* control : {static_cast<QWidget*>(controlOf<QDateEdit>(w, "DateFrom")),
                             static_cast<QWidget*>(controlOf<QComboBox>(w, "ComboSpan")),
                             static_cast<QWidget*>(controlOf<QTableWidget>(w, "TableCritical")),
                             static_cast<QWidget*>(controlOf<QPushButton>(w, "ButtonNextTriple")),
                             static_cast<QWidget*>(controlOf<QPushButton>(w, "ButtonSaveCalendar")),
                             static_cast<QWidget*>(controlOf<QPushButton>(w, "ButtonClose")),
                             static_cast<QWidget*>(controlOf<QCheckBox>(w, "CheckRhythm_Physical")),
                             static_cast<QWidget*>(controlOf<QCheckBox>(w, "CheckRhythm_Aesthetics"))})
        EXPECT_TRUE(reached.contains(control) || reached.contains(control->focusProxy()))
            << control->objectName().toStdString();

    w->resize(610, 515);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(waitFor([w] { return !w->isVisible(); }));
    const QString ini = platform::executableFolder() + QStringLiteral("Cyclomat.ini");
    EXPECT_EQ(QSettings(ini, QSettings::IniFormat).value(QStringLiteral("CriticalDays/Width")).toInt(), 610);
    EXPECT_EQ(QSettings(ini, QSettings::IniFormat).value(QStringLiteral("CriticalDays/Height")).toInt(), 515);
    // The next run opens the window at that size.
    delete form;
    IniFile.reset();
    form = new TForm1;
    FormInterpret = new TFormInterpret(form);
    TFormCritical* again = open();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->size(), QSize(610, 515));
    // Quitting the program with the window open keeps its size too.
    again->resize(640, 530);
    form->close();
    EXPECT_EQ(QSettings(ini, QSettings::IniFormat).value(QStringLiteral("CriticalDays/Width")).toInt(), 640);
}

TEST_F(CriticalDaysTest, saveAsCalendar_writesTheListedDaysOrSaysWhyNot) {
    QTemporaryDir dir;
    draw(QStringLiteral("Ada Lovelace"), {1815, 12, 10});
    TFormCritical* w = open();
    ASSERT_NE(w, nullptr);
    QString path = dir.filePath(QStringLiteral("ada.ics"));
    QString suggested;
    platform::setSaveFileHandler([&](const QString& s, const QString&) {
        suggested = s;
        return path;
    });
    controlOf<QPushButton>(w, "ButtonSaveCalendar")->click();
    EXPECT_TRUE(suggested.endsWith(QStringLiteral("Ada Lovelace critical days.ics"))) << suggested.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_EQ(text.count("BEGIN:VEVENT"), controlOf<QTableWidget>(w, "TableCritical")->rowCount());
    EXPECT_TRUE(text.contains("DTSTAMP:20240315T103000Z"));
    EXPECT_TRUE(text.contains("(Ada Lovelace)"));
    EXPECT_TRUE(errorsShown().empty());

    path = dir.filePath(QStringLiteral("missing/ada.ics"));
    controlOf<QPushButton>(w, "ButtonSaveCalendar")->click();
    ASSERT_EQ(errorsShown().size(), 1u);
    EXPECT_EQ(errorsShown()[0], QStringLiteral("Unable to write to %1.").arg(QDir::toNativeSeparators(path)));
    path.clear();  // cancelled: nothing happens
    controlOf<QPushButton>(w, "ButtonSaveCalendar")->click();
    EXPECT_EQ(errorsShown().size(), 1u);
}

TEST_F(CriticalDaysTest, marks_offByDefaultStoredAndDrawnOnTheAxis) {
    // Born 21,249 days before today: day 21,252 (triple) is three days ahead, at x 630..639.
    const QDate birth = QDate(2024, 3, 18).addDays(-21252);
    draw(QStringLiteral("Ada"), birth);
    EXPECT_FALSE(control<QAction>("MenuOptionsCriticalMarks")->isChecked());
    const QImage plain = control<rorovovo::forms::PictureBox>("ImageBio")->picture();
    const int axis = plain.height() / 2;
    control<QAction>("MenuOptionsCriticalMarks")->trigger();
    const QString ini = platform::executableFolder() + QStringLiteral("Cyclomat.ini");
    EXPECT_EQ(QSettings(ini, QSettings::IniFormat).value(QStringLiteral("Preferences/CriticalMarks")).toString(),
              QStringLiteral("1"));
    const QImage marked = control<rorovovo::forms::PictureBox>("ImageBio")->picture();
    const struct {
        int x, y;
        QRgb colour;
    } probes[] = {{635, axis - 4, 0x000000},  // black over the axis: a triple day
                  {635, axis + 4, 0xFF0000},  // then Physical, Emotional and Intellectual stacked under it
                  {635, axis + 9, 0xFF00FF},
                  {635, axis + 14, 0x008000}};
    for (const auto& p : probes) {
        EXPECT_EQ(marked.pixel(p.x, p.y) & 0xFFFFFF, p.colour) << p.x << "," << p.y;
        EXPECT_NE(plain.pixel(p.x, p.y) & 0xFFFFFF, p.colour) << p.x << "," << p.y;
    }
    // A single day (Physical at day 21,275) has no black mark.
    EXPECT_EQ(marked.pixel(865, axis + 4) & 0xFFFFFF, 0xFF0000u);
    EXPECT_NE(marked.pixel(865, axis - 4) & 0xFFFFFF, 0x000000u);

    control<QAction>("MenuOptionsCriticalMarks")->trigger();
    EXPECT_EQ(control<rorovovo::forms::PictureBox>("ImageBio")->picture(), plain);
    EXPECT_EQ(QSettings(ini, QSettings::IniFormat).value(QStringLiteral("Preferences/CriticalMarks")).toString(),
              QStringLiteral("0"));
}

}  // namespace
}  // namespace rorovovo::forms::testing
