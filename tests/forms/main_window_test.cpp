// The main window as the program starts it: controls, menus, layout on resizing, size limits, the system-menu
// About command, the window options and what the close writes.
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>
#include <functional>

#include "chart/strip_geometry.h"
#include "forms/widgets.h"
#include "main_window_fixture.h"
#include "platform/system_menu.h"
#include "wait.h"

using namespace rorovovo;
using rorovovo::platform::DialogKind;

namespace {

QStringList captions(const QList<QAction*>& actions) {
    QStringList out;
    for (QAction* a : actions)
        if (a->isVisible()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

// Waits, inside whatever modal loop runs next, for the box to show, notes it and closes it.
void closeWhenShown(QDialog* box, bool& shown) {
    QTimer::singleShot(10, box, [box, &shown] {
        if (!box->isVisible()) return closeWhenShown(box, shown);
        shown = true;
        box->reject();
    });
}

QString iniValue(const QString& path, const QString& key) {
    QSettings s(path, QSettings::IniFormat);
    return s.value(key).toString();
}

}  // namespace

TEST_F(MainWindowTest, firstRun_showsTodayDefaultsAndReportsMissingCelebrityFile) {
    start();
    EXPECT_EQ(form->windowTitle(), QStringLiteral(" Biorhythms"));
    EXPECT_EQ(control<QLineEdit>("Edit_day")->text(), QStringLiteral("08"));
    EXPECT_EQ(control<QLineEdit>("Edit_month")->text(), QStringLiteral("12"));
    EXPECT_EQ(control<QLineEdit>("Edit_year")->text(), QStringLiteral("2026"));
    EXPECT_TRUE(control<QLineEdit>("Edit_name")->text().isEmpty());
    EXPECT_EQ(control<QComboBox>("ComboBox1")->count(), 0);
    EXPECT_TRUE(control<QPushButton>("Button_addnew")->isEnabled());
    EXPECT_FALSE(control<QAction>("MenuOptionsSize")->isChecked());
    EXPECT_FALSE(control<QAction>("MenuOptionsPosit")->isChecked());
    const bool expected[] = {true, true, true, true, false, false};
    const QAction* items[] = {
        control<QAction>("MenuOptionsShowPhysical"),     control<QAction>("MenuOptionsShowEmotional"),
        control<QAction>("MenuOptionsShowIntellectual"), control<QAction>("MenuOptionsShowIntuitional"),
        control<QAction>("MenuOptionsShowSpiritual"),    control<QAction>("MenuOptionsShowAesthetics")};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(items[i]->isChecked(), expected[i]) << i;
        EXPECT_EQ(items[i]->data().toInt(), i + 1);
    }
    // The day boxes keep their design texts until the first draw.
    EXPECT_EQ(control<QLineEdit>("Edit2")->text(), QStringLiteral("2"));
    EXPECT_EQ(control<QLineEdit>("Edit5")->text(), QStringLiteral("5"));
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].kind, DialogKind::Plain);
    EXPECT_EQ(dialogs[0].text, QStringLiteral("Data file 'Cyclomat.dat' with Celebrity names does not exist on path.\r"
                                              "Can't load extra data.. Get it from zip file, if you want it too."));
    // Nothing is written before the user changes something.
    EXPECT_FALSE(QFile::exists(iniPath()));
    // The chart strip opens at today.
    EXPECT_EQ(control<QScrollBar>("ScrollBar1")->value(), 600);
    EXPECT_EQ(control<QScrollBar>("ScrollBar1")->maximum(), 3000);
    EXPECT_EQ(control<rorovovo::forms::PictureBox>("ImageBio")->x(), -600);
    EXPECT_EQ(control<rorovovo::forms::PictureBox>("ImageBio")->width(), 3513);
    EXPECT_EQ(control<rorovovo::forms::PictureBox>("ImageBio")->picture().size(), QSize(3513, 181));
    EXPECT_EQ(chart::Strip.TodayX, 600);
    EXPECT_EQ(chart::Strip.ChartHeight, 181);
    EXPECT_GT(control<rorovovo::forms::PictureBox>("myImageList")->y(), 400);
}

TEST_F(MainWindowTest, controls_carryTheirCaptionsHintsAndPlaces) {
    start();
    struct Expect {
        const char* name;
        QRect geometry;
    } places[] = {{"PanelBio", {24, 20, 513, 202}},
                  {"Panel2", {548, 18, 105, 203}},
                  {"Panel1", {24, 228, 513, 89}},
                  {"Panel3", {548, 228, 105, 89}},
                  {"Edit_name", {16, 20, 105, 21}},
                  {"Edit_day", {128, 20, 20, 21}},
                  {"Edit_month", {155, 20, 20, 21}},
                  {"Edit_year", {182, 20, 35, 21}},
                  {"Edit6", {240, 20, 57, 21}},
                  {"Edit_age", {302, 20, 33, 21}},
                  {"Button_addnew", {344, 20, 57, 22}},
                  {"ButtonDrawBio", {48, 52, 57, 26}},
                  {"ImageSign", {450, 26, 49, 49}},
                  {"Button_now", {8, 92, 16, 25}},
                  {"Image_Intuitional", {55, 46, 40, 40}},
                  {"ScrollBar1", {0, 182, 509, 16}}};
    for (const auto& p : places) {
        auto* w = control<QWidget>(p.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), p.geometry) << p.name;
    }
    EXPECT_EQ(control<QToolButton>("ButtonAddNew")->toolTip(), QStringLiteral(" add new profile "));
    EXPECT_EQ(control<QToolButton>("ButtonDrawBio")->toolTip(), QStringLiteral(" draw biorhythm "));
    EXPECT_EQ(control<QToolButton>("ButtonDrawBio")->text(), QStringLiteral("draw bio"));
    EXPECT_EQ(control<QToolButton>("ButtonAbout")->toolTip(), QStringLiteral(" about "));
    EXPECT_EQ(control<QToolButton>("ButtonHelp")->toolTip(), QStringLiteral(" help "));
    EXPECT_EQ(control<QToolButton>("ButtonClose")->toolTip(), QStringLiteral(" close "));
    EXPECT_EQ(control<QComboBox>("ComboBox1")->toolTip(), QStringLiteral(" select profile "));
    EXPECT_EQ(control<QToolButton>("SpeedButton1")->toolTip(), QStringLiteral(" biorhythm today's interpretation "));
    EXPECT_EQ(control<QLabel>("Label11")->text(), QStringLiteral("Day         of 23"));
    EXPECT_EQ(control<QLabel>("Label14")->text(), QStringLiteral("Day         of 38"));
    EXPECT_EQ(control<QLabel>("Label17")->text(), QStringLiteral("Aesthetics"));
    EXPECT_EQ(control<QLabel>("Label_Sign")->text(), QStringLiteral("zodiac"));
    EXPECT_EQ(control<QPushButton>("Button_now")->text(), QStringLiteral("!"));
    EXPECT_FALSE(control<QLineEdit>("Edit6")->isEnabled());
    EXPECT_FALSE(control<QLineEdit>("Edit_age")->isEnabled());
    EXPECT_TRUE(control<QLineEdit>("Edit2")->isReadOnly());
    EXPECT_EQ(control<QLineEdit>("Edit3")->palette().color(QPalette::Text), QColor(0xFF00FF));
    EXPECT_EQ(control<rorovovo::forms::LineShape>("Shape3")->color(), QColor(0x008000));
    // Year, month, day, then "add new", the name and the list.
    QWidget* w = control<QLineEdit>("Edit_year");
    QStringList chain;
    for (int i = 0; i < 6; ++i, w = w->nextInFocusChain()) {
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled()) w = w->nextInFocusChain();
        chain << w->objectName();
    }
    EXPECT_EQ(chain, (QStringList{"Edit_year", "Edit_month", "Edit_day", "Button_addnew", "Edit_name", "ComboBox1"}));
}

TEST_F(MainWindowTest, menuTree_hasDesignedItemsSeparatorsAndShortcuts) {
    start();
    EXPECT_EQ(captions(control<QMenuBar>("MainMenu1")->actions()),
              (QStringList{"Program", "Profiles", "Options", "Tools", "|", "Help"}));
    EXPECT_EQ(captions(control<QMenu>("MenuProgram")->actions()),
              (QStringList{"Add new profile...", "Delete profile...", "-", "Draw biorhythms", "Draw extra* rythms",
                           "Biorhythms interpretation...", "-", "Exit"}));
    EXPECT_EQ(captions(control<QMenu>("MenuProfiles")->actions()), (QStringList{"Personal", "-", "Celebrity"}));
    EXPECT_EQ(captions(control<QMenu>("MenuOptions")->actions()),
              (QStringList{"Save window's size", "Save window's position", "-", "Default rhythms to show...", "-",
                           "Mark critical days", "Dark chart", "Colour-blind-safe colours", "-", "Language"}));
    EXPECT_EQ(control<QAction>("MenuToolsCritical")->shortcut(), QKeySequence(QStringLiteral("Ctrl+K")));
    EXPECT_EQ(captions(control<QMenu>("MenuOptionsShowRhytms")->actions()),
              (QStringList{"Physical rhythm", "Emotional rhythm", "Intellectual rhythm", "Intuitional rhythm", "-",
                           "Spiritual rhythm", "Aesthetics rhytm"}));
    EXPECT_EQ(
        captions(control<QMenu>("MenuHelp")->actions()),
        (QStringList{"Help...", "-", "Software news...", "Check new versions *", "-", "Donations...", "About..."}));
    EXPECT_EQ(control<QAction>("MenuProgramExit")->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
    EXPECT_EQ(control<QAction>("MenuHelpAbout")->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
    EXPECT_EQ(control<QAction>("MenuHelpHelp")->shortcut(), QKeySequence(QStringLiteral("F1")));
    EXPECT_EQ(captions(control<QMenu>("MenuTools")->actions()),
              (QStringList{"Critical days...", "Compatibility...", "Planner...", "Save chart as...", "Print chart...",
                           "Reminders..."}));
    EXPECT_EQ(control<QAction>("MenuToolsSave")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(control<QAction>("MenuToolsPrint")->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    for (const char* name : {"MenuSep1", "MenuSep4", "MenuSep8", "MenuProgramIterpret", "MenuOptionsShowAesthetics"})
        EXPECT_NE(form->findChild<QAction*>(QLatin1String(name)), nullptr) << name;
    // A screen reader comes to the menu bar before the controls.
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form);
    ASSERT_NE(window, nullptr);
    ASSERT_GT(window->childCount(), 1);
    EXPECT_EQ(window->child(0)->object(), control<QMenuBar>("MainMenu1"));
}

TEST_F(MainWindowTest, resizing_movesControlsByTheLayoutRules) {
    start();
    const int menu = control<QMenuBar>("MainMenu1")->height();
    // The offscreen screen is small; lift the upper limit so the rules can be seen at larger sizes.
    form->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    for (const QSize client : {QSize(654, 328), QSize(800, 400), QSize(700, 340)}) {
        form->resize(client.width(), client.height() + menu);
        QApplication::processEvents();
        ASSERT_EQ(form->centralWidget()->size(), client);
        const int cw = client.width(), ch = client.height();
        EXPECT_EQ(control<rorovovo::forms::BevelPanel>("PanelBio")->size(), QSize(cw - 141, ch - 126));
        EXPECT_EQ(control<QScrollBar>("ScrollBar1")->width(), cw - 145);
        EXPECT_EQ(control<QScrollBar>("ScrollBar1")->y(), ch - 146);
        EXPECT_EQ(control<rorovovo::forms::PictureBox>("ImageBio")->height(), ch - 147);
        EXPECT_EQ(control<rorovovo::forms::PictureBox>("ImageBio")->width(),
                  3513);  // the strip holds the same days whatever the size
        EXPECT_EQ(control<rorovovo::forms::BevelPanel>("Panel2")->pos(), QPoint(cw - 106, 18));
        EXPECT_EQ(control<rorovovo::forms::BevelPanel>("Panel3")->pos(), QPoint(cw - 106, ch - 100));
        EXPECT_EQ(control<rorovovo::forms::BevelPanel>("Panel1")->pos(), QPoint(24, ch - 100));
        EXPECT_EQ(control<rorovovo::forms::PictureBox>("Image_date")->y(), ch - 204);
        EXPECT_EQ(control<QPushButton>("Button_now")->pos(), QPoint(8, ch - 236));
    }
}

TEST_F(MainWindowTest, sizeLimits_keepTheDesignedClientAreaAndStayBelowTheScreen) {
    start();
    const QSize min = form->minimumSize();
    EXPECT_EQ(min.width(), 654);
    EXPECT_EQ(min.height(), 328 + control<QMenuBar>("MainMenu1")->sizeHint().height());
    const QSize max = form->maximumSize();
    EXPECT_GE(max.width(), min.width());
    EXPECT_GE(max.height(), min.height());
    form->resize(100, 100);
    QApplication::processEvents();
    EXPECT_EQ(form->size(), min);
}

TEST_F(MainWindowTest, uncaughtConversionError_showsTheErrorBoxAndTheProgramRunsOn) {
    start();
    dialogs.clear();
    control<QLineEdit>("Edit2")->setText(
        QStringLiteral("abc"));  // the day boxes only ever hold numbers; this one does not
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].kind, DialogKind::Error);
    EXPECT_EQ(dialogs[0].title, platform::applicationTitle());
    EXPECT_EQ(dialogs[0].text, QStringLiteral("'abc' is not a valid integer value."));
    EXPECT_TRUE(form->isVisible());
}

TEST_F(MainWindowTest, systemMenuAboutCommand_opensTheAboutBoxAndPassesTheMessageOn) {
    start();
    QStringList entries;
    for (const auto& e : platform::getSystemMenu(form, false)->entries())
        entries << (e.separator ? QStringLiteral("-") : e.text);
    EXPECT_EQ(entries,
              (QStringList{"&Restore", "&Move", "&Size", "Mi&nimize", "-", "&About...", "-", "&Close\tAlt+F4"}));
    bool aboutShown = false;
    closeWhenShown(form->aboutBox(), aboutShown);
    // Sent, the hook sees it before the window; it is never swallowed.
    bool reachedWindow = false;
    forms::onEvent(form, [&](QEvent* e) {
        reachedWindow = reachedWindow || e->type() == platform::SysCommandEvent::eventType();
        return false;
    });
    platform::SysCommandEvent about(1025);
    QApplication::sendEvent(form, &about);
    EXPECT_TRUE(reachedWindow);
    EXPECT_TRUE(aboutShown);
    // Delivered through the event loop, the hook sees it too.
    aboutShown = false;
    closeWhenShown(form->aboutBox(), aboutShown);
    QApplication::postEvent(form, new platform::SysCommandEvent(1025));
    EXPECT_TRUE(waitFor([&] { return aboutShown; }));
    // Ctrl+A opens the same box.
    aboutShown = false;
    closeWhenShown(form->aboutBox(), aboutShown);
    form->activateWindow();
    ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == form; }));
    control<QLineEdit>("Edit_name")->setFocus();
    QTest::keyClick(control<QLineEdit>("Edit_name"), Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(waitFor([&] { return aboutShown; }));
}

TEST_F(MainWindowTest, windowOptions_writeTheirFlagAtOnceAndTheSizeAtClose) {
    start();
    control<QAction>("MenuOptionsSize")->trigger();
    EXPECT_TRUE(control<QAction>("MenuOptionsSize")->isChecked());
    EXPECT_EQ(iniValue(iniPath(), "Preferences/WindowSize"), QStringLiteral("1"));
    EXPECT_TRUE(iniValue(iniPath(), "Preferences/WinWidth").isEmpty());
    control<QAction>("MenuOptionsShowIntellectual")->trigger();  // off
    control<QAction>("MenuOptionsShowSpiritual")->trigger();     // on
    const int width = form->frameGeometry().width();
    form->close();
    EXPECT_EQ(iniValue(iniPath(), "Preferences/WinWidth").toInt(), width);
    EXPECT_TRUE(iniValue(iniPath(), "Preferences/WinTop").isEmpty());
    EXPECT_EQ(iniValue(iniPath(), "Preferences/Rhytms"), QStringLiteral("110110"));
}

TEST_F(MainWindowTest, storedPreferences_restoreSizePositionAndRhythmsAndDropTheOldSection) {
    writeFile(iniPath(),
              "[Preferences]\nRhytms=0011101\nWindowSize=1\nWinWidth=760\nWinHeight=420\nWindowPosit=1\n"
              "WinTop=40\nWinLeft=30\n[Rhytms]\nPhysical=1\n");
    start();
    EXPECT_TRUE(control<QAction>("MenuOptionsSize")->isChecked());
    EXPECT_TRUE(control<QAction>("MenuOptionsPosit")->isChecked());
    EXPECT_TRUE(waitFor([&] { return form->frameGeometry().size() == QSize(760, 420); }))
        << form->frameGeometry().width() << "x" << form->frameGeometry().height();
    EXPECT_EQ(form->frameGeometry().topLeft(), QPoint(30, 40));
    EXPECT_FALSE(control<QAction>("MenuOptionsShowPhysical")->isChecked());
    EXPECT_TRUE(control<QAction>("MenuOptionsShowIntellectual")->isChecked());
    EXPECT_TRUE(control<QAction>("MenuOptionsShowSpiritual")->isChecked());
    EXPECT_FALSE(control<QAction>("MenuOptionsShowAesthetics")->isChecked());
    QFile f(iniPath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray content = f.readAll();
    EXPECT_FALSE(content.contains("[Rhytms]"));
    EXPECT_TRUE(content.contains("Rhytms=0011101"));
}

TEST_F(MainWindowTest, badRhythmDigit_endsStartUpWithTheErrorBox) {
    writeFile(iniPath(), "[Preferences]\nRhytms=1x1100\n[Records]\nProfiles=1\nSelected=0\n0=Mara Quill|07.11.1984\n");
    start();
    bool sawError = false;
    for (const auto& d : dialogs)
        if (d.kind == DialogKind::Error && d.text == QStringLiteral("'x' is not a valid integer value."))
            sawError = true;
    EXPECT_TRUE(sawError);
    EXPECT_EQ(control<QComboBox>("ComboBox1")->count(), 0);  // the profiles were not loaded in this run
    form->close();
    EXPECT_EQ(iniValue(iniPath(), "Preferences/Rhytms").size(), 6);
}

TEST_F(MainWindowTest, storedSizeBelowTheMinimum_comesOutAtTheLimit) {
    writeFile(iniPath(), "[Preferences]\nWindowSize=1\nWinWidth=300\nWinHeight=200\n");
    start();
    QApplication::processEvents();
    EXPECT_EQ(form->size(), form->minimumSize());
    form->close();
    EXPECT_EQ(iniValue(iniPath(), "Preferences/WinWidth").toInt(), form->frameGeometry().width());
}

TEST_F(MainWindowTest, userGuide_describesEveryCommandOfTheMenus) {
    start();
    // The guide in both its forms: the plain text and the help pages (the markup dropped, entities read).
    const auto read = [](const QString& path) {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        return QString::fromLatin1(f.readAll());
    };
    QString pages;
    const QDir help(QStringLiteral(ROROVOVO_SOURCE_DIR "/resources/help"));
    for (const QString& page : help.entryList({QStringLiteral("*.htm")}))
        pages += read(help.filePath(page)).remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    pages.replace(QStringLiteral("&quot;"), QStringLiteral("\"")).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    const QString guides[] = {read(QStringLiteral(ROROVOVO_SOURCE_DIR "/resources/Cyclomat.txt")).simplified(),
                              pages.simplified()};
    // Every item of every menu, the profile lists' own entries aside, and every shortcut.
    std::vector<QAction*> items;
    const std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        for (QAction* a : menu->actions()) {
            if (a->isSeparator()) continue;
            items.push_back(a);
            // The languages are listed in their own names, which are no commands to describe.
            if (a->menu() && a->menu() != control<QMenu>("MenuProfilePersonal") &&
                a->menu() != control<QMenu>("MenuProfileCelebrity") &&
                a->menu() != control<QMenu>("MenuOptionsLanguage"))
                walk(a->menu());
        }
    };
    for (QAction* top : control<QMenuBar>("MainMenu1")->actions()) {
        if (top->menu()) walk(top->menu());
        if (top->menu()) items.push_back(top);
    }
    ASSERT_GT(items.size(), 25u);
    for (const QString& guide : guides)
        for (QAction* a : items) {
            EXPECT_TRUE(guide.contains(a->text())) << a->text().toStdString();
            if (!a->shortcut().isEmpty()) {
                EXPECT_TRUE(guide.contains(a->shortcut().toString())) << a->shortcut().toString().toStdString();
            }
        }
}
