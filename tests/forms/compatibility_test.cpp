// The Tools menu: the compatibility window driven through its widgets, and the chart saved and printed from the
// main window.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>

#include "chart/colors.h"
#include "forms/FormCompatibility.h"
#include "forms/Planner.h"
#include "forms/widgets.h"
#include "main_window_fixture.h"
#include "platform/output_dialogs.h"
#include "rhythm/dates.h"
#include "wait.h"

using namespace rorovovo;

namespace {

constexpr chart::Rgb kBlue = 0x0000FF, kFuchsia = 0xFF00FF;

// Today is 08.12.2026. Mara is born 60 days before, on the strip's first day, so each of her rhythms starts a cycle
// at x 0; Tobias is 14 days younger, so his cycles start at x 140.
const QByteArray kTwoProfiles =
    "[Records]\nProfiles=2\nSelected=0\n0=Mara Quill|09.10.2026\n1=Tobias Wren|23.10.2026\n";
const QByteArray kTwoCelebrities = "Lena Corwick|14.08.1921\nOtto Brannigan|30.01.1955\n";

class CompatibilityTest : public MainWindowTest {
  protected:
    void TearDown() override {
        platform::resetOutputDialogHandlers();
        MainWindowTest::TearDown();
    }

    // Starts with these profiles and two celebrities; the messages counted are those after start-up.
    void startWith(const QByteArray& ini) {
        writeFile(iniPath(), ini);
        writeFile(datPath(), kTwoCelebrities);
        start();
        ASSERT_TRUE(dialogs.empty());
    }

    forms::TFormCompatibility* open() {
        control<QAction>("MenuToolsCompat")->trigger();
        auto* w = form->findChild<forms::TFormCompatibility*>(QStringLiteral("FormCompatibility"));
        EXPECT_NE(w, nullptr);
        EXPECT_TRUE(waitFor([w] { return w && w->isVisible(); }));
        return w;
    }

    static QStringList shown(const QLabel* const (&labels)[4], const QLabel* overall) {
        QStringList out;
        for (const QLabel* l : labels) out << l->text();
        return out << overall->text();
    }

    static QString pdfText(const QString& path) {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput()).simplified();
    }
};

// Red in row 0 or 1 of this column of the pair chart.
bool redAtTop(const QImage& img, int x) {
    return (img.pixel(x, 0) & 0xFFFFFF) == chart::kRed || (img.pixel(x, 1) & 0xFFFFFF) == chart::kRed;
}

TEST_F(CompatibilityTest, beforeAnyDraw_saysSoAndThereIsNothingToSaveOrPrint) {
    startWith(QByteArray());
    EXPECT_TRUE(control<QMenu>("MenuTools")->menuAction()->isVisible());
    EXPECT_FALSE(control<QAction>("MenuToolsSave")->isEnabled());
    EXPECT_FALSE(control<QAction>("MenuToolsPrint")->isEnabled());
    auto* w = open();
    EXPECT_FALSE(w->isModal());
    EXPECT_TRUE(controlOf<QLabel>(w, "LabelFirst")->text().startsWith(QStringLiteral("Nobody drawn yet")));
    EXPECT_EQ(
        shown({controlOf<QLabel>(w, "LabelPercent_Physical"), controlOf<QLabel>(w, "LabelPercent_Emotional"),
               controlOf<QLabel>(w, "LabelPercent_Intellectual"), controlOf<QLabel>(w, "LabelPercent_Intuitional")},
              controlOf<QLabel>(w, "LabelOverall")),
        (QStringList{"-", "-", "-", "-", "-"}));
    // A second person alone compares with nobody.
    controlOf<QLineEdit>(w, "Edit_name2")->setText(QStringLiteral("Zed"));
    QTest::keyClicks(controlOf<QLineEdit>(w, "Edit_day2"), QStringLiteral("01"));
    QTest::keyClicks(controlOf<QLineEdit>(w, "Edit_month2"), QStringLiteral("02"));
    QTest::keyClicks(controlOf<QLineEdit>(w, "Edit_year2"), QStringLiteral("2000"));
    QTest::mouseClick(controlOf<QPushButton>(w, "Button_compare"), Qt::LeftButton);
    EXPECT_EQ(controlOf<QLabel>(w, "LabelOverall")->text(), QStringLiteral("-"));
    EXPECT_TRUE(dialogs.empty());
}

TEST_F(CompatibilityTest, filteredPick_comparesAndDrawsFirstSolidAndSecondDashed) {
    startWith(kTwoProfiles);
    auto* w = open();
    EXPECT_EQ(controlOf<QLabel>(w, "LabelFirst")->text(), QStringLiteral("First person: Mara Quill, born 09.10.2026"));
    ASSERT_EQ(controlOf<QListWidget>(w, "ListPeople")->count(), 4);
    QTest::keyClicks(controlOf<QLineEdit>(w, "EditFilter"), QStringLiteral("WREN"));
    QStringList visible;
    for (int i = 0; i < controlOf<QListWidget>(w, "ListPeople")->count(); ++i)
        if (!controlOf<QListWidget>(w, "ListPeople")->item(i)->isHidden())
            visible << controlOf<QListWidget>(w, "ListPeople")->item(i)->text();
    ASSERT_EQ(visible, QStringList{QStringLiteral("Tobias Wren  (23.10.2026)")});
    QListWidgetItem* tobias = controlOf<QListWidget>(w, "ListPeople")->findItems(visible[0], Qt::MatchExactly).value(0);
    QTest::mouseClick(controlOf<QListWidget>(w, "ListPeople")->viewport(), Qt::LeftButton, {},
                      controlOf<QListWidget>(w, "ListPeople")->visualItemRect(tobias).center());

    EXPECT_EQ(controlOf<QLineEdit>(w, "Edit_name2")->text(), QStringLiteral("Tobias Wren"));
    // 14 days apart: 5 of 23, 0 of 28, 5 of 33, 10 of 38 away from the same phase.
    EXPECT_EQ(
        shown({controlOf<QLabel>(w, "LabelPercent_Physical"), controlOf<QLabel>(w, "LabelPercent_Emotional"),
               controlOf<QLabel>(w, "LabelPercent_Intellectual"), controlOf<QLabel>(w, "LabelPercent_Intuitional")},
              controlOf<QLabel>(w, "LabelOverall")),
        (QStringList{"22 %", "0 %", "15 %", "26 %", "12 %"}));
    EXPECT_EQ(controlOf<rorovovo::forms::PercentBar>(w, "Bar_Physical")->value(), 22);
    EXPECT_EQ(controlOf<rorovovo::forms::PercentBar>(w, "Bar_Emotional")->value(), 0);
    EXPECT_EQ(controlOf<rorovovo::forms::PercentBar>(w, "Bar_Intuitional")->value(), 26);
    const QImage bar = controlOf<rorovovo::forms::PercentBar>(w, "Bar_Intuitional")->grab().toImage();
    EXPECT_EQ(bar.pixel(bar.width() / 8, bar.height() / 2) & 0xFFFFFF, kBlue);
    EXPECT_EQ(bar.pixel(bar.width() * 3 / 4, bar.height() / 2) & 0xFFFFFF, chart::kWhite);

    const QImage chartImage = controlOf<rorovovo::forms::PictureBox>(w, "ImagePair")->picture();
    // Mara's physical crest (x 57.5) is unbroken; Tobias's (x 197.5) has gaps between its dashes.
    for (int x = 54; x <= 61; ++x) EXPECT_TRUE(redAtTop(chartImage, x)) << x;
    int inked = 0, gaps = 0;
    for (int x = 192; x <= 203; ++x) (redAtTop(chartImage, x) ? inked : gaps)++;
    EXPECT_GT(inked, 3);
    EXPECT_GT(gaps, 0);
    // Mara's emotional crest, in fuchsia over the grid line at x 70.
    EXPECT_EQ(chartImage.pixel(70, 0) & 0xFFFFFF, kFuchsia);

    // Its own scroll bar moves the strip, opening at today like the main window.
    EXPECT_EQ(controlOf<QScrollBar>(w, "ScrollPair")->value(), 600);
    EXPECT_EQ(controlOf<rorovovo::forms::PictureBox>(w, "ImagePair")->x(), -600);
    controlOf<QScrollBar>(w, "ScrollPair")->setValue(0);
    EXPECT_EQ(controlOf<rorovovo::forms::PictureBox>(w, "ImagePair")->x(), 0);
    EXPECT_EQ(control<QScrollBar>("ScrollBar1")->value(), 600);  // the main window's view stays put

    // Drawing someone else in the main window makes them the first person.
    auto* profiles = control<QComboBox>("ComboBox1");
    profiles->setCurrentIndex(1);
    emit profiles->activated(1);
    EXPECT_EQ(controlOf<QLabel>(w, "LabelFirst")->text(), QStringLiteral("First person: Tobias Wren, born 23.10.2026"));
    EXPECT_EQ(controlOf<QLabel>(w, "LabelOverall")->text(), QStringLiteral("100 %"));
}

TEST_F(CompatibilityTest, typedPerson_isCheckedAsTheMainWindowChecksItsDate) {
    startWith(kTwoProfiles);
    auto* w = open();
    QTest::keyClicks(controlOf<QLineEdit>(w, "Edit_name2"), QStringLiteral("Zed"));
    QTest::keyClicks(controlOf<QLineEdit>(w, "Edit_day2"), QStringLiteral("3x1"));  // letters never get in
    QTest::keyClicks(controlOf<QLineEdit>(w, "Edit_month2"), QStringLiteral("04"));
    QTest::keyClicks(controlOf<QLineEdit>(w, "Edit_year2"), QStringLiteral("2026"));
    EXPECT_EQ(controlOf<QLineEdit>(w, "Edit_day2")->text(), QStringLiteral("31"));
    QTest::mouseClick(controlOf<QPushButton>(w, "Button_compare"), Qt::LeftButton);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].kind, platform::DialogKind::Plain);
    EXPECT_EQ(dialogs[0].text.toUtf8().toStdString(), std::string(rhythm::InvalidBirthDateMessage));
    EXPECT_EQ(w->focusWidget(), controlOf<QLineEdit>(w, "Edit_day2"));
    EXPECT_EQ(controlOf<QLabel>(w, "LabelOverall")->text(), QStringLiteral("-"));

    controlOf<QLineEdit>(w, "Edit_day2")->selectAll();
    QTest::keyClicks(controlOf<QLineEdit>(w, "Edit_day2"), QStringLiteral("20"));  // 20.04.2026: 172 days before Mara
    QTest::mouseClick(controlOf<QPushButton>(w, "Button_compare"), Qt::LeftButton);
    EXPECT_EQ(dialogs.size(), 1u);
    // 172 days: 11 of 23, 4 of 28, 7 of 33, 20 of 38.
    EXPECT_EQ(
        shown({controlOf<QLabel>(w, "LabelPercent_Physical"), controlOf<QLabel>(w, "LabelPercent_Emotional"),
               controlOf<QLabel>(w, "LabelPercent_Intellectual"), controlOf<QLabel>(w, "LabelPercent_Intuitional")},
              controlOf<QLabel>(w, "LabelOverall")),
        (QStringList{"4 %", "71 %", "58 %", "5 %", "44 %"}));
}

TEST_F(CompatibilityTest, enter_picksTheSearchMatchAndComparesOnlyWithBothPeopleSet) {
    startWith(kTwoProfiles);
    auto* w = open();
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("LabelOverallNote"))->text(),
              QStringLiteral("mean of Physical, Emotional, Intellectual"));
    // Enter in an empty second person's boxes compares nothing and says nothing.
    controlOf<QLineEdit>(w, "Edit_name2")->setFocus();
    QTest::keyClick(controlOf<QLineEdit>(w, "Edit_name2"), Qt::Key_Return);
    EXPECT_TRUE(dialogs.empty());
    // Down to one match, Enter picks it as a click does.
    controlOf<QLineEdit>(w, "EditFilter")->setFocus();
    QTest::keyClicks(controlOf<QLineEdit>(w, "EditFilter"), QStringLiteral("wren"));
    QTest::keyClick(controlOf<QLineEdit>(w, "EditFilter"), Qt::Key_Return);
    EXPECT_TRUE(dialogs.empty());
    EXPECT_EQ(controlOf<QLineEdit>(w, "Edit_name2")->text(), QStringLiteral("Tobias Wren"));
    EXPECT_EQ(controlOf<QLabel>(w, "LabelOverall")->text(), QStringLiteral("12 %"));
    // The legend writes the names in the window's face, as its labels are.
    EXPECT_EQ(QString::fromStdString(controlOf<rorovovo::forms::PictureBox>(w, "ImageLegend")->canvas().font().face),
              w->font().family());
    // A date made invalid afterwards gets the message, and the figures of the earlier comparison go.
    controlOf<QLineEdit>(w, "Edit_day2")->setText(QStringLiteral("31"));
    controlOf<QLineEdit>(w, "Edit_month2")->setText(QStringLiteral("02"));
    controlOf<QLineEdit>(w, "Edit_day2")->setFocus();
    QTest::keyClick(controlOf<QLineEdit>(w, "Edit_day2"), Qt::Key_Enter);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].text.toUtf8().toStdString(), std::string(rhythm::InvalidBirthDateMessage));
    EXPECT_EQ(
        shown({controlOf<QLabel>(w, "LabelPercent_Physical"), controlOf<QLabel>(w, "LabelPercent_Emotional"),
               controlOf<QLabel>(w, "LabelPercent_Intellectual"), controlOf<QLabel>(w, "LabelPercent_Intuitional")},
              controlOf<QLabel>(w, "LabelOverall")),
        (QStringList{"-", "-", "-", "-", "-"}));
}

TEST_F(CompatibilityTest, saveChartAs_writesTheChosenFormatOrSaysWhyNot) {
    startWith(kTwoProfiles);
    QTemporaryDir dir;
    QString chosen = dir.filePath(QStringLiteral("mara.png"));
    QString suggested;
    platform::setSaveFileHandler([&](const QString& s, const QString&) {
        suggested = s;
        return chosen;
    });
    ASSERT_TRUE(control<QAction>("MenuToolsSave")->isEnabled());
    control<QAction>("MenuToolsSave")->trigger();
    EXPECT_TRUE(suggested.endsWith(QStringLiteral("Mara Quill.png")));
    const QImage png(chosen);
    EXPECT_EQ(png.width(), 2 * 3510);

    chosen = dir.filePath(QStringLiteral("missing/mara.pdf"));
    control<QAction>("MenuToolsSave")->trigger();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].text, QStringLiteral("Unable to write to ") + chosen);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"mara.png"});
    // A name of another kind is refused for what it is.
    chosen = dir.filePath(QStringLiteral("mara.txt"));
    control<QAction>("MenuToolsSave")->trigger();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1].text, QStringLiteral("The file name must end in .png, .svg or .pdf."));
}

TEST_F(CompatibilityTest, printChart_landscapeIntoAPdfFileWithNoPrinter) {
    startWith(kTwoProfiles);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("printed.pdf"));
    QPageLayout::Orientation asked = QPageLayout::Portrait;
    platform::setPrintDialogHandler([&](QPrinter& printer) {
        asked = printer.pageLayout().orientation();
        printer.setOutputFormat(QPrinter::PdfFormat);  // "Print to File (PDF)" in the dialog
        printer.setOutputFileName(path);
        return true;
    });
    control<QAction>("MenuToolsPrint")->trigger();
    EXPECT_EQ(asked, QPageLayout::Landscape);
    EXPECT_TRUE(pdfText(path).contains(QStringLiteral("Mara Quill, born 09.10.2026")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"printed.pdf"});
    EXPECT_TRUE(dialogs.empty());
}

// The chart's print and the planner's.
class PrintIntoAFifo : public CompatibilityTest, public ::testing::WithParamInterface<bool> {};

TEST_P(PrintIntoAFifo, isRefusedBeforeThePrintDialogOpensIt) {
    startWith(kTwoProfiles);
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe.pdf"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Should the dialog open the FIFO after all, this reader keeps it from waiting for ever.
    const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    bool clicked = false, overwriteAsked = false;
    QTimer poll;
    QElapsedTimer waited;
    waited.start();
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        if (waited.elapsed() > 10000) {  // whatever is open by now, the test ends
            dialog->reject();
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {  // the dialog's own check got as far as the file
            overwriteAsked = true;
            box->reject();
            return;
        }
        if (!clicked) {
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
            auto* buttons = dialog->findChild<QDialogButtonBox*>();
            if (!name || !buttons || !name->isEnabled()) return;
            name->setText(fifo);
            clicked = true;
            // Queued, so that a box the click may open runs its loop outside this timer, which then sees it.
            QTimer::singleShot(0, buttons->button(QDialogButtonBox::Ok), &QPushButton::click);
        } else if (!dialogs.empty() || overwriteAsked) {
            dialog->reject();
        }
    });
    poll.start(20);
    if (GetParam()) {
        control<QAction>("MenuToolsPlanner")->trigger();
        auto* planner = form->findChild<forms::TFormPlanner*>();
        ASSERT_NE(planner, nullptr);
        planner->addMembers({{QStringLiteral("Ann"), QStringLiteral("01.02.1980")}});
        controlOf<QPushButton>(planner, "ButtonPrint")->click();
    } else {
        control<QAction>("MenuToolsPrint")->trigger();
    }
    ::close(reader);
    EXPECT_TRUE(clicked) << "the print dialog offered no file to print into";
    EXPECT_FALSE(overwriteAsked);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].text, QStringLiteral("Unable to write to %1 (it is not a regular file)").arg(fifo));
    EXPECT_FALSE(QFileInfo(fifo).isFile()) << "the FIFO is left as it was";
}

INSTANTIATE_TEST_SUITE_P(Prints, PrintIntoAFifo, ::testing::Values(false, true),
                         [](const auto& p) { return p.param ? "planner" : "chart"; });

}  // namespace
