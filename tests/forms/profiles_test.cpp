// Profiles on the main window: what start-up loads from the settings and celebrity files, the selection list and
// the Personal submenu kept in step, picking a profile or a celebrity, "add new", and what the settings file holds
// after each of them.
#include <sys/resource.h>

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest/QTest>
#include <csignal>

#include "main_window_fixture.h"
#include "rhythm/dates.h"
#include "wait.h"

using namespace rorovovo;
using rorovovo::platform::DialogKind;

namespace {

const QByteArray kExample =
    "[Preferences]\n"
    "Rhytms=111100\n"
    "WindowSize=1\n"
    "WinHeight=420\n"
    "WinWidth=700\n"
    "WindowPosit=0\n"
    "[Records]\n"
    "Profiles=3\n"
    "Selected=1\n"
    "0=Mara Quill|07.11.1984\n"
    "1=Tobias Wren|23.02.1990\n"
    "2=Ines Falkner|01.06.1962\n";

const QByteArray kTwoCelebrities = "Lena Corwick|14.08.1921\nOtto Brannigan|30.01.1955\n";

const QString kInvalidDate =
    QString::fromUtf8(rhythm::InvalidBirthDateMessage.data(), int(rhythm::InvalidBirthDateMessage.size()));

// While it lives, no file may grow beyond the given size: every later write fails as it does in a read-only
// folder or on a full disk, for root as well.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    bool active() const { return active_; }

  private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
    bool active_ = false;
};

QStringList captions(const QList<QAction*>& items) {
    QStringList out;
    for (const QAction* a : items) out << a->text();
    return out;
}

}  // namespace

class ProfilesTest : public MainWindowTest {
  protected:
    QByteArray iniBytes() const {
        QFile f(iniPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // The window as the user left it, then the program started again on the same files.
    void restart() {
        form->close();
        delete form;
        form = nullptr;
        dialogs.clear();
        start();
    }

    void activate() {
        form->activateWindow();
        ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == form; }));
    }

    QAction* personal(int i) const { return form->findChild<QAction*>(QStringLiteral("MenuProPers_%1").arg(i)); }

    // Replaces the text of the name box as a user does: select it from the end to the start, then type.
    void typeName(const QString& text) {
        control<QLineEdit>("Edit_name")->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(control<QLineEdit>("Edit_name"), Qt::Key_End);
        QTest::keyClick(control<QLineEdit>("Edit_name"), Qt::Key_Home, Qt::ShiftModifier);
        if (text.isEmpty()) QTest::keyClick(control<QLineEdit>("Edit_name"), Qt::Key_Backspace);
        // Each character as a key that types it, also outside Latin-1.
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, control<QLineEdit>("Edit_name"), Qt::Key_unknown, QString(c), {});
    }

    // A click into a date box selects its text, so typing replaces it.
    void typeDate(QLineEdit* box, const QString& digits) {
        box->setFocus(Qt::MouseFocusReason);
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClicks(box, digits);
    }

    // The boxes hold the person and the chart was drawn for them: total days and the day of each base rhythm.
    void expectDrawn(const QString& name, const QDate& birth) {
        EXPECT_EQ(control<QLineEdit>("Edit_name")->text(), name);
        EXPECT_EQ(control<QLineEdit>("Edit_day")->text(),
                  QStringLiteral("%1").arg(birth.day(), 2, 10, QLatin1Char('0')));
        EXPECT_EQ(control<QLineEdit>("Edit_month")->text(),
                  QStringLiteral("%1").arg(birth.month(), 2, 10, QLatin1Char('0')));
        EXPECT_EQ(control<QLineEdit>("Edit_year")->text(), QString::number(birth.year()));
        const qint64 lived = birth.daysTo(fixedNow().date());
        EXPECT_EQ(control<QLineEdit>("Edit6")->text(), QString::number(lived));
        const QLineEdit* boxes[] = {control<QLineEdit>("Edit2"), control<QLineEdit>("Edit3"),
                                    control<QLineEdit>("Edit4"), control<QLineEdit>("Edit5")};
        const int periods[] = {23, 28, 33, 38};
        for (int i = 0; i < 4; ++i) EXPECT_EQ(boxes[i]->text().toInt(), lived % periods[i]) << periods[i];
    }

    // The Personal submenu mirrors the list: captions, names in order and the checked item.
    void expectPersonalMirrorsList() {
        const QList<QAction*> items = control<QMenu>("MenuProfilePersonal")->actions();
        ASSERT_EQ(items.size(), control<QComboBox>("ComboBox1")->count());
        for (int i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i]->text(), control<QComboBox>("ComboBox1")->itemText(i)) << i;
            EXPECT_EQ(items[i]->objectName(), QStringLiteral("MenuProPers_%1").arg(i));
            EXPECT_EQ(items[i]->isChecked(), i == control<QComboBox>("ComboBox1")->currentIndex()) << i;
            EXPECT_TRUE(items[i]->statusTip().isEmpty());
            ASSERT_NE(items[i]->actionGroup(), nullptr);
            EXPECT_EQ(items[i]->actionGroup(), items[0]->actionGroup());
            EXPECT_TRUE(items[i]->actionGroup()->isExclusive());
        }
    }
};

TEST_F(ProfilesTest, exampleSettings_openAtTheStoredSizeWithTheSelectedProfileDrawn) {
    writeFile(iniPath(), kExample);
    writeFile(datPath(), kTwoCelebrities);
    start();
    EXPECT_TRUE(dialogs.empty());
    EXPECT_TRUE(waitFor([&] { return form->frameGeometry().size() == QSize(700, 420); }))
        << form->frameGeometry().width() << "x" << form->frameGeometry().height();
    EXPECT_EQ(form->pos(), QPoint(193, 127));
    EXPECT_TRUE(control<QAction>("MenuOptionsSize")->isChecked());
    EXPECT_FALSE(control<QAction>("MenuOptionsPosit")->isChecked());
    EXPECT_EQ(QStringList({control<QComboBox>("ComboBox1")->itemText(0), control<QComboBox>("ComboBox1")->itemText(1),
                           control<QComboBox>("ComboBox1")->itemText(2)}),
              QStringList({"Mara Quill", "Tobias Wren", "Ines Falkner"}));
    EXPECT_EQ(control<QComboBox>("ComboBox1")->count(), 3);
    EXPECT_EQ(control<QComboBox>("ComboBox1")->currentIndex(), 1);
    expectPersonalMirrorsList();
    ASSERT_NE(personal(1), nullptr);
    EXPECT_TRUE(personal(1)->isChecked());
    expectDrawn(QStringLiteral("Tobias Wren"), QDate(1990, 2, 23));
    const QRegularExpression twoDigits(QStringLiteral("^\\d\\d$"));
    for (QLineEdit* box : {control<QLineEdit>("Edit2"), control<QLineEdit>("Edit3"), control<QLineEdit>("Edit4"),
                           control<QLineEdit>("Edit5")})
        EXPECT_TRUE(twoDigits.match(box->text()).hasMatch()) << box->text().toStdString();
    EXPECT_EQ(form->focusWidget(), control<QComboBox>("ComboBox1"));
    EXPECT_FALSE(control<QPushButton>("Button_addnew")->isEnabled());  // the drawn name is in the list
    const QAction* rhythms[] = {
        control<QAction>("MenuOptionsShowPhysical"),     control<QAction>("MenuOptionsShowEmotional"),
        control<QAction>("MenuOptionsShowIntellectual"), control<QAction>("MenuOptionsShowIntuitional"),
        control<QAction>("MenuOptionsShowSpiritual"),    control<QAction>("MenuOptionsShowAesthetics")};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(rhythms[i]->isChecked(), i < 4) << i;
    // Closing unchanged writes the same size, selection and rhythms back: the file is as it was.
    form->close();
    EXPECT_EQ(iniBytes(), kExample);
}

TEST_F(ProfilesTest, noStoredProfiles_emptyListNoChartAndAddNewEnabled) {
    writeFile(iniPath(), "[Preferences]\nRhytms=111100\n[Records]\nSelected=0\n0=Stray|01.01.2000\n");
    start();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].kind, DialogKind::Plain);
    EXPECT_EQ(dialogs[0].text, QStringLiteral("Data file 'Cyclomat.dat' with Celebrity names does not exist on path.\r"
                                              "Can't load extra data.. Get it from zip file, if you want it too."));
    EXPECT_EQ(control<QComboBox>("ComboBox1")->count(), 0);
    EXPECT_TRUE(control<QMenu>("MenuProfilePersonal")->actions().isEmpty());
    EXPECT_TRUE(control<QMenu>("MenuProfileCelebrity")->actions().isEmpty());
    EXPECT_TRUE(control<QLineEdit>("Edit_name")->text().isEmpty());
    EXPECT_TRUE(control<QLineEdit>("Edit6")->text().isEmpty());
    EXPECT_EQ(control<QLineEdit>("Edit2")->text(), QStringLiteral("2"));  // the design text: nothing was drawn
    EXPECT_EQ(control<QLineEdit>("Edit_day")->text(), QStringLiteral("08"));
    EXPECT_TRUE(control<QPushButton>("Button_addnew")->isEnabled());
}

TEST_F(ProfilesTest, selectedNamingNoProfile_startsWithoutSelectionOrChart) {
    for (const char* selected : std::initializer_list<const char*>{"-1", "7", "3", "abc", nullptr}) {
        SCOPED_TRACE(selected ? selected : "missing");
        QByteArray ini = "[Records]\nProfiles=3\n";
        if (selected) ini += QByteArray("Selected=") + selected + "\n";
        ini += "0=Mara Quill|07.11.1984\n1=Tobias Wren|23.02.1990\n2=Ines Falkner|01.06.1962\n";
        if (form) {
            form->close();
            delete form;
            form = nullptr;
            dialogs.clear();
        }
        writeFile(iniPath(), ini);
        start();
        EXPECT_EQ(control<QComboBox>("ComboBox1")->count(), 3);
        EXPECT_EQ(control<QComboBox>("ComboBox1")->currentIndex(), -1);
        for (int i = 0; i < 3; ++i) EXPECT_FALSE(personal(i)->isChecked()) << i;
        EXPECT_TRUE(control<QLineEdit>("Edit_name")->text().isEmpty());
        EXPECT_TRUE(control<QLineEdit>("Edit6")->text().isEmpty());
        EXPECT_TRUE(control<QPushButton>("Button_addnew")->isEnabled());
        for (const auto& d : dialogs) EXPECT_NE(d.kind, DialogKind::Error) << d.text.toStdString();
        // The stored selection is left alone until the user picks a profile.
        EXPECT_EQ(iniBytes(), ini);
        control<QComboBox>("ComboBox1")->setFocus();
        QTest::keyClick(control<QComboBox>("ComboBox1"), Qt::Key_End);
        EXPECT_EQ(control<QComboBox>("ComboBox1")->currentIndex(), 2);
        expectDrawn(QStringLiteral("Ines Falkner"), QDate(1962, 6, 1));
        EXPECT_TRUE(personal(2)->isChecked());
        EXPECT_TRUE(iniBytes().contains("Selected=2\n"));
    }
}

TEST_F(ProfilesTest, addNew_storesZeroPaddedEntryAndSelectsTheNewProfile) {
    writeFile(iniPath(), kExample);
    writeFile(datPath(), kTwoCelebrities);
    start();
    activate();
    // An empty name box: nothing happens.
    typeName(QString());
    ASSERT_TRUE(control<QPushButton>("Button_addnew")->isEnabled());
    QTest::mouseClick(control<QPushButton>("Button_addnew"), Qt::LeftButton);
    EXPECT_TRUE(dialogs.empty());
    EXPECT_EQ(control<QComboBox>("ComboBox1")->count(), 3);
    EXPECT_EQ(iniBytes(), kExample);
    // An invalid date: the date message, the focus in the day box, nothing stored.
    typeName(QStringLiteral("Kai Brandt"));
    typeDate(control<QLineEdit>("Edit_day"), QStringLiteral("31"));
    typeDate(control<QLineEdit>("Edit_month"), QStringLiteral("02"));
    QTest::mouseClick(control<QPushButton>("Button_addnew"), Qt::LeftButton);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].kind, DialogKind::Plain);
    EXPECT_EQ(dialogs[0].text, kInvalidDate);
    EXPECT_EQ(form->focusWidget(), control<QLineEdit>("Edit_day"));
    EXPECT_EQ(control<QComboBox>("ComboBox1")->count(), 3);
    EXPECT_EQ(iniBytes(), kExample);
    dialogs.clear();
    // Short numbers typed and left with Tab come out padded; the entry stores the boxes as they then stand.
    typeDate(control<QLineEdit>("Edit_year"), QStringLiteral("1988"));
    QTest::keyClick(control<QLineEdit>("Edit_year"), Qt::Key_Tab);
    ASSERT_EQ(form->focusWidget(), control<QLineEdit>("Edit_month"));
    QTest::keyClicks(control<QLineEdit>("Edit_month"), QStringLiteral("3"));
    QTest::keyClick(control<QLineEdit>("Edit_month"), Qt::Key_Tab);
    ASSERT_EQ(form->focusWidget(), control<QLineEdit>("Edit_day"));
    QTest::keyClicks(control<QLineEdit>("Edit_day"), QStringLiteral("7"));
    QTest::keyClick(control<QLineEdit>("Edit_day"), Qt::Key_Tab);
    EXPECT_EQ(form->focusWidget(), control<QPushButton>("Button_addnew"));
    EXPECT_EQ(control<QLineEdit>("Edit_month")->text(), QStringLiteral("03"));
    EXPECT_EQ(control<QLineEdit>("Edit_day")->text(), QStringLiteral("07"));
    QTest::mouseClick(control<QPushButton>("Button_addnew"), Qt::LeftButton);
    EXPECT_TRUE(dialogs.empty());
    EXPECT_EQ(iniBytes(), QByteArray("[Preferences]\nRhytms=111100\nWindowSize=1\nWinHeight=420\nWinWidth=700\n"
                                     "WindowPosit=0\n[Records]\nProfiles=4\nSelected=3\n0=Mara Quill|07.11.1984\n"
                                     "1=Tobias Wren|23.02.1990\n2=Ines Falkner|01.06.1962\n3=Kai Brandt|07.03.1988\n"));
    ASSERT_EQ(control<QComboBox>("ComboBox1")->count(), 4);
    EXPECT_EQ(control<QComboBox>("ComboBox1")->itemText(3), QStringLiteral("Kai Brandt"));
    EXPECT_EQ(control<QComboBox>("ComboBox1")->currentIndex(), 3);
    EXPECT_EQ(control<QMenu>("MenuProfilePersonal")->actions().last(), personal(3));
    expectPersonalMirrorsList();
    EXPECT_FALSE(control<QPushButton>("Button_addnew")->isEnabled());
    expectDrawn(QStringLiteral("Kai Brandt"), QDate(1988, 3, 7));
    // The new item is a working member of the submenu.
    personal(0)->trigger();
    expectDrawn(QStringLiteral("Mara Quill"), QDate(1984, 11, 7));
    personal(3)->trigger();
    EXPECT_EQ(control<QComboBox>("ComboBox1")->currentIndex(), 3);
    EXPECT_TRUE(iniBytes().contains("Selected=3\n"));
}

TEST_F(ProfilesTest, addNew_keepsTheNameUntrimmedAndChecksNoDuplicates) {
    start();
    activate();
    typeName(QStringLiteral("Ada "));
    typeDate(control<QLineEdit>("Edit_day"), QStringLiteral("10"));
    typeDate(control<QLineEdit>("Edit_month"), QStringLiteral("12"));
    typeDate(control<QLineEdit>("Edit_year"), QStringLiteral("1815"));
    QTest::mouseClick(control<QPushButton>("Button_addnew"), Qt::LeftButton);
    EXPECT_TRUE(iniBytes().endsWith("[Records]\nProfiles=1\nSelected=0\n0=Ada |10.12.1815\n")) << iniBytes().data();
    EXPECT_EQ(control<QComboBox>("ComboBox1")->itemText(0), QStringLiteral("Ada "));
    EXPECT_EQ(personal(0)->text(), QStringLiteral("Ada "));
    EXPECT_TRUE(personal(0)->isChecked());
    EXPECT_FALSE(control<QPushButton>("Button_addnew")->isEnabled());
    typeName(QStringLiteral("Grace"));
    EXPECT_TRUE(control<QPushButton>("Button_addnew")->isEnabled());
}

TEST_F(ProfilesTest, ampersandShowsAsTyped_andNamesThatWouldNotReadBackAreRefused) {
    writeFile(iniPath(), "[Records]\nProfiles=1\nSelected=0\n0=Tom & Jerry|07.11.1984\n");
    writeFile(datPath(), "Laurel & Hardy|16.06.1890\n");
    start();
    // What the menus show, read as a screen reader reads it (a lone "&" would mark the next letter instead).
    for (QMenu* menu : {control<QMenu>("MenuProfilePersonal"), control<QMenu>("MenuProfileCelebrity")}) {
        menu->popup(form->mapToGlobal(QPoint(20, 20)));  // the items are made as the submenu opens
        menu->hide();
    }
    const auto shown = [](QMenu* menu) {
        QAccessibleInterface* item = QAccessible::queryAccessibleInterface(menu)->child(0);
        return item ? item->text(QAccessible::Name) : QString();
    };
    EXPECT_EQ(shown(control<QMenu>("MenuProfilePersonal")), QStringLiteral("Tom & Jerry"));
    EXPECT_EQ(shown(control<QMenu>("MenuProfileCelebrity")), QStringLiteral("Laurel & Hardy"));
    EXPECT_EQ(control<QComboBox>("ComboBox1")->itemText(0), QStringLiteral("Tom & Jerry"));
    // Picking an item still finds the name as written.
    control<QMenu>("MenuProfileCelebrity")->actions()[0]->trigger();
    expectDrawn(QStringLiteral("Laurel & Hardy"), QDate(1890, 6, 16));
    personal(0)->trigger();
    expectDrawn(QStringLiteral("Tom & Jerry"), QDate(1984, 11, 7));
    const QByteArray before = iniBytes();
    const struct {
        QString name;
        const char* why;
    } refused[] = {{QStringLiteral("a|b"), "'|'"}, {QString(2037, QLatin1Char('x')), "too long"}};
    for (const auto& r : refused) {
        dialogs.clear();
        control<QLineEdit>("Edit_name")->setText(r.name);
        QTest::mouseClick(control<QPushButton>("Button_addnew"), Qt::LeftButton);
        ASSERT_EQ(dialogs.size(), 1u);
        EXPECT_EQ(dialogs[0].kind, DialogKind::Plain);
        EXPECT_TRUE(dialogs[0].text.contains(QLatin1String(r.why))) << dialogs[0].text.toStdString();
        EXPECT_EQ(iniBytes(), before);
        EXPECT_EQ(control<QComboBox>("ComboBox1")->count(), 1);
    }
}

TEST_F(ProfilesTest, personalItemAndListEntry_selectTheSameProfile) {
    writeFile(iniPath(), kExample);
    writeFile(datPath(), kTwoCelebrities);
    start();
    activate();
    personal(2)->trigger();
    EXPECT_EQ(control<QComboBox>("ComboBox1")->currentIndex(), 2);
    expectDrawn(QStringLiteral("Ines Falkner"), QDate(1962, 6, 1));
    expectPersonalMirrorsList();
    EXPECT_TRUE(iniBytes().contains("Selected=2\n"));
    struct Shown {
        QStringList texts;
        int index;
        QByteArray file;
    };
    auto shown = [&] {
        QStringList t;
        for (QLineEdit* box : {control<QLineEdit>("Edit_name"), control<QLineEdit>("Edit_day"),
                               control<QLineEdit>("Edit_month"), control<QLineEdit>("Edit_year"),
                               control<QLineEdit>("Edit6"), control<QLineEdit>("Edit_age"), control<QLineEdit>("Edit2"),
                               control<QLineEdit>("Edit3"), control<QLineEdit>("Edit4"), control<QLineEdit>("Edit5")})
            t << box->text();
        return Shown{t, control<QComboBox>("ComboBox1")->currentIndex(), iniBytes()};
    };
    personal(0)->trigger();
    const Shown byMenu = shown();
    personal(2)->trigger();
    control<QComboBox>("ComboBox1")->setFocus();
    QTest::keyClick(control<QComboBox>("ComboBox1"), Qt::Key_Home);
    const Shown byList = shown();
    EXPECT_EQ(byList.texts, byMenu.texts);
    EXPECT_EQ(byList.index, 0);
    EXPECT_EQ(byMenu.index, 0);
    EXPECT_EQ(byList.file, byMenu.file);
    EXPECT_TRUE(byList.file.contains("Selected=0\n"));
    EXPECT_TRUE(personal(0)->isChecked());
    expectPersonalMirrorsList();
    // Only "Selected" changed.
    QByteArray expected = kExample;
    expected.replace("Selected=1", "Selected=0");
    EXPECT_EQ(byList.file, expected);
}

TEST_F(ProfilesTest, celebrityPick_drawsWithoutTouchingTheSelection) {
    writeFile(iniPath(), kExample);
    writeFile(datPath(), kTwoCelebrities);
    start();
    activate();
    const QList<QAction*> stars = control<QMenu>("MenuProfileCelebrity")->actions();
    ASSERT_EQ(stars.size(), 2);
    stars[1]->trigger();
    expectDrawn(QStringLiteral("Otto Brannigan"), QDate(1955, 1, 30));
    EXPECT_FALSE(stars[1]->isChecked());
    EXPECT_EQ(control<QComboBox>("ComboBox1")->currentIndex(), 1);
    EXPECT_TRUE(personal(1)->isChecked());
    EXPECT_FALSE(control<QPushButton>("Button_addnew")->isEnabled());
    EXPECT_EQ(control<QComboBox>("ComboBox1")->count(), 3);
    EXPECT_EQ(iniBytes(), kExample);
    // The next edit of the name decides again.
    control<QLineEdit>("Edit_name")->setFocus();
    QTest::keyClick(control<QLineEdit>("Edit_name"), Qt::Key_End);
    QTest::keyClicks(control<QLineEdit>("Edit_name"), QStringLiteral(" Jr"));
    EXPECT_TRUE(control<QPushButton>("Button_addnew")->isEnabled());
    // A celebrity whose name is a stored profile's still ends with the button off.
    typeName(QStringLiteral("Lena"));
    EXPECT_TRUE(control<QPushButton>("Button_addnew")->isEnabled());
    stars[0]->trigger();
    EXPECT_FALSE(control<QPushButton>("Button_addnew")->isEnabled());
    expectDrawn(QStringLiteral("Lena Corwick"), QDate(1921, 8, 14));
}

TEST_F(ProfilesTest, nameDifferingByCaseOrOuterBlanks_keepsAddNewDisabled) {
    writeFile(iniPath(), kExample);
    start();
    activate();
    for (const char* same : {"tobias wren", "MARA QUILL", "  Ines Falkner", "Tobias Wren   ", " iNES fALKNER "}) {
        typeName(QStringLiteral("Somebody"));
        ASSERT_TRUE(control<QPushButton>("Button_addnew")->isEnabled());
        typeName(QString::fromUtf8(same));
        EXPECT_FALSE(control<QPushButton>("Button_addnew")->isEnabled()) << same;
    }
    // Control characters count as blanks at the ends (a pasted tab, for instance).
    control<QLineEdit>("Edit_name")->setText(QStringLiteral("\tMara Quill\t"));
    EXPECT_FALSE(control<QPushButton>("Button_addnew")->isEnabled());
    for (const char* other : {"Tobias  Wren", "Tobias Wrenn", "Mara", "Quill"}) {
        typeName(QString::fromUtf8(other));
        EXPECT_TRUE(control<QPushButton>("Button_addnew")->isEnabled()) << other;
    }
}

TEST_F(ProfilesTest, celebrityFileLines_becomeItemsWithNameCaptionAndDateHint) {
    writeFile(
        datPath(),
        "Lena Corwick|14.08.1921\r\n\r\nNo Bar Here\r\nOtto Brannigan|30.01.1955|second|bar\nLast Line|01.02.2003");
    start();
    EXPECT_TRUE(dialogs.empty());
    const QList<QAction*> stars = control<QMenu>("MenuProfileCelebrity")->actions();
    EXPECT_EQ(captions(stars), QStringList({"Lena Corwick", "", "", "Otto Brannigan", "Last Line"}));
    QStringList hints;
    for (const QAction* a : stars) {
        hints << a->statusTip();
        EXPECT_TRUE(a->objectName().isEmpty());
        EXPECT_FALSE(a->isChecked());
    }
    EXPECT_EQ(hints, QStringList({"14.08.1921", "", "No Bar Here", "30.01.1955|second|bar", "01.02.2003"}));
    EXPECT_EQ(control<QComboBox>("ComboBox1")->count(), 0);
    EXPECT_TRUE(control<QMenu>("MenuProfilePersonal")->actions().isEmpty());
    // Only the first ten characters of the hint carry the date.
    stars[3]->trigger();
    EXPECT_TRUE(dialogs.empty());
    expectDrawn(QStringLiteral("Otto Brannigan"), QDate(1955, 1, 30));
    stars[4]->trigger();
    expectDrawn(QStringLiteral("Last Line"), QDate(2003, 2, 1));
    // The empty line gives empty boxes, which the draw action reports; its move to the day box then leaves the
    // emptied year box, where the focus was since start-up, and that reports the empty number.
    stars[1]->trigger();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].text, kInvalidDate);
    EXPECT_EQ(dialogs[1].text, QStringLiteral("'' is not a valid integer value."));
    EXPECT_TRUE(control<QLineEdit>("Edit_name")->text().isEmpty());
    EXPECT_FALSE(QFile::exists(iniPath()));  // celebrities never reach the settings file
}

TEST_F(ProfilesTest, celebrityNames_readFromWindows1252AndFromUtf8) {
    writeFile(datPath(), "Fr\xE9\x64\xE9ric \x8Cuvre|02.03.1940\r\nJos\xE9|11.11.1911\r\n");
    start();
    EXPECT_EQ(captions(control<QMenu>("MenuProfileCelebrity")->actions()),
              QStringList({QStringLiteral("Frédéric Œuvre"), QStringLiteral("José")}));
    control<QMenu>("MenuProfileCelebrity")->actions()[0]->trigger();
    expectDrawn(QStringLiteral("Frédéric Œuvre"), QDate(1940, 3, 2));
    writeFile(datPath(), QStringLiteral("Frédéric Œuvre|02.03.1940\nJosé|11.11.1911\n").toUtf8());
    restart();
    EXPECT_EQ(captions(control<QMenu>("MenuProfileCelebrity")->actions()),
              QStringList({QStringLiteral("Frédéric Œuvre"), QStringLiteral("José")}));
}

TEST_F(ProfilesTest, nonAsciiProfileNames_surviveSaveAndRestart) {
    // An older settings file written in the ANSI code page.
    writeFile(iniPath(), "[Records]\nProfiles=1\nSelected=0\n0=Ren\xE9\x65 M\xFCller|05.05.1955\n");
    writeFile(datPath(), kTwoCelebrities);
    start();
    const QString renee = QStringLiteral("Renée Müller");
    EXPECT_EQ(control<QComboBox>("ComboBox1")->itemText(0), renee);
    expectDrawn(renee, QDate(1955, 5, 5));
    activate();
    const QString zoe = QStringLiteral("Zoë Ångström-Łęcka");
    typeName(zoe);
    ASSERT_EQ(control<QLineEdit>("Edit_name")->text(), zoe);
    typeDate(control<QLineEdit>("Edit_day"), QStringLiteral("29"));
    typeDate(control<QLineEdit>("Edit_month"), QStringLiteral("02"));
    typeDate(control<QLineEdit>("Edit_year"), QStringLiteral("2000"));
    QTest::mouseClick(control<QPushButton>("Button_addnew"), Qt::LeftButton);
    EXPECT_TRUE(dialogs.empty());
    restart();
    ASSERT_EQ(control<QComboBox>("ComboBox1")->count(), 2);
    EXPECT_EQ(control<QComboBox>("ComboBox1")->itemText(0), renee);
    EXPECT_EQ(control<QComboBox>("ComboBox1")->itemText(1), zoe);
    EXPECT_EQ(personal(1)->text(), zoe);
    EXPECT_TRUE(personal(1)->isChecked());
    expectDrawn(zoe, QDate(2000, 2, 29));
    // The lookup finds the stored name in other letter cases.
    activate();
    typeName(QStringLiteral("ZOË ÅNGSTRÖM-ŁĘCKA"));
    EXPECT_FALSE(control<QPushButton>("Button_addnew")->isEnabled());
    personal(0)->trigger();
    expectDrawn(renee, QDate(1955, 5, 5));
}

TEST_F(ProfilesTest, failedWrites_reportThePathLoseNothingAndTheWindowStillCloses) {
    const QByteArray ini = kExample + "3=Lars Ode|12.12.1912\n4=Uma Vell|09.09.1999\n";
    writeFile(iniPath(), QByteArray(ini).replace("Profiles=3", "Profiles=5"));
    writeFile(datPath(), kTwoCelebrities);
    const QByteArray before = iniBytes();
    start();
    ASSERT_TRUE(waitFor([&] { return form->frameGeometry().size() == QSize(700, 420); }));
    activate();
    const QString unable = QStringLiteral("Unable to write to %1.").arg(QDir::toNativeSeparators(iniPath()));
    {
        FileSizeLimit limit(rlim_t(before.size() - 1));
        ASSERT_TRUE(limit.active());
        // Starting wrote nothing new, so it went through. Picking another profile cannot remember the pick, but
        // shows the person; the failure is told once per run.
        EXPECT_TRUE(dialogs.empty());
        expectDrawn(QStringLiteral("Tobias Wren"), QDate(1990, 2, 23));
        personal(0)->trigger();
        ASSERT_EQ(dialogs.size(), 1u);
        EXPECT_EQ(dialogs[0].kind, DialogKind::Error);
        EXPECT_TRUE(dialogs[0].text.contains(QStringLiteral("selection could not be remembered")));
        EXPECT_TRUE(dialogs[0].text.endsWith(unable)) << dialogs[0].text.toStdString();
        expectDrawn(QStringLiteral("Mara Quill"), QDate(1984, 11, 7));
        EXPECT_TRUE(personal(0)->isChecked());
        personal(1)->trigger();
        EXPECT_EQ(dialogs.size(), 1u);
        expectDrawn(QStringLiteral("Tobias Wren"), QDate(1990, 2, 23));
        EXPECT_EQ(iniBytes(), before);
        // An add that cannot be stored adds nothing.
        typeName(QStringLiteral("Kai Brandt"));
        typeDate(control<QLineEdit>("Edit_day"), QStringLiteral("07"));
        QTest::mouseClick(control<QPushButton>("Button_addnew"), Qt::LeftButton);
        ASSERT_EQ(dialogs.size(), 2u);
        EXPECT_EQ(dialogs[1].text, unable);
        EXPECT_EQ(control<QComboBox>("ComboBox1")->count(), 5);
        EXPECT_EQ(control<QMenu>("MenuProfilePersonal")->actions().size(), 5);
        EXPECT_EQ(iniBytes(), before);
        // Celebrities write nothing and still draw.
        control<QMenu>("MenuProfileCelebrity")->actions()[1]->trigger();
        EXPECT_EQ(dialogs.size(), 2u);
        expectDrawn(QStringLiteral("Otto Brannigan"), QDate(1955, 1, 30));
        // A changed rhythm gives the close something to write; the window closes all the same.
        control<QAction>("MenuOptionsShowSpiritual")->trigger();
        form->close();
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(forms::IniFile, nullptr);
        EXPECT_EQ(iniBytes(), before);
    }
    // The next run finds everything as it was.
    restart();
    EXPECT_EQ(control<QComboBox>("ComboBox1")->count(), 5);
    expectDrawn(QStringLiteral("Tobias Wren"), QDate(1990, 2, 23));
    EXPECT_FALSE(control<QAction>("MenuOptionsShowSpiritual")->isChecked());
}
