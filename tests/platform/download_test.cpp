#include "platform/download.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/platform/local_http_server.h"

using rorovovo::platform::urlDownloadToFile;
using rorovovo::testsupport::LocalHttpServer;

namespace {

constexpr int kTimeoutMs = 5000;

QByteArray contentsOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class Download : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server.listening());
        target = dir.filePath(QStringLiteral("vitawave.xml"));
    }
    void writeOld() {
        QFile f(target);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old copy");
    }

    LocalHttpServer server;
    QTemporaryDir dir;
    QString target;
};

}  // namespace

TEST_F(Download, completeAnswerIsWrittenWhole) {
    const QByteArray body = QByteArray("<Program_Version>1.0.4.0</Program_Version>\r\n").repeated(500);
    server.serve("/v.xml", body);
    writeOld();
    EXPECT_TRUE(urlDownloadToFile(server.url("/v.xml"), target, kTimeoutMs, 1 << 20));
    EXPECT_EQ(contentsOf(target), body);
    EXPECT_EQ(server.requests(), QStringList({"/v.xml"}));
}

TEST_F(Download, redirectsAreFollowed) {
    server.route("/old.xml", {302, {}, server.url("/new.xml").toEncoded(), false});
    server.serve("/new.xml", "moved here");
    EXPECT_TRUE(urlDownloadToFile(server.url("/old.xml"), target, kTimeoutMs, 1000));
    EXPECT_EQ(contentsOf(target), "moved here");
}

TEST_F(Download, failuresLeaveTheLocalFileAsItWas) {
    server.route("/gone.xml", {404, "no such file", {}, false});
    server.route("/broken.xml", {500, "oops", {}, false});
    server.route("/silent.xml", {200, {}, {}, true});
    writeOld();
    EXPECT_FALSE(urlDownloadToFile(server.url("/gone.xml"), target, kTimeoutMs, 1000));
    EXPECT_FALSE(urlDownloadToFile(server.url("/broken.xml"), target, kTimeoutMs, 1000));
    EXPECT_FALSE(urlDownloadToFile(server.url("/silent.xml"), target, 300, 1000));
    EXPECT_FALSE(urlDownloadToFile(LocalHttpServer::refusedUrl("/x.xml"), target, kTimeoutMs, 1000));
    EXPECT_FALSE(urlDownloadToFile(QUrl(), target, kTimeoutMs, 1000));
    EXPECT_EQ(contentsOf(target), "old copy");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"vitawave.xml"}));  // no leftovers
}

TEST_F(Download, bodyOverTheLimitIsRefusedAndNothingIsWritten) {
    server.serve("/big.xml", QByteArray(5000, 'x'));
    server.serve("/exact.xml", QByteArray(4096, 'y'));
    EXPECT_FALSE(urlDownloadToFile(server.url("/big.xml"), target, kTimeoutMs, 4096));
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_TRUE(urlDownloadToFile(server.url("/exact.xml"), target, kTimeoutMs, 4096));
    EXPECT_EQ(contentsOf(target).size(), 4096);
}

TEST_F(Download, unwritableTargetFails) {
    server.serve("/v.xml", "data");
    EXPECT_FALSE(urlDownloadToFile(server.url("/v.xml"), dir.filePath("no/such/folder/v.xml"), kTimeoutMs, 1000));
}
