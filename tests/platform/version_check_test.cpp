#include "platform/version_check.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "core/errors.h"
#include "platform/dialogs.h"
#include "platform/guard.h"
#include "tests/platform/local_http_server.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

using namespace rorovovo::platform;
using rorovovo::testsupport::LocalHttpServer;

namespace {

const QString kNewVersion = QStringLiteral(
    "There is a *new* version of this freeware available !\r\rPlease go to our freeware web page and download it,\r"
    "and replace the existing one by the new version.");
const QString kMostRecent = QStringLiteral(
    "You have the most recent version of this freeware..\rBut keep checking, as this is updated regularly!");
const QString kBothFailed = QStringLiteral(
    "Error downloading file \"Vitawave_pad.xml\" for version check.\rPlease check your internet connection and/or "
    "firewall..");

QByteArray padFile(const QByteArray& element) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<XML_DIZ_INFO>\r\n\t<Program_Info>\r\n"
           "\t\t<Program_Name>Rorovovo</Program_Name>\r\n\t\t" +
           element + "\r\n\t</Program_Info>\r\n</XML_DIZ_INFO>\r\n";
}

QByteArray versionElement(const QByteArray& version) { return "<Program_Version>" + version + "</Program_Version>"; }

class VersionCheckFlow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server.listening());
        setDialogHandler([this](const DialogCall& c) {
            shown << c;
            return DialogButton::Ok;
        });
    }
    void TearDown() override { resetDialogHandler(); }

    // Runs the check as the menu does, errors ending up in the error box.
    void run(const QUrl& primary, const QUrl& fallback, const QString& running = QStringLiteral("1.0.3.0"),
             int timeoutMs = 5000) {
        VersionCheck check;
        check.primaryUrl = primary;
        check.fallbackUrl = fallback;
        check.localPath = localPath();
        check.runningVersion = running;
        check.timeoutMs = timeoutMs;
        guarded([&] { checkForNewVersion(check); });
    }
    QString localPath() const { return dir.filePath(QStringLiteral("vitawave.xml")); }
    QUrl fallback(const LocalHttpServer& on) const { return on.url(QStringLiteral("/info/rorovovo/Vitawave_pad.xml")); }

    // The one dialog shown, if exactly one was.
    std::optional<DialogCall> onlyDialog() const {
        if (shown.size() != 1) return std::nullopt;
        return shown.front();
    }

    LocalHttpServer server;
    QTemporaryDir dir;
    QList<DialogCall> shown;
};

}  // namespace

TEST(VersionCandidate, takesTheFirstElementsTextUpToTheNextEndMarker) {
    EXPECT_EQ(versionCandidate("<Program_Version>1.0.4.0</Program_Version>"), "1.0.4.0");
    EXPECT_EQ(versionCandidate("head\r\n<Program_Version>2.0</Program_Version>"), "2.0");
    EXPECT_EQ(versionCandidate("<Program_Version>1</Program_Version><Program_Version>2</Program_Version>"), "1");
    EXPECT_EQ(versionCandidate("<Program_Version> 1.0\r\n</Program_Version>"), " 1.0\r\n");
    EXPECT_EQ(versionCandidate("<Program_Version></Program_Version>"), "");
}

TEST(VersionCandidate, endMarkerIsSoughtOnlyWithinTwentyCharacters) {
    EXPECT_EQ(versionCandidate("<Program_Version>123456789012345678</Program_Version>"), "123456789012345678");
    EXPECT_EQ(versionCandidate("<Program_Version>1234567890123456789</Program_Version>"), "");
    EXPECT_EQ(versionCandidate("<Program_Version>1.0.4.0"), "");
    EXPECT_EQ(versionCandidate("<Program_Version>"), "");
}

TEST(VersionCandidate, withoutTheTagTheCutStartsAtTheSeventeenthCharacter) {
    EXPECT_EQ(versionCandidate("<Release_Info>\r\n <Version>1.0.4</Version>"), " <Version>1.0.4");
    // The tag is matched case-sensitively; here character 17 is the lower-case tag's ">".
    EXPECT_EQ(versionCandidate("<program_version>1.0</program_version>"), ">1.0");
    EXPECT_EQ(versionCandidate("short"), "");
    EXPECT_EQ(versionCandidate(""), "");
}

TEST(VersionFileText, everyLineEndsInCarriageReturnLineFeed) {
    EXPECT_EQ(versionFileText("a\nb"), "a\r\nb\r\n");
    EXPECT_EQ(versionFileText("a\r\nb\r\n"), "a\r\nb\r\n");
    EXPECT_EQ(versionFileText("a\rb\n\nc"), "a\r\nb\r\n\r\nc\r\n");
    EXPECT_EQ(versionFileText("\n"), "\r\n");
    EXPECT_EQ(versionFileText(""), "");
    EXPECT_EQ(versionFileText("caf\xe9"), QString::fromLatin1("caf\xe9\r\n"));  // one character per byte
}

TEST_F(VersionCheckFlow, remoteVersionsAreComparedAsTheirJoinedDigits) {
    const struct {
        const char* remote;
        const QString& expected;
    } cases[] = {{"1.0.4.0", kNewVersion}, {"1.0.3.0", kMostRecent},  {"1.0.2.9", kMostRecent},
                 {"1.1", kMostRecent},     {" 1.0.4.0", kNewVersion}, {"2.0.0.0", kNewVersion}};
    for (const auto& c : cases) {
        shown.clear();
        server.serve("/software/soft/vitawave.xml", padFile(versionElement(c.remote)));
        run(server.url("/software/soft/vitawave.xml"), fallback(server));
        const auto dialog = onlyDialog();
        ASSERT_TRUE(dialog) << c.remote << ": " << shown.size() << " dialogs";
        EXPECT_EQ(dialog->kind, DialogKind::Information) << c.remote;
        EXPECT_EQ(dialog->text, c.expected) << c.remote;
        EXPECT_EQ(dialog->buttons, QList<DialogButton>({DialogButton::Ok}));
        EXPECT_FALSE(QFile::exists(localPath())) << c.remote;
    }
    // The fallback was never needed.
    EXPECT_FALSE(server.requests().contains("/info/rorovovo/Vitawave_pad.xml"));
}

TEST_F(VersionCheckFlow, unusableVersionsEndInTheConversionError) {
    const struct {
        QByteArray file;
        const char* message;
    } cases[] = {
        {padFile(versionElement("1.0.4.0 ")), "'1040 ' is not a valid integer value."},
        {padFile(versionElement("2023.10.15.1234")), "'202310151234' is not a valid integer value."},
        {padFile(versionElement("1.0.4.0\n")), "'1040\r\n' is not a valid integer value."},
        {padFile(versionElement("1.0.4.0-beta.2.12345")), "'' is not a valid integer value."},
        {"<Release_Info>\n <Version>1.0.4</Version>\n</Release_Info>\n",
         "' <Version>104' is not a valid integer value."},
        {QByteArray(), "'' is not a valid integer value."},
    };
    for (const auto& c : cases) {
        shown.clear();
        server.serve("/v.xml", c.file);
        run(server.url("/v.xml"), fallback(server));
        const auto dialog = onlyDialog();
        ASSERT_TRUE(dialog) << c.message;
        EXPECT_EQ(dialog->kind, DialogKind::Error);
        EXPECT_EQ(dialog->text, QString::fromLatin1(c.message));
        EXPECT_FALSE(QFile::exists(localPath())) << c.message;
    }
}

TEST_F(VersionCheckFlow, runningVersionIsConvertedAfterTheRemoteOne) {
    server.serve("/v.xml", padFile(versionElement("1.0.4.0")));
    run(server.url("/v.xml"), fallback(server), QString());
    ASSERT_TRUE(onlyDialog());
    EXPECT_EQ(onlyDialog()->text, "'' is not a valid integer value.");

    shown.clear();
    server.serve("/v.xml", padFile(versionElement("v1.0")));
    run(server.url("/v.xml"), fallback(server), QString());
    ASSERT_TRUE(onlyDialog());
    EXPECT_EQ(onlyDialog()->text, "'v10' is not a valid integer value.");

    // Hexadecimal after "x" is a number too, as in every box the program reads.
    shown.clear();
    server.serve("/v.xml", padFile(versionElement("x1.0")));
    run(server.url("/v.xml"), fallback(server), QStringLiteral("0.0.1.5"));
    ASSERT_TRUE(onlyDialog());
    EXPECT_EQ(onlyDialog()->text, kNewVersion);  // 0x10 = 16 > 15
}

TEST_F(VersionCheckFlow, fallbackIsUsedWhenThePrimaryFails) {
    server.serve("/info/rorovovo/Vitawave_pad.xml", padFile(versionElement("1.0.4.0")));
    LocalHttpServer silent;
    silent.route("/v.xml", {200, {}, {}, true});
    for (const QUrl& primary :
         {LocalHttpServer::refusedUrl("/v.xml"), server.url("/missing.xml"), silent.url("/v.xml")}) {
        shown.clear();
        run(primary, fallback(server), QStringLiteral("1.0.3.0"), 300);
        ASSERT_TRUE(onlyDialog()) << primary.toString().toStdString();
        EXPECT_EQ(onlyDialog()->text, kNewVersion);
        EXPECT_FALSE(QFile::exists(localPath()));
    }
    EXPECT_EQ(silent.requests(), QStringList({"/v.xml"}));
}

TEST_F(VersionCheckFlow, bothFailingWarnsNamingTheFallbackFileAndWritesNothing) {
    LocalHttpServer silent;
    silent.route("/v.xml", {200, {}, {}, true});
    silent.route("/info/rorovovo/Vitawave_pad.xml", {200, {}, {}, true});
    const QList<QPair<QUrl, QUrl>> failing = {
        {LocalHttpServer::refusedUrl("/v.xml"), LocalHttpServer::refusedUrl("/info/rorovovo/Vitawave_pad.xml")},
        {server.url("/v.xml"), fallback(server)},  // 404 on both
        {silent.url("/v.xml"), fallback(silent)},  // no answer on either
    };
    for (const auto& [primary, second] : failing) {
        shown.clear();
        run(primary, second, QStringLiteral("1.0.3.0"), 300);
        ASSERT_TRUE(onlyDialog()) << primary.toString().toStdString();
        EXPECT_EQ(onlyDialog()->kind, DialogKind::Warning);
        EXPECT_EQ(onlyDialog()->text, kBothFailed);
        EXPECT_FALSE(QFile::exists(localPath()));
    }
    EXPECT_EQ(silent.requests(), QStringList({"/v.xml", "/info/rorovovo/Vitawave_pad.xml"}));
}

TEST_F(VersionCheckFlow, busyCursorCoversTheDownloadsOnly) {
    VersionCheck check;
    check.localPath = localPath();
    check.runningVersion = QStringLiteral("1.0.3.0");
    QList<int> cursors;
    int calls = 0;
    check.download = [&](const QUrl&, const QString& path, int, qint64) {
        const QCursor* c = QApplication::overrideCursor();
        cursors << (c ? int(c->shape()) : -1);
        if (++calls == 1) return false;  // the primary fails, the fallback delivers
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(versionElement("bad"));
        return true;
    };
    EXPECT_THROW(checkForNewVersion(check), rorovovo::ConvertError);
    EXPECT_EQ(cursors, QList<int>({int(Qt::WaitCursor), int(Qt::WaitCursor)}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(shown.isEmpty());

    check.download = [&](const QUrl&, const QString&, int, qint64) -> bool { throw std::runtime_error("boom"); };
    EXPECT_THROW(checkForNewVersion(check), std::runtime_error);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(VersionCheckFlow, oversizedLocalCopyIsNotReadAndIsDeleted) {
    VersionCheck check;
    check.localPath = localPath();
    check.runningVersion = QStringLiteral("1.0.3.0");
    check.maxBytes = 1000;
    check.download = [&](const QUrl&, const QString& path, int, qint64) {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(versionElement("9.9.9.9") + QByteArray(1000, ' '));
        return true;
    };
    guarded([&] { checkForNewVersion(check); });
    ASSERT_TRUE(onlyDialog());
    EXPECT_EQ(onlyDialog()->kind, DialogKind::Error);
    EXPECT_EQ(onlyDialog()->text,
              "The version file \"vitawave.xml\" is larger than 1000 bytes and holds no usable version.");
    EXPECT_FALSE(QFile::exists(localPath()));
}

TEST_F(VersionCheckFlow, oversizedDownloadCountsAsAFailedDownload) {
    server.serve("/v.xml", padFile(versionElement("9.9.9.9")) + QByteArray(kMaxVersionFileBytes, ' '));
    server.serve("/info/rorovovo/Vitawave_pad.xml", padFile(versionElement("1.0.3.0")));
    run(server.url("/v.xml"), fallback(server));
    ASSERT_TRUE(onlyDialog());
    EXPECT_EQ(onlyDialog()->text, kMostRecent);
}
