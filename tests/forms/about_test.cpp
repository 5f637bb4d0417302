// The About box and the main window's help menu: what the user sees, what opens and what closes.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "core/errors.h"
#include "forms/widgets.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "platform/web_links.h"
#include "tests/forms/main_window_fixture.h"
#include "tests/platform/local_http_server.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

using namespace rorovovo;
using namespace rorovovo::forms;
using platform::ShellCall;

namespace {

QStringList& shellCalls() {
    static QStringList calls;
    return calls;
}

void recordShellCalls() {
    shellCalls().clear();
    platform::setShellHandler([](const ShellCall& c) {
        shellCalls() << (c.kind == ShellCall::Open ? QStringLiteral("open ") : QStringLiteral("help ")) + c.target;
    });
}

class AboutBox : public ::testing::Test {
  protected:
    void SetUp() override { recordShellCalls(); }
    void TearDown() override { platform::resetShellHandler(); }

    QWidget* control(const char* name) const {
        auto* w = box.findChild<QWidget*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char* name) const { return qobject_cast<QLabel*>(control(name))->text(); }

    TFormAbout box;
};

}  // namespace

TEST_F(AboutBox, isAFixedToolWindowWithEveryControlInPlace) {
    EXPECT_TRUE(box.windowFlags() & Qt::Tool);
    EXPECT_EQ(box.size(), QSize(294, 166));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    EXPECT_EQ(box.pos(), QPoint(164, 169));
    EXPECT_EQ(box.font().pixelSize(), rorovovo::forms::designFont(12).pixelSize());
    EXPECT_EQ(box.palette().color(QPalette::Window), box.palette().color(QPalette::Button));

    const struct {
        const char* name;
        QRect geometry;
    } placed[] = {{"Image1", {8, -4, 73, 57}},   {"Label10", {180, 23, 99, 13}}, {"Label6", {10, 56, 228, 41}},
                  {"Image2", {248, 56, 41, 41}}, {"Bevel1", {8, 104, 280, 2}},   {"Label4", {9, 112, 278, 26}},
                  {"Label5", {8, 144, 281, 13}}};
    // The two links follow the words before them wherever the face puts those (text_fit_test).

    for (const auto& p : placed) EXPECT_EQ(control(p.name)->geometry(), p.geometry) << p.name;
    EXPECT_EQ(control("Label3")->pos(), QPoint(128, 11));
    EXPECT_EQ(control("Label9")->pos(), QPoint(212, 10));
    EXPECT_EQ(control("Label2")->pos(), QPoint(224, 12));
    EXPECT_FALSE(text("Label3").isEmpty());
    EXPECT_FALSE(text("Label2").isEmpty());
}

TEST_F(AboutBox, textsAndLinksReadAsDesigned) {
    EXPECT_EQ(text("Label6"),
              "Find your own personal Zavirir, all 4 curves. Add as many people as you want and check how everyone is "
              "doing for the day!");
    EXPECT_EQ(text("Label4"),
              "If you like this program, do email me with feedback, ideas, suggestions or questions to");
    EXPECT_EQ(text("Label5"), "You can also help the development, by _______ a few $$");
    EXPECT_EQ(text("Label8"), "donating ");
    EXPECT_EQ(text("Label10"), platform::siteAddressText());
    EXPECT_EQ(text("Label7"), platform::feedbackAddressText());
    for (const char* link : {"Label10", "Label7", "Label8"}) {
        QWidget* w = control(link);
        EXPECT_TRUE(w->font().underline()) << link;
        EXPECT_EQ(w->font().pixelSize(), rorovovo::forms::designFont(11).pixelSize()) << link;
        EXPECT_EQ(w->palette().color(QPalette::WindowText), QColor(0, 0, 255)) << link;
        EXPECT_EQ(w->cursor().shape(), Qt::PointingHandCursor) << link;
    }
    // The link word hides the blank of the sentence it sits on.
    EXPECT_TRUE(control("Label8")->autoFillBackground());
    EXPECT_TRUE(control("Label8")->geometry().intersects(control("Label5")->geometry()));
}

TEST_F(AboutBox, captionCarriesTheTitleAndTheExecutablesVersion) {
    // This test program carries the file version 1.0.3.0, as the program does.
    EXPECT_EQ(box.windowTitle(), QStringLiteral("forms_about_test   (v1.0.3.0)"));
    EXPECT_EQ(TFormAbout::captionFor(QStringLiteral("Rorovovo"), QStringLiteral(ROROVOVO_FV_HELPER)),
              QStringLiteral("Rorovovo   (v2.10.0.7)"));
    EXPECT_EQ(TFormAbout::captionFor(QStringLiteral("Rorovovo"), QStringLiteral(ROROVOVO_SOURCE_DIR "/CMakeLists.txt")),
              QStringLiteral("Rorovovo   (v)"));
    EXPECT_FALSE(qobject_cast<QLabel*>(control("Image2"))->pixmap().isNull());
}

TEST_F(AboutBox, linksOpenTheirTargetsAndKeepTheBoxOpen) {
    box.show();
    for (const char* link : {"Label10", "Label7", "Label8"}) QTest::mouseClick(control(link), Qt::LeftButton);
    EXPECT_TRUE(box.isVisible());
    EXPECT_EQ(shellCalls(), QStringList({"open " + platform::freewareUrl(), "open " + platform::feedbackMailUrl(),
                                         "open " + platform::donationUrl()}));
}

TEST_F(AboutBox, aLinkThatFailsToOpenShowsTheErrorBoxAndKeepsTheBoxOpen) {
    platform::setShellHandler([](const ShellCall&) { throw rorovovo::AppError("No web browser"); });
    QStringList errors;
    platform::setDialogHandler([&](const platform::DialogCall& call) {
        errors << call.text;
        return platform::DialogButton::Ok;
    });
    box.show();
    QTest::mouseClick(control("Label10"), Qt::LeftButton);
    platform::resetDialogHandler();
    EXPECT_TRUE(box.isVisible());
    EXPECT_EQ(errors, QStringList{"No web browser."});
}

TEST_F(AboutBox, aClickOnTheBoxTextOrPicturesClosesIt) {
    for (const char* name : {"Image1", "Label3", "Label9", "Label2", "Label6", "Image2", "Label4", "Label5", ""}) {
        box.show();
        ASSERT_TRUE(box.isVisible());
        if (*name)
            QTest::mouseClick(control(name), Qt::LeftButton, {}, QPoint(2, 2));
        else
            QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(100, 45));  // the bare background
        EXPECT_FALSE(box.isVisible()) << name;
        EXPECT_EQ(box.result(), QDialog::Accepted) << name;
    }
    EXPECT_TRUE(shellCalls().isEmpty());
}

namespace {

class HelpMenu : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        recordShellCalls();
        removeHelpFiles();
        start();
        dialogs.clear();
    }
    void TearDown() override {
        removeHelpFiles();
        QFile::remove(localCopy());
        platform::resetShellHandler();
        platform::resetVersionUrls();
        MainWindowTest::TearDown();
    }
    QString folder() const { return platform::executableFolder(); }
    QString localCopy() const { return folder() + QStringLiteral("vitawave.xml"); }
    void removeHelpFiles() {
        QFile::remove(folder() + QStringLiteral("Rorovovo.chm"));
        QFile::remove(folder() + QStringLiteral("Cyclomat.txt"));
    }
    void touch(const QString& name) {
        QFile f(folder() + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QStringList dialogTexts() const {
        QStringList texts;
        for (const auto& d : dialogs) texts << d.text;
        return texts;
    }
};

}  // namespace

TEST_F(HelpMenu, menuItemKeyAndButtonOpenTheSameHelp) {
    touch(QStringLiteral("Rorovovo.chm"));
    control<QAction>("MenuHelpHelp")->trigger();
    control<QToolButton>("ButtonHelp")->click();
    QTest::keyClick(form, Qt::Key_F1);
    const QString help = "help " + folder() + "Rorovovo.chm";
    EXPECT_EQ(shellCalls(), QStringList({help, help, help}));
    EXPECT_TRUE(dialogs.empty());
}

TEST_F(HelpMenu, missingHelpFileFallsBackToTheTextGuideAfterTheMessage) {
    touch(QStringLiteral("Cyclomat.txt"));
    control<QAction>("MenuHelpHelp")->trigger();
    EXPECT_EQ(dialogTexts(), QStringList({"Help file not found"}));
    EXPECT_EQ(dialogs.at(0).kind, platform::DialogKind::Plain);
    EXPECT_EQ(shellCalls(), QStringList({"open " + folder() + "Cyclomat.txt"}));

    removeHelpFiles();
    shellCalls().clear();
    control<QToolButton>("ButtonHelp")->click();
    EXPECT_EQ(dialogTexts(), QStringList({"Help file not found", "Help file not found"}));
    EXPECT_TRUE(shellCalls().isEmpty());
}

TEST_F(HelpMenu, newsAndDonationsOpenTheirPages) {
    control<QAction>("MenuHelpNews")->trigger();
    control<QAction>("MenuHelpDonations")->trigger();
    EXPECT_EQ(shellCalls(), QStringList({"open " + platform::newsUrl(), "open " + platform::donationUrl()}));
}

TEST_F(HelpMenu, aboutOpensTheBoxModallyUntilItIsClicked) {
    bool wasModal = false, stayedAfterLink = false;
    QTimer::singleShot(0, [&] {
        wasModal = FormAbout->isVisible() && FormAbout->isModal();
        QTest::mouseClick(controlOf<QLabel>(FormAbout, "Label7"), Qt::LeftButton);
        stayedAfterLink = FormAbout->isVisible();
        QTest::mouseClick(controlOf<QLabel>(FormAbout, "Label6"), Qt::LeftButton);
    });
    control<QAction>("MenuHelpAbout")->trigger();  // returns when the box closes
    EXPECT_TRUE(wasModal);
    EXPECT_TRUE(stayedAfterLink);
    EXPECT_FALSE(FormAbout->isVisible());
    EXPECT_EQ(shellCalls(), QStringList({"open " + platform::feedbackMailUrl()}));
}

TEST_F(HelpMenu, versionCheckComparesWithTheRunningProgramsVersion) {
    testsupport::LocalHttpServer server;
    ASSERT_TRUE(server.listening());
    const auto element = [](const QByteArray& v) { return "<Program_Version>" + v + "</Program_Version>\r\n"; };
    platform::setVersionUrls(server.url("/soft/vitawave.xml"), server.url("/info/rorovovo/Vitawave_pad.xml"));

    server.serve("/soft/vitawave.xml", element("1.0.4.0"));
    control<QAction>("MenuHelpNewVersions")->trigger();
    server.serve("/soft/vitawave.xml", element("1.0.3.0"));
    control<QAction>("MenuHelpNewVersions")->trigger();
    server.serve("/soft/vitawave.xml", element("1.0.3.0 "));
    control<QAction>("MenuHelpNewVersions")->trigger();
    EXPECT_FALSE(QFile::exists(localCopy()));

    ASSERT_EQ(dialogs.size(), 3u);
    EXPECT_TRUE(dialogs[0].text.startsWith("There is a *new* version")) << dialogs[0].text.toStdString();
    EXPECT_TRUE(dialogs[1].text.startsWith("You have the most recent version")) << dialogs[1].text.toStdString();
    EXPECT_EQ(dialogs[2].kind, platform::DialogKind::Error);
    EXPECT_EQ(dialogs[2].text, "'1030 ' is not a valid integer value.");

    dialogs.clear();
    platform::setVersionUrls(testsupport::LocalHttpServer::refusedUrl("/soft/vitawave.xml"),
                             testsupport::LocalHttpServer::refusedUrl("/info/rorovovo/Vitawave_pad.xml"));
    control<QAction>("MenuHelpNewVersions")->trigger();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].kind, platform::DialogKind::Warning);
    EXPECT_TRUE(dialogs[0].text.contains("\"Vitawave_pad.xml\"")) << dialogs[0].text.toStdString();
    EXPECT_FALSE(QFile::exists(localCopy()));
}
