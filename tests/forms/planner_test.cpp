// The planner window through its widgets on a fixed clock: members from every source, groups in the settings file,
// the roster's marks and tool tips, the keyboard, and the files it writes.
#include "forms/Planner.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolTip>
#include <QTranslator>
#include <QtTest/QTest>

#include "drawn_person.h"
#include "platform/desktop_scheme.h"
#include "platform/output_dialogs.h"
#include "platform/translator.h"
#include "rhythm/dates.h"
#include "wait.h"

namespace rorovovo::forms::testing {
namespace {

QString datPath() { return platform::executableFolder() + QStringLiteral("Cyclomat.dat"); }

class PlannerTest : public DrawnPersonTest {
  protected:
    void SetUp() override {
        QFile dat(datPath());
        ASSERT_TRUE(dat.open(QIODevice::WriteOnly));
        dat.write("Lena Corwick|14.08.1921\nOtto Brannigan|30.01.1955\n");
        dat.close();
        DrawnPersonTest::SetUp();
    }
    void TearDown() override {
        platform::resetOutputDialogHandlers();
        QToolTip::hideText();
        DrawnPersonTest::TearDown();
        QFile::remove(datPath());
    }

    TFormPlanner* open() {
        control<QAction>("MenuToolsPlanner")->trigger();
        auto* w = form->findChild<TFormPlanner*>(QStringLiteral("FormPlanner"));
        EXPECT_TRUE(w && waitFor([w] { return w->isVisible(); }));
        return w;
    }
    // A profile stored through the main window's "add new".
    void storeProfile(const QString& name, QDate birth) {
        draw(name, birth);
        control<QPushButton>("Button_addnew")->click();
    }
    static QStringList memberNames(const TFormPlanner* w) {
        QStringList names;
        for (const auto& m : w->members()) names << QString::fromStdString(m.Name);
        return names;
    }
    QString file(const QByteArray& bytes, const QString& name) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    QString ini() const { return platform::executableFolder() + QStringLiteral("Cyclomat.ini"); }
    QTemporaryDir dir;
};

TEST_F(PlannerTest, members_comeFromProfilesCelebritiesTypingFilesAndContacts) {
    storeProfile(QStringLiteral("Ann Smith"), {1980, 2, 1});
    TFormPlanner* w = open();
    ASSERT_NE(w, nullptr);
    controlOf<QLineEdit>(w, "EditFilter")->setText(QStringLiteral("o"));  // Ann Smith has no "o": hidden
    QStringList shown;
    for (int i = 0; i < controlOf<QListWidget>(w, "ListPeople")->count(); ++i)
        if (!controlOf<QListWidget>(w, "ListPeople")->item(i)->isHidden())
            shown << controlOf<QListWidget>(w, "ListPeople")->item(i)->text();
    EXPECT_EQ(shown,
              QStringList({"Personal", "Celebrity", "Lena Corwick (14.08.1921)", "Otto Brannigan (30.01.1955)"}));
    controlOf<QLineEdit>(w, "EditFilter")->clear();
    for (const char* picked : {"Ann Smith (01.02.1980)", "Lena Corwick (14.08.1921)"})
        controlOf<QListWidget>(w, "ListPeople")
            ->findItems(QLatin1String(picked), Qt::MatchExactly)[0]
            ->setSelected(true);
    controlOf<QPushButton>(w, "ButtonAddPeople")->click();

    const struct {
        const char *name, *day, *month, *year;
        bool added;
    } typed[] = {{"Cy", "31", "02", "2010", false}, {"Cy", "5", "6", "2010", true}};
    for (const auto& t : typed) {
        controlOf<QLineEdit>(w, "Edit_name")->setText(QLatin1String(t.name));
        controlOf<QLineEdit>(w, "Edit_day")->setText(QLatin1String(t.day));
        controlOf<QLineEdit>(w, "Edit_month")->setText(QLatin1String(t.month));
        controlOf<QLineEdit>(w, "Edit_year")->setText(QLatin1String(t.year));
        const std::size_t before = dialogs.size();
        controlOf<QPushButton>(w, "ButtonAddTyped")->click();
        EXPECT_EQ(dialogs.size(), before + (t.added ? 0 : 1));
        if (!t.added) {
            EXPECT_EQ(dialogs.back().text.toStdString(), std::string(rhythm::InvalidBirthDateMessage));
        }
    }
    QString picked = file("Dee|15.03.2024\nBad|1.1.2000\n", QStringLiteral("group.txt"));
    platform::setOpenFileHandler([&](const QString&) { return picked; });
    controlOf<QPushButton>(w, "ButtonAddFile")->click();
    EXPECT_EQ(controlOf<QLabel>(w, "LabelStatus")->text(),
              QStringLiteral("1 person added from group.txt; 1 entry without a valid birth date "
                             "left out"));
    picked = file("BEGIN:VCARD\nFN:Eve\nBDAY:2001-09-09\nEND:VCARD\nBEGIN:VCARD\nFN:Fay\nBDAY:--0101\nEND:VCARD\n",
                  QStringLiteral("contacts.vcf"));
    controlOf<QPushButton>(w, "ButtonImportContacts")->click();
    EXPECT_EQ(dialogs.back().text, QStringLiteral("1 person imported; 1 card had no birth year"));
    EXPECT_EQ(memberNames(w), QStringList({"Ann Smith", "Lena Corwick", "Cy", "Dee", "Eve"}));
    EXPECT_EQ(controlOf<QListWidget>(w, "ListMembers")->item(2)->text(), QStringLiteral("Cy (05.06.2010)"));
    EXPECT_EQ(w->table().Members, 5);
    controlOf<QListWidget>(w, "ListMembers")->item(1)->setSelected(true);
    controlOf<QPushButton>(w, "ButtonRemove")->click();
    EXPECT_EQ(memberNames(w), QStringList({"Ann Smith", "Cy", "Dee", "Eve"}));
    // Opening a group file puts its people in the members' place.
    picked = file("Gus|01.01.1990\n", QStringLiteral("other.txt"));
    controlOf<QPushButton>(w, "ButtonOpenFile")->click();
    EXPECT_EQ(memberNames(w), QStringList({"Gus"}));
    EXPECT_TRUE(errorsShown().empty());
}

TEST_F(PlannerTest, aSavedGroup_opensUnchangedAfterTheProfileListChanged) {
    storeProfile(QStringLiteral("Ann Smith"), {1980, 2, 1});
    storeProfile(QStringLiteral("Bob Smith"), {1978, 4, 3});
    TFormPlanner* w = open();
    ASSERT_NE(w, nullptr);
    controlOf<QListWidget>(w, "ListPeople")->item(1)->setSelected(true);
    controlOf<QListWidget>(w, "ListPeople")->item(2)->setSelected(true);
    controlOf<QPushButton>(w, "ButtonAddPeople")->click();
    controlOf<QComboBox>(w, "ComboGroups")->setCurrentText(QStringLiteral("Family"));
    controlOf<QPushButton>(w, "ButtonSaveGroup")->click();
    QSettings saved(ini(), QSettings::IniFormat);
    EXPECT_EQ(saved.value("Groups/Groups").toInt(), 1);
    EXPECT_EQ(saved.value("Groups/Member0_1").toString(), QStringLiteral("Bob Smith|03.04.1978"));

    // The profiles go and another comes: the group keeps its people.
    IniFile->eraseSection(QStringLiteral("Records"));
    storeProfile(QStringLiteral("Zed"), {1990, 1, 1});
    controlOf<QPushButton>(w, "ButtonRemoveAll")->click();
    w->close();
    w = open();
    EXPECT_EQ(controlOf<QListWidget>(w, "ListPeople")->item(1)->text(), QStringLiteral("Zed (01.01.1990)"));
    EXPECT_EQ(controlOf<QComboBox>(w, "ComboGroups")->findText(QStringLiteral("Family")), 0);
    controlOf<QComboBox>(w, "ComboGroups")->setCurrentText(QStringLiteral("family"));
    controlOf<QPushButton>(w, "ButtonOpenGroup")->click();
    EXPECT_EQ(memberNames(w), QStringList({"Ann Smith", "Bob Smith"}));
    EXPECT_EQ(controlOf<QLabel>(w, "LabelStatus")->text(), QStringLiteral("Group \"Family\" opened: 2 people"));
    EXPECT_EQ(w->members()[1].Birth, rhythm::encodeDate(1978, 4, 3));

    controlOf<QPushButton>(w, "ButtonDeleteGroup")->click();  // the confirmation is answered OK
    EXPECT_EQ(dialogs.back().kind, platform::DialogKind::Confirmation);
    EXPECT_EQ(controlOf<QComboBox>(w, "ComboGroups")->count(), 0);
    EXPECT_TRUE(errorsShown().empty());
}

TEST_F(PlannerTest, roster_marksEachKindByShapeAndTellsEachCellInAToolTip) {
    TFormPlanner* w = open();
    ASSERT_NE(w, nullptr);
    // Born today: day 0 is triple, day 11 single (Physical). Born 115 days ago: today is double (Physical,
    // Intellectual).
    w->addMembers(
        {{QStringLiteral("Ann"), QStringLiteral("15.03.2024")}, {QStringLiteral("Bob"), QStringLiteral("21.11.2023")}});
    RosterView* roster = controlOf<forms::RosterView>(w, "Roster");
    ASSERT_TRUE(waitFor([&] { return roster->viewport()->isVisible(); }));
    const QImage image = roster->viewport()->grab().toImage();
    const auto near = [&](QPointF at, QRgb want) {
        const QColor got = image.pixelColor(at.toPoint()), wanted(want);
        return std::abs(got.red() - wanted.red()) + std::abs(got.green() - wanted.green()) +
                   std::abs(got.blue() - wanted.blue()) <
               40;
    };
    const struct {
        int member, day;
        QRgb colour;
        // Offsets from the cell's centre, in shares of the mark's size: inside the shape, then outside it.
        QPointF inside, outside;
        QRgb background;
    } marks[] = {
        {0, 0, 0xC00000, {-0.35, 0}, {-0.4, 0.3}, 0xFFF0B0},    // diamond, in today's column
        {1, 0, 0xE06A00, {-0.3, 0.3}, {-0.4, -0.3}, 0xFFF0B0},  // triangle
        {0, 11, 0x1F5FBF, {0.36, 0}, {0, 0}, 0xFFFFFF},         // ring: its middle is empty
    };
    for (const auto& m : marks) {
        const QRectF cell = roster->cellRect(m.member, m.day);
        const qreal s = 0.7 * std::min(cell.width(), cell.height());
        const QPointF c = cell.center();
        bool inside = false;
        for (int dx = -1; dx <= 1; ++dx) inside = inside || near(c + m.inside * s + QPointF(dx, 0), m.colour);
        EXPECT_TRUE(inside) << m.member << "," << m.day;
        EXPECT_TRUE(near(c + m.outside * s, m.background)) << m.member << "," << m.day;
    }
    EXPECT_TRUE(near(roster->cellRect(0, 1).topLeft() + QPointF(4, 4), 0xEEEEEE)) << "Saturday shaded";

    EXPECT_EQ(roster->cellToolTip(0, 0), QStringLiteral("Ann, born 15.03.2024\nFri 15.03.2024\nPhysical 0 % rising\n"
                                                        "Emotional 0 % rising\nIntellectual 0 % rising\nCritical: "
                                                        "Physical, Emotional, Intellectual (triple day)"));
    EXPECT_EQ(roster->cellToolTip(2, 0), QStringLiteral("Fri 15.03.2024\nGroup score 0 (the lowest of the members' "
                                                        "scores)\nA critical day for 2 of 2 members"));
    // The keyboard's cell and the mouse pointer's show their tool tips.
    roster->setFocus();
    QTest::keyClick(roster, Qt::Key_Right);
    EXPECT_TRUE(waitFor([&] { return QToolTip::text() == roster->cellToolTip(0, 1); }));
    const QPoint at = roster->cellRect(1, 11).center();
    QHelpEvent hover(QEvent::ToolTip, at, roster->viewport()->mapToGlobal(at));
    QApplication::sendEvent(roster->viewport(), &hover);
    EXPECT_TRUE(waitFor([&] { return QToolTip::text() == roster->cellToolTip(1, 11); }));
    // A best day picked scrolls its column into view without working the table out again.
    controlOf<QSpinBox>(w, "SpinDays")->setValue(400);
    const int builds = w->tableBuilds();
    controlOf<QTableWidget>(w, "TableBest")->selectRow(controlOf<QTableWidget>(w, "TableBest")->rowCount() - 1);
    const QDate picked = QLocale().toDate(controlOf<QTableWidget>(w, "TableBest")
                                              ->item(controlOf<QTableWidget>(w, "TableBest")->rowCount() - 1, 0)
                                              ->text(),
                                          QStringLiteral("ddd dd.MM.yyyy"));
    const int day = int(QDate(2024, 3, 15).daysTo(picked));
    EXPECT_GT(day, 20);
    EXPECT_EQ(roster->currentDay(), day);
    EXPECT_TRUE(roster->viewport()->rect().contains(roster->cellRect(0, day)));
    EXPECT_EQ(w->tableBuilds(), builds);
    // On a dark desktop the roster stays a light picture, its texts black.
    platform::applyScheme(platform::ColourScheme::Dark);
    QCoreApplication::sendPostedEvents();
    const QImage dark = roster->viewport()->grab().toImage();
    platform::applyScheme(platform::ColourScheme::Light);
    const QRect row = roster->cellRect(2, roster->currentDay());  // the group's row; its caption at the left
    int black = 0;
    for (int y = row.top(); y <= row.bottom(); ++y)
        for (int x = 0; x < 40; ++x) black += (dark.pixel(x, y) & 0xFFFFFF) == 0;
    EXPECT_GT(black, 10) << "the group row's caption";
}

TEST_F(PlannerTest, keyboard_tabReachesEveryControl_escapeCloses_sizeAndMembersComeBack) {
    TFormPlanner* w = open();
    ASSERT_NE(w, nullptr);
    w->addMembers({{QStringLiteral("Ann"), QStringLiteral("01.02.1980")}});
    controlOf<QCheckBox>(w, "CheckRhythm_Intuitional")->setChecked(true);
    QApplication::setActiveWindow(w);
    controlOf<QListWidget>(w, "ListMembers")->setFocus();
    ASSERT_TRUE(waitFor([w] { return controlOf<QListWidget>(w, "ListMembers")->hasFocus(); }));
    QSet<QWidget*> reached;
    for (int i = 0; i < 40; ++i) {
        reached << QApplication::focusWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (QWidget* c : w->findChildren<QWidget*>())
        if (c->isVisibleTo(w) && c->isEnabled() && (c->focusPolicy() & Qt::TabFocus) && !c->focusProxy() &&
            c->parentWidget() == w) {
            EXPECT_TRUE(reached.contains(c)) << c->objectName().toStdString();
        }
    w->resize(1100, 700);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(waitFor([w] { return !w->isVisible(); }));
    QSettings saved(ini(), QSettings::IniFormat);
    EXPECT_EQ(saved.value("Planner/Width").toInt(), 1100);
    EXPECT_EQ(saved.value("Planner/Members").toInt(), 1);
    EXPECT_EQ(saved.value("Planner/Member0").toString(), QStringLiteral("Ann|01.02.1980"));
    EXPECT_EQ(saved.value("Planner/Rhythms").toStringList(), QStringList({"P", "E", "I", "N"}));

    delete form;
    IniFile.reset();
    form = createProgramWindows();
    w = open();
    EXPECT_EQ(w->size(), QSize(1100, 700));
    EXPECT_EQ(memberNames(w), QStringList({"Ann"}));
    EXPECT_TRUE(controlOf<QCheckBox>(w, "CheckRhythm_Intuitional")->isChecked());
    // Closing the main window with the planner open keeps them as well.
    w->addMembers({{QStringLiteral("Bob"), QStringLiteral("03.04.1978")}});
    form->close();
    EXPECT_EQ(QSettings(ini(), QSettings::IniFormat).value("Planner/Members").toInt(), 2);
    // In another language the same keys are read: they are no words of the user's.
    delete form;
    IniFile.reset();
    platform::installTranslators(QStringLiteral("de"), QStringLiteral(ROROVOVO_PROGRAM_DIR "/translations/"));
    form = createProgramWindows();
    EXPECT_EQ(memberNames(open()), QStringList({"Ann", "Bob"}));
    for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    QLocale::setDefault(QLocale::system());
}

TEST_F(PlannerTest, files_pdfAndPrintFoldThePagesAndAFailingWriteSaysWhy) {
    TFormPlanner* w = open();
    ASSERT_NE(w, nullptr);
    QList<profiles::ProfileEntry> many;
    for (int i = 0; i < 60; ++i) many.push_back({QStringLiteral("Person %1").arg(i), QStringLiteral("01.01.1990")});
    w->addMembers(many);
    controlOf<QSpinBox>(w, "SpinDays")->setValue(90);
    controlOf<QComboBox>(w, "ComboGroups")->setCurrentText(QStringLiteral("Team"));
    QString path;
    platform::setSaveFileHandler([&](const QString&, const QString&) { return path; });
    platform::setPrintDialogHandler([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    const auto pdfText = [](const QString& pdf) {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    for (QPushButton* b : {controlOf<QPushButton>(w, "ButtonSavePdf"), controlOf<QPushButton>(w, "ButtonPrint")}) {
        path = dir.filePath(b->objectName() + QStringLiteral(".pdf"));
        b->click();
        const QString text = pdfText(path);
        const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        // Sixty rows and ninety days fold to pages down and across, each with the names of its rows.
        ASSERT_GE(pages.size(), 4) << text.toStdString();
        EXPECT_TRUE(pages[0].contains(QStringLiteral("Team: 15.03.2024 to ")));
        EXPECT_TRUE(pages[0].contains(QStringLiteral(", page 1 of %1").arg(pages.size())));
        for (const char* name : {"Person 0", "Person 59"})
            EXPECT_GE(pages.filter(QLatin1String(name)).size(), 2) << name;
        EXPECT_EQ(pages.filter(QStringLiteral("Group score")).size(), pages.size());
    }
    // The CSV and calendar files are the command line's, checked there; here a write that fails says so.
    path = dir.filePath(QStringLiteral("missing/team.csv"));
    controlOf<QPushButton>(w, "ButtonSaveCsv")->click();
    ASSERT_EQ(errorsShown().size(), 1u);
    EXPECT_EQ(errorsShown()[0], QStringLiteral("Unable to write to %1.").arg(QDir::toNativeSeparators(path)));
}

}  // namespace
}  // namespace rorovovo::forms::testing
