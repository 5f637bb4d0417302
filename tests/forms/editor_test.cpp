// The profile editor as the user meets it: opened modally from the main window in add or delete mode, filled and
// clicked while it is shown, with its message boxes answered by the test.
#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>
#include <functional>
#include <vector>

#include "forms/Rorovovo1.h"
#include "forms/Rorovovo2.h"
#include "forms/widgets.h"
#include "platform/app_info.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "profiles/ini_document.h"
#include "profiles/ini_store.h"
#include "rhythm/dates.h"
#include "tests/forms/main_window_fixture.h"

using namespace rorovovo;
using forms::TFormEditor;
using platform::DialogButton;
using platform::DialogKind;

namespace {

const QByteArray kThreeProfiles =
    "[Records]\nProfiles=3\nSelected=1\n0=Mara Quill|07.11.1984\n1=Tobias Wren|23.02.1990\n2=Ines Falkner|01.06.1962\n";

// The file system, except that replacing the settings file fails while `fail` is set.
class FailingReplace : public core::SystemFileOps {
  public:
    bool fail = false;
    bool replace(const QString& from, const QString& to) override {
        return !fail && core::SystemFileOps::replace(from, to);
    }
};

QWidget* nextTabStop(QWidget* w) {
    do w = w->nextInFocusChain();
    while (!(w->focusPolicy() & Qt::TabFocus));
    return w;
}

// The program's windows on 8 December 2026, with the settings file of the test beside the test program and every
// message box recorded and answered with `answer`.
class EditorTest : public MainWindowTest {
  protected:
    void start(const QByteArray& ini) {
        writeFile(iniPath(), ini);
        MainWindowTest::start();
        dialogs.clear();  // the missing celebrity file is reported at every start
    }

    // Opens the editor through one of the main window's commands and runs `inside` while it is shown; a dialog
    // that `inside` leaves open is closed with its close box. Returns the dialog's result.
    int withEditor(QAction* command, const std::function<void(TFormEditor&)>& inside) {
        bool shown = false;
        int result = -1;
        auto conn = QObject::connect(form->profileEditor(), &QDialog::finished, [&result](int r) { result = r; });
        QTimer::singleShot(0, [&] {
            shown = forms::FormEditor->isVisible();
            if (shown) inside(*forms::FormEditor);
            if (forms::FormEditor->isVisible()) forms::FormEditor->close();
        });
        command->trigger();
        QObject::disconnect(conn);
        EXPECT_TRUE(shown) << "the editor was not shown modally";
        return result;
    }

    static void type(TFormEditor& e, const QString& name, const QString& day, const QString& month,
                     const QString& year) {
        controlOf<QLineEdit>(&e, "Edit_name")->setText(name);
        controlOf<QLineEdit>(&e, "Edit_day")->setText(day);
        controlOf<QLineEdit>(&e, "Edit_month")->setText(month);
        controlOf<QLineEdit>(&e, "Edit_year")->setText(year);
    }

    QByteArray fileBytes() const {
        QFile f(iniPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    profiles::IniDocument fileDocument() const { return profiles::IniDocument::parse(fileBytes()); }

    QString record(const QString& key) const {
        return fileDocument().value(QStringLiteral("Records"), key).value_or(QStringLiteral("<missing>"));
    }

    QStringList listNames() const {
        QStringList names;
        for (int i = 0; i < control<QComboBox>("ComboBox1")->count(); ++i)
            names << control<QComboBox>("ComboBox1")->itemText(i);
        return names;
    }

    // Position i of the Personal submenu: its item name and caption, which must follow the list.
    void expectPersonalMatchesList() const {
        const auto items = control<QMenu>("MenuProfilePersonal")->actions();
        ASSERT_EQ(items.size(), control<QComboBox>("ComboBox1")->count());
        for (int i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i]->objectName(), QStringLiteral("MenuProPers_%1").arg(i));
            EXPECT_EQ(items[i]->text(), control<QComboBox>("ComboBox1")->itemText(i));
            EXPECT_EQ(form->findChildren<QAction*>(QStringLiteral("MenuProPers_%1").arg(i)).size(), 1) << i;
        }
        EXPECT_EQ(form->findChild<QAction*>(QStringLiteral("MenuProPers_%1").arg(items.size())), nullptr);
    }

    QAction* personalItem(int i) const { return form->findChild<QAction*>(QStringLiteral("MenuProPers_%1").arg(i)); }
};

TEST_F(EditorTest, editor_isAFixedDialogWithBothPanelsAndTodayInItsDateBoxes) {
    start(QByteArray());
    TFormEditor* e = form->profileEditor();
    EXPECT_EQ(e->windowTitle(), QStringLiteral("Profile editor"));
    EXPECT_EQ(e->pos(), QPoint(492, 370));
    EXPECT_EQ(e->size(), QSize(202, 90));
    EXPECT_EQ(e->minimumSize(), e->maximumSize());
    EXPECT_FALSE(e->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));

    struct Place {
        const char* name;
        QWidget* parent;
        QRect geometry;
    };
    const Place places[] = {
        {"Panel_add", e, {0, 0, 201, 89}},
        {"Panel_del", e, {400, 0, 201, 89}},
        {"Edit_name", controlOf<rorovovo::forms::BevelPanel>(e, "Panel_add"), {16, 16, 161, 21}},
        {"Edit_day", controlOf<rorovovo::forms::BevelPanel>(e, "Panel_add"), {16, 56, 20, 21}},
        {"Edit_month", controlOf<rorovovo::forms::BevelPanel>(e, "Panel_add"), {43, 56, 20, 21}},
        {"Edit_year", controlOf<rorovovo::forms::BevelPanel>(e, "Panel_add"), {70, 56, 35, 21}},
        {"Button_addnew", controlOf<rorovovo::forms::BevelPanel>(e, "Panel_add"), {120, 56, 57, 22}},
        {"ComboBox1", controlOf<rorovovo::forms::BevelPanel>(e, "Panel_del"), {22, 16, 155, 21}},
        {"Button_delete", controlOf<rorovovo::forms::BevelPanel>(e, "Panel_del"), {120, 56, 57, 22}},
    };
    for (const Place& p : places) {
        auto* w = e->findChild<QWidget*>(QLatin1String(p.name));
        ASSERT_NE(w, nullptr) << p.name;
        EXPECT_EQ(w->parentWidget(), p.parent) << p.name;
        EXPECT_EQ(w->geometry(), p.geometry) << p.name;
    }
    EXPECT_TRUE(qobject_cast<forms::BevelPanel*>(controlOf<rorovovo::forms::BevelPanel>(e, "Panel_add")));
    // Typing stops at each box's length; what the program writes stays whole.
    for (const auto& [box, typed] : {std::pair{controlOf<QLineEdit>(e, "Edit_day"), "12"},
                                     {controlOf<QLineEdit>(e, "Edit_month"), "12"},
                                     {controlOf<QLineEdit>(e, "Edit_year"), "1958"}}) {
        const QString was = box->text();
        box->clear();
        QTest::keyClicks(box, QLatin1String(typed) + QStringLiteral("7"));
        EXPECT_EQ(box->text(), QLatin1String(typed));
        box->setText(QStringLiteral("-01234"));
        EXPECT_EQ(box->text(), QStringLiteral("-01234"));
        box->setText(was);
    }
    EXPECT_FALSE(controlOf<QComboBox>(e, "ComboBox1")->isEditable());
    const std::pair<const char*, QString> texts[] = {
        {"Label10", "name"}, {"Label1", "day"}, {"Label2", "month"}, {"Label3", "year"}, {"Button_addnew", "add new"}};
    for (const auto& [name, text] : texts) {
        QWidget* w = e->findChild<QWidget*>(QLatin1String(name));
        ASSERT_NE(w, nullptr) << name;
        const QString shown =
            qobject_cast<QLabel*>(w) ? qobject_cast<QLabel*>(w)->text() : qobject_cast<QPushButton*>(w)->text();
        EXPECT_EQ(shown, text) << name;
    }
    EXPECT_EQ(controlOf<QPushButton>(e, "Button_delete")->text(), QStringLiteral("delete"));

    // Tab order: name, year, month, day, add new.
    EXPECT_EQ(nextTabStop(controlOf<QLineEdit>(e, "Edit_name")), controlOf<QLineEdit>(e, "Edit_year"));
    EXPECT_EQ(nextTabStop(controlOf<QLineEdit>(e, "Edit_year")), controlOf<QLineEdit>(e, "Edit_month"));
    EXPECT_EQ(nextTabStop(controlOf<QLineEdit>(e, "Edit_month")), controlOf<QLineEdit>(e, "Edit_day"));
    EXPECT_EQ(nextTabStop(controlOf<QLineEdit>(e, "Edit_day")), controlOf<QPushButton>(e, "Button_addnew"));

    EXPECT_EQ(controlOf<QLineEdit>(e, "Edit_day")->text(), QStringLiteral("08"));
    EXPECT_EQ(controlOf<QLineEdit>(e, "Edit_month")->text(), QStringLiteral("12"));
    EXPECT_EQ(controlOf<QLineEdit>(e, "Edit_year")->text(), QStringLiteral("2026"));
    // One-digit day and month get their zero.
    platform::setClock([] { return QDateTime(QDate(987, 3, 5), QTime(23, 59)); });
    TFormEditor early(form);
    EXPECT_EQ(controlOf<QLineEdit>(&early, "Edit_day")->text(), QStringLiteral("05"));
    EXPECT_EQ(controlOf<QLineEdit>(&early, "Edit_month")->text(), QStringLiteral("03"));
    EXPECT_EQ(controlOf<QLineEdit>(&early, "Edit_year")->text(), QStringLiteral("0987"));
}

TEST_F(EditorTest, add_storesAOneDigitDayAsTwoDigits_andSelectsChecksAndDrawsTheNewProfile) {
    start(kThreeProfiles);
    const int result = withEditor(control<QAction>("MenuAddNew"), [](TFormEditor& e) {
        EXPECT_EQ(controlOf<rorovovo::forms::BevelPanel>(&e, "Panel_add")->x(), 0);
        EXPECT_GE(controlOf<rorovovo::forms::BevelPanel>(&e, "Panel_del")->x(), e.width());
        EXPECT_EQ(e.focusWidget(), controlOf<QLineEdit>(&e, "Edit_name"));
        type(e, QStringLiteral("Lena Corwick "), QStringLiteral("5"), QStringLiteral("8"), QStringLiteral("1971"));
        controlOf<QPushButton>(&e, "Button_addnew")->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(dialogs.empty());
    EXPECT_EQ(record(QStringLiteral("3")), QStringLiteral("Lena Corwick |05.08.1971"));
    EXPECT_EQ(record(QStringLiteral("Profiles")), QStringLiteral("4"));
    EXPECT_EQ(record(QStringLiteral("Selected")), QStringLiteral("3"));
    EXPECT_EQ(listNames().last(), QStringLiteral("Lena Corwick "));
    EXPECT_EQ(control<QComboBox>("ComboBox1")->currentIndex(), 3);
    expectPersonalMatchesList();
    ASSERT_NE(personalItem(3), nullptr);
    EXPECT_TRUE(personalItem(3)->isChecked());
    // Read back from the file and drawn.
    EXPECT_EQ(control<QLineEdit>("Edit_day")->text(), QStringLiteral("05"));
    EXPECT_EQ(control<QLineEdit>("Edit_month")->text(), QStringLiteral("08"));
    EXPECT_EQ(control<QLineEdit>("Edit_year")->text(), QStringLiteral("1971"));
    EXPECT_EQ(form->drawnPerson()->birthDate, rhythm::encodeDate(1971, 8, 5));
    EXPECT_FALSE(control<QPushButton>("Button_addnew")->isEnabled());
}

TEST_F(EditorTest, add_refusesDuplicatesEmptyBoxesAndInvalidDates_andStaysOpen) {
    start(kThreeProfiles);
    const QByteArray before = fileBytes();
    const QString duplicate = QStringLiteral("The name you are trying to add already exists on the database..");
    const QString invalid = QString::fromUtf8(rhythm::InvalidBirthDateMessage.data());
    struct Case {
        QString name, day, month, year;
        QString message;  // empty: silently nothing
    };
    const Case cases[] = {
        {"mara quill", "01", "01", "2000", duplicate},
        {"  TOBIAS WREN\t", "01", "01", "2000", duplicate},
        {"", "01", "01", "2000", ""},
        {"New Person", "", "01", "2000", ""},
        {"New Person", "29", "02", "2001", invalid},
        {"New Person", "1a", "01", "2000", invalid},
    };
    const int result = withEditor(control<QAction>("MenuAddNew"), [&](TFormEditor& e) {
        for (const Case& c : cases) {
            dialogs.clear();
            controlOf<QLineEdit>(&e, "Edit_name")->setFocus();
            type(e, c.name, c.day, c.month, c.year);
            controlOf<QPushButton>(&e, "Button_addnew")->click();
            EXPECT_TRUE(e.isVisible()) << c.name.toStdString();
            if (c.message.isEmpty()) {
                EXPECT_TRUE(dialogs.empty()) << c.name.toStdString();
                continue;
            }
            ASSERT_EQ(dialogs.size(), 1u) << c.name.toStdString();
            EXPECT_EQ(dialogs[0].kind, DialogKind::Plain);
            EXPECT_EQ(dialogs[0].text, c.message);
            if (c.message == invalid) {
                EXPECT_EQ(e.focusWidget(), controlOf<QLineEdit>(&e, "Edit_day")) << c.day.toStdString();
            }
        }
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(listNames(), QStringList({"Mara Quill", "Tobias Wren", "Ines Falkner"}));
    expectPersonalMatchesList();
}

TEST_F(EditorTest, closeBox_cancels_andReopeningShowsWhatWasTypedLast) {
    start(kThreeProfiles);
    const QByteArray before = fileBytes();
    EXPECT_EQ(withEditor(control<QAction>("MenuAddNew"),
                         [](TFormEditor& e) {
                             type(e, QStringLiteral("Half Typed"), QStringLiteral("3"), QStringLiteral("x"),
                                  QStringLiteral("19"));
                         }),
              QDialog::Rejected);
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(control<QMenu>("MenuProfilePersonal")->actions().size(), 3);
    EXPECT_EQ(control<QComboBox>("ComboBox1")->currentIndex(), 1);

    // The flat button opens the same add mode, even after a delete-mode showing in between.
    withEditor(control<QAction>("MenuDelete"), [](TFormEditor&) {});
    bool checked = false;
    QTimer::singleShot(0, [&] {
        TFormEditor* e = forms::FormEditor;
        checked = true;
        EXPECT_EQ(controlOf<rorovovo::forms::BevelPanel>(e, "Panel_add")->x(), 0);
        EXPECT_EQ(e->focusWidget(), controlOf<QLineEdit>(e, "Edit_name"));
        EXPECT_EQ(controlOf<QLineEdit>(e, "Edit_name")->text(), QStringLiteral("Half Typed"));
        EXPECT_EQ(controlOf<QLineEdit>(e, "Edit_day")->text(), QStringLiteral("3"));
        EXPECT_EQ(controlOf<QLineEdit>(e, "Edit_month")->text(), QStringLiteral("x"));
        EXPECT_EQ(controlOf<QLineEdit>(e, "Edit_year")->text(), QStringLiteral("19"));
        e->close();
    });
    control<QToolButton>("ButtonAddNew")->click();
    EXPECT_TRUE(checked);
}

TEST_F(EditorTest, deleteFirstOfThree_shiftsKeysAndItems_andTheNextAddTakesTheFreedKey) {
    start(kThreeProfiles);
    const int result = withEditor(control<QAction>("MenuDelete"), [&](TFormEditor& e) {
        EXPECT_EQ(controlOf<rorovovo::forms::BevelPanel>(&e, "Panel_del")->x(), 0);
        EXPECT_GE(controlOf<rorovovo::forms::BevelPanel>(&e, "Panel_add")->x(), e.width());
        QStringList shown;
        for (int i = 0; i < controlOf<QComboBox>(&e, "ComboBox1")->count(); ++i)
            shown << controlOf<QComboBox>(&e, "ComboBox1")->itemText(i);
        EXPECT_EQ(shown, QStringList({"Mara Quill", "Tobias Wren", "Ines Falkner"}));
        EXPECT_EQ(controlOf<QComboBox>(&e, "ComboBox1")->currentIndex(), 1);  // the main window's profile
        controlOf<QComboBox>(&e, "ComboBox1")->setCurrentIndex(0);
        controlOf<QPushButton>(&e, "Button_delete")->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].kind, DialogKind::Confirmation);
    EXPECT_EQ(dialogs[0].title, QStringLiteral("Confirm"));
    EXPECT_EQ(dialogs[0].text, QStringLiteral("Sure to delete  'Mara Quill's'  profile?"));
    EXPECT_EQ(dialogs[0].buttons, QList<DialogButton>({DialogButton::Ok, DialogButton::Cancel}));

    EXPECT_EQ(fileDocument().keyNames(QStringLiteral("Records")), QStringList({"Profiles", "Selected", "0", "1"}));
    EXPECT_EQ(record(QStringLiteral("0")), QStringLiteral("Tobias Wren|23.02.1990"));
    EXPECT_EQ(record(QStringLiteral("1")), QStringLiteral("Ines Falkner|01.06.1962"));
    EXPECT_EQ(record(QStringLiteral("Profiles")), QStringLiteral("2"));
    // Another profile than the selected one went: the selection follows its person, "Selected" stays.
    EXPECT_EQ(record(QStringLiteral("Selected")), QStringLiteral("1"));
    EXPECT_EQ(control<QComboBox>("ComboBox1")->currentText(), QStringLiteral("Tobias Wren"));
    EXPECT_EQ(listNames(), QStringList({"Tobias Wren", "Ines Falkner"}));
    expectPersonalMatchesList();
    EXPECT_TRUE(personalItem(0)->isChecked());

    withEditor(control<QAction>("MenuAddNew"), [](TFormEditor& e) {
        type(e, QStringLiteral("Otto Brannigan"), QStringLiteral("30"), QStringLiteral("01"), QStringLiteral("1955"));
        controlOf<QPushButton>(&e, "Button_addnew")->click();
    });
    EXPECT_EQ(record(QStringLiteral("2")), QStringLiteral("Otto Brannigan|30.01.1955"));
    EXPECT_EQ(record(QStringLiteral("Profiles")), QStringLiteral("3"));
    expectPersonalMatchesList();
    EXPECT_TRUE(personalItem(2)->isChecked());
    EXPECT_FALSE(personalItem(0)->isChecked());
    // The Personal items still pick the profile they name.
    personalItem(1)->trigger();
    EXPECT_EQ(control<QLineEdit>("Edit_name")->text(), QStringLiteral("Ines Falkner"));
    EXPECT_EQ(record(QStringLiteral("Selected")), QStringLiteral("1"));
}

TEST_F(EditorTest, deletingTheSelectedProfile_selectsAndDrawsTheFirstOne) {
    start(kThreeProfiles);
    ASSERT_EQ(control<QLineEdit>("Edit_name")->text(), QStringLiteral("Tobias Wren"));
    withEditor(control<QAction>("MenuDelete"),
               [](TFormEditor& e) { controlOf<QPushButton>(&e, "Button_delete")->click(); });
    EXPECT_EQ(dialogs.at(0).text, QStringLiteral("Sure to delete  'Tobias Wren's'  profile?"));
    EXPECT_EQ(listNames(), QStringList({"Mara Quill", "Ines Falkner"}));
    EXPECT_EQ(control<QComboBox>("ComboBox1")->currentIndex(), 0);
    EXPECT_EQ(record(QStringLiteral("Selected")), QStringLiteral("0"));
    EXPECT_EQ(record(QStringLiteral("1")), QStringLiteral("Ines Falkner|01.06.1962"));
    EXPECT_EQ(control<QLineEdit>("Edit_name")->text(), QStringLiteral("Mara Quill"));
    EXPECT_EQ(form->drawnPerson()->birthDate, rhythm::encodeDate(1984, 11, 7));
    expectPersonalMatchesList();
    EXPECT_TRUE(personalItem(0)->isChecked());
}

TEST_F(EditorTest, deletingTheOnlyProfile_emptiesListAndSubmenu_butKeepsThePersonShown) {
    start("[Records]\nProfiles=1\nSelected=0\n0=Mara Quill|07.11.1984\n");
    withEditor(control<QAction>("MenuDelete"),
               [](TFormEditor& e) { controlOf<QPushButton>(&e, "Button_delete")->click(); });
    EXPECT_EQ(record(QStringLiteral("Profiles")), QStringLiteral("0"));
    EXPECT_EQ(record(QStringLiteral("0")), QStringLiteral("<missing>"));
    EXPECT_EQ(control<QComboBox>("ComboBox1")->count(), 0);
    EXPECT_TRUE(control<QMenu>("MenuProfilePersonal")->actions().isEmpty());
    EXPECT_TRUE(form->findChild<QActionGroup*>(QStringLiteral("PersonalGroup"))->actions().isEmpty());
    EXPECT_EQ(control<QLineEdit>("Edit_name")->text(), QStringLiteral("Mara Quill"));
    EXPECT_EQ(form->drawnPerson()->birthDate, rhythm::encodeDate(1984, 11, 7));

    // With nothing left to pick, "delete" says so and changes nothing.
    const QByteArray before = fileBytes();
    dialogs.clear();
    const int result = withEditor(control<QAction>("MenuDelete"), [&](TFormEditor& e) {
        EXPECT_EQ(controlOf<QComboBox>(&e, "ComboBox1")->currentIndex(), -1);
        controlOf<QPushButton>(&e, "Button_delete")->click();
        EXPECT_TRUE(e.isVisible());
    });
    EXPECT_EQ(result, QDialog::Rejected);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].kind, DialogKind::Plain);
    EXPECT_FALSE(dialogs[0].text.isEmpty());
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(EditorTest, cancelledConfirmationAndFailedWrite_changeNothing) {
    start(kThreeProfiles);
    const QByteArray before = fileBytes();
    answer = DialogButton::Cancel;
    withEditor(control<QAction>("MenuDelete"), [&](TFormEditor& e) {
        controlOf<QComboBox>(&e, "ComboBox1")->setCurrentIndex(0);
        controlOf<QPushButton>(&e, "Button_delete")->click();
        EXPECT_TRUE(e.isVisible());
    });
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].kind, DialogKind::Confirmation);
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(listNames(), QStringList({"Mara Quill", "Tobias Wren", "Ines Falkner"}));
    expectPersonalMatchesList();

    // The file cannot be replaced: the error box reports it, and file, list and submenu stay as they were.
    answer = DialogButton::Ok;
    dialogs.clear();
    auto ops = std::make_shared<FailingReplace>();
    ops->fail = true;
    forms::IniFile = std::make_unique<profiles::IniStore>(iniPath(), ops);
    withEditor(control<QAction>("MenuDelete"), [&](TFormEditor& e) {
        controlOf<QComboBox>(&e, "ComboBox1")->setCurrentIndex(0);
        controlOf<QPushButton>(&e, "Button_delete")->click();
        EXPECT_TRUE(e.isVisible());
    });
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1].kind, DialogKind::Error);
    EXPECT_TRUE(dialogs[1].text.startsWith(QStringLiteral("Unable to write to "))) << dialogs[1].text.toStdString();
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(listNames(), QStringList({"Mara Quill", "Tobias Wren", "Ines Falkner"}));
    expectPersonalMatchesList();
    ops->fail = false;
}

TEST_F(EditorTest, deleteOfAProfileTheFileNoLongerHolds_isRefused_andTheListsFollowTheFile) {
    start(kThreeProfiles);
    // Edited by hand meanwhile: only the first profile is left in the file.
    writeFile(iniPath(), "[Records]\nProfiles=1\nSelected=0\n0=Mara Quill|07.11.1984\n");
    const QByteArray before = fileBytes();
    withEditor(control<QAction>("MenuDelete"), [](TFormEditor& e) {
        controlOf<QComboBox>(&e, "ComboBox1")->setCurrentIndex(2);
        controlOf<QPushButton>(&e, "Button_delete")->click();
        EXPECT_TRUE(e.isVisible());
    });
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1].kind, DialogKind::Plain);
    EXPECT_EQ(dialogs[1].text, QStringLiteral("The profile 'Ines Falkner' is no longer in the settings file."));
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(listNames(), QStringList({"Mara Quill"}));
    expectPersonalMatchesList();
}

TEST_F(EditorTest, addOfANameThatWouldNotReadBack_isRefusedWithTheReason) {
    start(kThreeProfiles);
    const QByteArray before = fileBytes();
    for (const QString& name : {QStringLiteral("a|b"), QString(2037, QLatin1Char('x'))}) {
        dialogs.clear();
        withEditor(control<QAction>("MenuAddNew"), [&](TFormEditor& e) {
            type(e, name, QStringLiteral("05"), QStringLiteral("08"), QStringLiteral("1971"));
            controlOf<QPushButton>(&e, "Button_addnew")->click();
            EXPECT_TRUE(e.isVisible());
        });
        ASSERT_EQ(dialogs.size(), 1u);
        EXPECT_EQ(dialogs[0].kind, DialogKind::Plain);
        EXPECT_TRUE(dialogs[0].text.contains(QStringLiteral("Nothing was stored"))) << dialogs[0].text.toStdString();
        EXPECT_EQ(fileBytes(), before);
        EXPECT_EQ(listNames().size(), 3);
    }
}

TEST_F(EditorTest, deleteAmongTenThousand_leavesEveryOtherEntryOnceInOrder) {
    constexpr int kCount = 10000, kGone = 4321;
    QByteArray ini = "[Records]\nProfiles=" + QByteArray::number(kCount) + "\nSelected=0\n";
    for (int k = 0; k < kCount; ++k)
        ini += QByteArray::number(k) + "=Person " + QByteArray::number(k) + "|01.02.1970\n";
    start(ini);
    ASSERT_EQ(control<QComboBox>("ComboBox1")->count(), kCount);
    withEditor(control<QAction>("MenuDelete"), [](TFormEditor& e) {
        controlOf<QComboBox>(&e, "ComboBox1")->setCurrentIndex(kGone);
        controlOf<QPushButton>(&e, "Button_delete")->click();
    });
    const profiles::IniDocument doc = fileDocument();
    const QStringList keys = doc.keyNames(QStringLiteral("Records"));
    ASSERT_EQ(keys.size(), kCount - 1 + 2);
    EXPECT_EQ(doc.value(QStringLiteral("Records"), QStringLiteral("Profiles")), QStringLiteral("9999"));
    for (int k = 0; k < kCount - 1; ++k) {
        ASSERT_EQ(keys[k + 2], QString::number(k));
        const int person = k < kGone ? k : k + 1;
        ASSERT_EQ(doc.value(QStringLiteral("Records"), keys[k + 2]),
                  QStringLiteral("Person %1|01.02.1970").arg(person));
    }
    EXPECT_EQ(control<QComboBox>("ComboBox1")->itemText(kGone), QStringLiteral("Person %1").arg(kGone + 1));
    // A list this long gets its submenu items as the submenu first opens.
    control<QMenu>("MenuProfilePersonal")->popup(QPoint());
    control<QMenu>("MenuProfilePersonal")->hide();
    ASSERT_NE(personalItem(kCount - 2), nullptr);
    EXPECT_EQ(personalItem(kGone)->text(), QStringLiteral("Person %1").arg(kGone + 1));
    EXPECT_EQ(personalItem(kCount - 2)->text(), QStringLiteral("Person %1").arg(kCount - 1));
    EXPECT_EQ(personalItem(kCount - 1), nullptr);
}

}  // namespace
