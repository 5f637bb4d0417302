// `Rorovovo --remind` as the timer runs it, against a stand-in notification service on a private session bus: what
// it shows, that a second check on the same day shows nothing again, the calendar it keeps (read back by Debian's
// python3-icalendar), and the faults it reports.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include "critical_brute_force.h"
#include "program_folder.h"

namespace {

struct Outcome {
    int status = -1;
    QString out, err;
};

class RemindCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        if (QProcess::execute("/usr/bin/python3", {"-c", "import dbus, gi, icalendar"}) != 0 ||
            QStandardPaths::findExecutable("dbus-daemon").isEmpty())
            GTEST_SKIP() << "dbus-daemon, python3-dbus, python3-gi or python3-icalendar is missing";
        ASSERT_TRUE(copyProgramFolder(ROROVOVO_PROGRAM_DIR, folder_.path()));
        // Tomorrow Ann has lived 23 * 28 days (Physical and Emotional), Tom 23 * 28 * 33 (all three counted ones).
        const QDate tomorrow = today_.addDays(1);
        QFile ini(file("Cyclomat.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(QStringLiteral("[Reminders]\nEnabled=1\nLead=1\nKinds=double,triple\nTime=00:00\nCalendar=1\n"
                                 "People=2\nPerson0=%1|%2\nPerson1=%3|%4\n")
                      .arg(kPeople[0], tomorrow.addDays(-644).toString("dd.MM.yyyy"), kPeople[1],
                           tomorrow.addDays(-21252).toString("dd.MM.yyyy"))
                      .toUtf8());
        env_.remove("DISPLAY");
        env_.remove("WAYLAND_DISPLAY");
    }
    void TearDown() override {
        if (QDate::currentDate() != today_) GTEST_SKIP() << "the day changed during the test";
    }

    QString file(const char* name) const { return QDir(folder_.path()).filePath(QLatin1String(name)); }
    QByteArray bytes(const char* name) const {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    Outcome remind(const QProcessEnvironment& env, const QStringList& extra = {}) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(file("Rorovovo"), QStringList{"--remind"} + extra);
        Outcome r;
        if (!p.waitForFinished(20000)) return r;
        r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

    // The Notify calls the stand-in recorded, one object each.
    QList<QJsonObject> notified() const {
        QList<QJsonObject> calls;
        for (const QByteArray& line : bytes("notify.log").split('\n'))
            if (!line.isEmpty()) calls << QJsonDocument::fromJson(line).object();
        return calls;
    }

    // The calendar file's events as read_calendar.py gives them.
    QList<QJsonObject> calendarEvents() const {
        QProcess p;
        p.start("/usr/bin/python3",
                {ROROVOVO_SOURCE_DIR "/tests/app/read_calendar.py", file("Rorovovo-critical-days.ics")});
        p.waitForFinished(20000);
        QList<QJsonObject> events;
        for (const QByteArray& line : p.readAllStandardOutput().split('\n').mid(1))
            if (!line.isEmpty()) events << QJsonDocument::fromJson(line).object();
        return events;
    }

    const QString kPeople[2] = {"Ann Smith", "Tom & Jerry"};
    const QDate today_ = QDate::currentDate();
    QTemporaryDir folder_;
    QProcessEnvironment env_ = QProcessEnvironment::systemEnvironment();
};

TEST_F(RemindCommand, twoChecksOnOneDay_showEachReminderOnce_andRewriteTheSameCalendar) {
    PrivateBus bus;
    ASSERT_TRUE(bus.start(env_, file("notify.log")));
    const Outcome first = remind(env_);
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    const QString tomorrow = QLocale::c().toString(today_.addDays(1), "dddd dd.MM.yyyy");
    const QStringList expected[] = {
        {"Tomorrow: double critical day", kPeople[0] + ", " + tomorrow + ": Physical, Emotional"},
        {"Tomorrow: triple critical day", kPeople[1] + ", " + tomorrow + ": Physical, Emotional, Intellectual"}};
    const auto calls = notified();
    ASSERT_EQ(calls.size(), 2) << bytes("notify.log").toStdString();
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(calls[i]["summary"].toString(), expected[i][0]);
        EXPECT_EQ(calls[i]["body"].toString(), expected[i][1]);
        EXPECT_EQ(calls[i]["app"].toString(), "Rorovovo");
        EXPECT_EQ(calls[i]["icon"].toString(), ROROVOVO_APP_ID);
        EXPECT_EQ(calls[i]["hints"]["desktop-entry"].toString(), ROROVOVO_APP_ID);
    }
    const QList<QJsonObject> events = calendarEvents();

    const Outcome second = remind(env_);
    EXPECT_EQ(second.status, 0) << second.err.toStdString();
    EXPECT_EQ(notified().size(), 2);

    // The calendar: each person's double and triple days of the coming year, an alarm the day before at midnight,
    // and the same UIDs when it is written again.
    QStringList uids;
    int n = 0;
    for (int person = 0; person < 2; ++person) {
        const QDate birth = today_.addDays(person == 0 ? 1 - 644 : 1 - 21252);
        for (const BruteCriticalDay& day : bruteForceCriticalDays(birth, today_, 365)) {
            if (day.kind == "single") continue;
            ASSERT_LT(n, events.size());
            const QJsonObject& e = events[n++];
            EXPECT_EQ(e["date"].toString(), day.date.toString(Qt::ISODate));
            EXPECT_TRUE(e["summary"].toString().endsWith("(" + kPeople[person] + ")"))
                << e["summary"].toString().toStdString();
            EXPECT_EQ(e["alarms"].toArray(),
                      QJsonArray({QJsonObject{{"action", "DISPLAY"}, {"trigger", "-1 day, 0:00:00"}}}));
            uids << e["uid"].toString();
        }
    }
    EXPECT_EQ(n, events.size());
    QStringList again;
    for (const QJsonObject& e : calendarEvents()) again << e["uid"].toString();
    EXPECT_EQ(again, uids);
}

TEST_F(RemindCommand, faults_sayWhatInOneLineWithTheirStatus_andLoseNoReminder) {
    PrivateBus bare, serviced;
    QProcessEnvironment noService = env_, noBus = env_;
    ASSERT_TRUE(bare.start(noService));
    ASSERT_TRUE(serviced.start(env_, file("notify.log")));
    noBus.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + file("no-bus"));
    const QByteArray settings = bytes("Cyclomat.ini");
    const struct {
        const char* name;
        const QProcessEnvironment& env;
        QStringList args;
        bool logIsAFolder;
        int status;
    } cases[] = {{"no session bus", noBus, {}, false, 3},
                 {"no notification service", noService, {}, false, 3},
                 {"the log cannot be written", env_, {}, true, 1},
                 {"an unknown option", env_, {"--soon"}, false, 2}};
    for (const auto& c : cases) {
        if (c.logIsAFolder) {
            QFile::remove(file("Rorovovo-reminders-shown.txt"));
            ASSERT_TRUE(QDir().mkpath(file("Rorovovo-reminders-shown.txt")));
        }
        const Outcome r = remind(c.env, c.args);
        EXPECT_EQ(r.status, c.status) << c.name << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.endsWith('\n') && r.err.count('\n') == 1) << c.name << ": " << r.err.toStdString();
        EXPECT_EQ(bytes("Cyclomat.ini"), settings) << c.name;
        EXPECT_TRUE(notified().isEmpty()) << c.name;
        if (c.logIsAFolder) QDir(file("Rorovovo-reminders-shown.txt")).removeRecursively();
    }
    // Every reminder that could not be shown comes at the next check.
    EXPECT_EQ(remind(env_).status, 0);
    EXPECT_EQ(notified().size(), 2);
}

}  // namespace
