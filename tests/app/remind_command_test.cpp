// `Rorovovo --remind` as the timer runs it, against a stand-in notification service on a private session bus: the
// faults it reports without losing a reminder, what it shows, that a second check on the same day shows nothing
// again, and the calendar it keeps, read back by Debian's python3-icalendar.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>

#include "critical_brute_force.h"
#include "program_folder.h"

namespace {

QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QList<QJsonObject> jsonLines(const QByteArray& text) {
    QList<QJsonObject> list;
    for (const QByteArray& line : text.split('\n'))
        if (!line.isEmpty()) list << QJsonDocument::fromJson(line).object();
    return list;
}

TEST(RemindCommand, faultsLoseNoReminder_andTwoChecksOnADayShowEachOnce_withTheSameCalendar) {
    if (QProcess::execute("/usr/bin/python3", {"-c", "import dbus, gi, icalendar"}) != 0)
        GTEST_SKIP() << "python3-dbus, python3-gi or python3-icalendar is missing";
    const QDate today = QDate::currentDate();
    QTemporaryDir dir;
    ASSERT_TRUE(copyProgramFolder(ROROVOVO_PROGRAM_DIR, dir.path()));
    const QString ini = dir.filePath("Cyclomat.ini"), log = dir.filePath("Rorovovo-reminders-shown.txt");
    const QString notifyLog = dir.filePath("notify.log"), calendar = dir.filePath("Rorovovo-critical-days.ics");
    // Tomorrow Ann has lived 23 * 28 days (Physical and Emotional), Tom 23 * 28 * 33 (all three counted ones).
    const QString people[] = {"Ann Smith", "Tom & Jerry"};
    const QDate births[] = {today.addDays(1 - 644), today.addDays(1 - 21252)};
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("[Reminders]\nEnabled=1\nLead=1\nKinds=double,triple\nTime=00:00\nCalendar=1\nPeople=2\n"
                           "Person0=%1|%2\nPerson1=%3|%4\n")
                .arg(people[0], births[0].toString("dd.MM.yyyy"), people[1], births[1].toString("dd.MM.yyyy"))
                .toUtf8());
    f.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment(), noService = env, noBus = env;
    PrivateBus bare, serviced;
    ASSERT_TRUE(bare.start(noService));
    ASSERT_TRUE(serviced.start(env, notifyLog));
    noBus.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + dir.filePath("no-bus"));
    const auto remind = [&](const QProcessEnvironment& e, QString* err = nullptr) {
        QProcess p;
        p.setProcessEnvironment(e);
        p.start(dir.filePath("Rorovovo"), {"--remind"});
        if (!p.waitForFinished(20000) || p.exitStatus() != QProcess::NormalExit) return -1;
        if (err) *err = QString::fromUtf8(p.readAllStandardError());
        return p.exitCode();
    };

    const QByteArray settings = read(ini);
    const struct {
        const char* name;
        const QProcessEnvironment& env;
        bool logIsAFolder;
        int status;
    } faults[] = {{"no session bus", noBus, false, 3},
                  {"no notification service", noService, false, 3},
                  {"the log cannot be written", env, true, 1}};
    for (const auto& c : faults) {
        ASSERT_TRUE(!c.logIsAFolder || ((!QFile::exists(log) || QFile::remove(log)) && QDir().mkpath(log)));
        QString err;
        EXPECT_EQ(remind(c.env, &err), c.status) << c.name << ": " << err.toStdString();
        EXPECT_TRUE(err.endsWith('\n') && err.count('\n') == 1) << c.name << ": " << err.toStdString();
        EXPECT_EQ(read(ini), settings) << c.name;
        EXPECT_TRUE(read(notifyLog).isEmpty()) << c.name;
    }
    ASSERT_TRUE(QDir(log).removeRecursively());

    ASSERT_EQ(remind(env), 0);
    const QString who = "Rorovovo|" ROROVOVO_APP_ID "|" ROROVOVO_APP_ID "|Tomorrow: ";  // app, icon, desktop entry
    const QString tomorrow = QLocale::c().toString(today.addDays(1), ", dddd dd.MM.yyyy: ");
    const QStringList expected = {who + "double critical day|" + people[0] + tomorrow + "Physical, Emotional",
                                  who + "triple critical day|" + people[1] + tomorrow +
                                      "Physical, Emotional, "
                                      "Intellectual"};
    const auto shown = [&] {
        QStringList seen;
        for (const QJsonObject& call : jsonLines(read(notifyLog)))
            seen << QStringList{call["app"].toString(), call["icon"].toString(),
                                call["hints"]["desktop-entry"].toString(), call["summary"].toString(),
                                call["body"].toString()}
                        .join('|');
        return seen;
    };
    EXPECT_EQ(shown(), expected);
    // Each person's double and triple days of the coming year, an alarm the day before at midnight, and the same
    // UIDs when the second check writes it again.
    const auto events = [&] {
        QProcess p;
        p.start("/usr/bin/python3", {ROROVOVO_SOURCE_DIR "/tests/app/read_calendar.py", calendar});
        p.waitForFinished(20000);
        QStringList list;
        for (const QJsonObject& e : jsonLines(p.readAllStandardOutput()).mid(1)) {
            EXPECT_EQ(e["alarms"].toArray(),
                      QJsonArray({QJsonObject{{"action", "DISPLAY"}, {"trigger", "-1 day, 0:00:00"}}}));
            list << e["date"].toString() + " " + e["summary"].toString().section('(', -1) + " " + e["uid"].toString();
        }
        return list;
    };
    const QStringList first = events();
    QStringList days;
    for (int i = 0; i < 2; ++i)
        for (const BruteCriticalDay& day : bruteForceCriticalDays(births[i], today, 365))
            if (day.kind != "single") days << day.date.toString(Qt::ISODate) + " " + people[i] + ")";
    EXPECT_EQ(QStringList(first).replaceInStrings(QRegularExpression(" critical-.*"), ""), days);

    EXPECT_EQ(remind(env), 0);
    EXPECT_EQ(shown(), expected);
    EXPECT_EQ(events(), first);
    if (QDate::currentDate() != today) GTEST_SKIP() << "the day changed during the test";
}

}  // namespace
