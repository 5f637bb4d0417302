#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QUrlQuery>

#include "platform/dialogs.h"
#include "platform/help.h"
#include "platform/paths.h"
#include "platform/shell.h"
#include "platform/web_links.h"

using namespace rorovovo::platform;

namespace {

// One record of everything that left the program, in order: dialogs and opened targets.
class Recorder : public ::testing::Test {
  protected:
    void SetUp() override {
        setShellHandler([this](const ShellCall& c) {
            events << QStringLiteral("%1 %2").arg(c.kind == ShellCall::Open ? "open" : "help", c.target);
        });
        setDialogHandler([this](const DialogCall& c) {
            events << QStringLiteral("dialog %1 %2").arg(c.kind == DialogKind::Plain ? "plain" : "other", c.text);
            return DialogButton::Ok;
        });
        folder = dir.path() + QLatin1Char('/');
    }
    void TearDown() override {
        resetShellHandler();
        resetDialogHandler();
    }
    // Help as the program opens it from a portable folder.
    void showHelpHere() {
        const ProgramFiles files = programFilesFor(folder, QProcessEnvironment());
        showHelp(files.helpFile, files.guideFile);
    }
    void touch(const QString& name) {
        QFile f(folder + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }

    QTemporaryDir dir;
    QString folder;
    QStringList events;
};

bool underReservedDomain(const QString& host) {
    for (const char* domain : {"example.com", "example.net", "example.org"})
        if (host == QLatin1String(domain) || host.endsWith(QLatin1Char('.') + QLatin1String(domain))) return true;
    return false;
}

}  // namespace

using ShellAndHelp = Recorder;

TEST_F(ShellAndHelp, shellCallsReachTheHandlerAsGiven) {
    shellOpen(QStringLiteral("/tmp/a b.txt"));
    shellOpen(feedbackMailUrl());
    htmlHelp(QStringLiteral("/opt/x/Rorovovo.chm"));
    EXPECT_EQ(events, QStringList({"open /tmp/a b.txt", "open " + feedbackMailUrl(), "help /opt/x/Rorovovo.chm"}));
}

TEST_F(ShellAndHelp, helpFilePresentOpensItWithoutAnyMessage) {
    touch(QStringLiteral("Rorovovo.chm"));
    touch(QStringLiteral("Cyclomat.txt"));
    showHelpHere();
    EXPECT_EQ(events, QStringList({"help " + folder + "Rorovovo.chm"}));
}

TEST_F(ShellAndHelp, helpFileMissingSaysSoThenOpensTheTextGuide) {
    touch(QStringLiteral("Cyclomat.txt"));
    showHelpHere();
    EXPECT_EQ(events, QStringList({"dialog plain Help file not found", "open " + folder + "Cyclomat.txt"}));
}

TEST_F(ShellAndHelp, noViewerForCompiledHelp_opensTheTextGuideInstead) {
    touch(QStringLiteral("Rorovovo.chm"));
    touch(QStringLiteral("Cyclomat.txt"));
    setCompiledHelpCheck([] { return false; });
    showHelpHere();
    EXPECT_EQ(events, QStringList({"open " + folder + "Cyclomat.txt"}));
    QFile::remove(folder + QStringLiteral("Cyclomat.txt"));
    events.clear();
    showHelpHere();  // nothing the desktop can show: say so
    EXPECT_EQ(events, QStringList({"dialog plain Help file not found"}));
    setCompiledHelpCheck(nullptr);
    EXPECT_TRUE(canShowCompiledHelp());  // the recording desktop has every program
}

TEST_F(ShellAndHelp, neitherFilePresentOnlyShowsTheMessage) {
    showHelpHere();
    EXPECT_EQ(events, QStringList({"dialog plain Help file not found"}));
}

TEST_F(ShellAndHelp, foldersNamedLikeTheHelpFilesAreNotOpened) {
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("Rorovovo.chm")));
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("Cyclomat.txt")));
    showHelpHere();
    EXPECT_EQ(events, QStringList({"dialog plain Help file not found"}));
}

TEST(WebLinks, pagesHaveTheirPathsAndQueriesOnOurOwnHosts) {
    const QUrl news(newsUrl()), donation(donationUrl()), freeware(freewareUrl());
    EXPECT_EQ(news.scheme(), "http");
    EXPECT_EQ(news.path(), "/");
    EXPECT_EQ(news.query(), "do=freeware");
    EXPECT_EQ(donation.toString(), "http://" + siteAddressText() + "/software/donation.htm");
    EXPECT_EQ(freeware.toString(), "http://" + siteAddressText() + "/software/freeware.shtml");
    for (const QUrl& url : {news, donation, freeware})
        EXPECT_TRUE(underReservedDomain(url.host())) << url.host().toStdString();
}

TEST(WebLinks, feedbackMailNamesTheAddressAndASiblingProductInItsSubject) {
    const QString mail = feedbackMailUrl();
    ASSERT_TRUE(mail.startsWith("mailto:" + feedbackAddressText() + "?subject=")) << mail.toStdString();
    EXPECT_TRUE(underReservedDomain(feedbackAddressText().section(QLatin1Char('@'), 1)));
    const QString subject = mail.section(QStringLiteral("?subject="), 1);
    EXPECT_TRUE(subject.startsWith(QStringLiteral("from '"))) << subject.toStdString();
    EXPECT_TRUE(subject.endsWith(QStringLiteral("' freeware..."))) << subject.toStdString();
    EXPECT_GT(subject.size(), QStringLiteral("from '' freeware...").size());
}

TEST(WebLinks, versionFileAddressesCanBeRedirectedForTestsAndRestored) {
    EXPECT_EQ(primaryVersionUrl().toString(), "http://" + siteAddressText() + "/software/soft/vitawave.xml");
    const QUrl fallback = fallbackVersionUrl();
    EXPECT_EQ(fallback.scheme(), "https");
    EXPECT_TRUE(underReservedDomain(fallback.host()));
    EXPECT_TRUE(fallback.path().startsWith(QStringLiteral("/info/")));
    EXPECT_TRUE(fallback.path().endsWith(QStringLiteral("/Vitawave_pad.xml")));
    EXPECT_GT(fallback.path().size(), QStringLiteral("/info//Vitawave_pad.xml").size());

    setVersionUrls(QUrl("http://127.0.0.1:1/a"), QUrl("http://127.0.0.1:1/b"));
    EXPECT_EQ(primaryVersionUrl(), QUrl("http://127.0.0.1:1/a"));
    EXPECT_EQ(fallbackVersionUrl(), QUrl("http://127.0.0.1:1/b"));
    resetVersionUrls();
    EXPECT_EQ(fallbackVersionUrl(), fallback);
}
