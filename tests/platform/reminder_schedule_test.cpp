// "Remind me" and "Stop reminders" against a stand-in systemctl on PATH: the unit files, the calls to the user's
// systemd instance, the autostart entry where none answers, what the user is told, and nothing left behind.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include "platform/notifications.h"
#include "platform/reminder_check.h"
#include "profiles/ini_store.h"
#include "tests/app/program_folder.h"

using namespace rorovovo::platform;

namespace {

QString read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

TEST(ReminderSchedule, onAndOff_throughTheUsersSystemdOrAutostart_leavingNothingBehind) {
    enum Desk { Answers, NoInstance, NoSystemctl, ReadOnlySettings };
    const struct {
        Desk desk;
        const char* said;                // how the first sentence after "Remind me" starts
        const char *onCalls, *offCalls;  // systemctl's arguments, a line each; %1 is the units' name
    } cases[] = {
        {Answers, "Reminders are on: a systemd user timer",
         "--user daemon-reload\n--user enable %1.timer\n--user restart %1.timer\n",
         "--user disable --now %1.timer\n--user daemon-reload\n"},
        {NoInstance, "No systemd user instance could take a timer (Failed to connect to bus", "--user daemon-reload\n",
         ""},
        {NoSystemctl, "No systemd user instance could take a timer (no systemctl on PATH)", "", ""},
        {ReadOnlySettings, "Unable to write to ", "", ""},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString log = dir.filePath("calls.log");
        ASSERT_TRUE(QDir().mkpath(dir.filePath("config/autostart")));
        ASSERT_TRUE(c.desk == NoSystemctl || writeStandInSystemctl(dir.path(), log, c.desk != NoInstance));
        QProcessEnvironment env;
        env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        env.insert("PATH", dir.path());
        const SchedulePlaces places = schedulePlaces(env, "/opt/my apps/Rorovovo");
        EXPECT_NE(scheduleName(places), scheduleName(schedulePlaces(env, "/usr/bin/Rorovovo")));
        QFile(autostartFile(places)).open(QIODevice::WriteOnly);  // left by a login without systemd
        const auto calls = [&](QString expected) {
            EXPECT_EQ(read(log), expected.replace("%1", scheduleName(places))) << c.said;
            QFile::remove(log);
        };
        ProgramFiles files;
        files.shownReminders = dir.filePath("shown.txt");
        files.reminderCalendar = dir.filePath("critical.ics");
        QFile(dir.filePath("file")).open(QIODevice::WriteOnly);  // no folder to write settings into
        rorovovo::profiles::IniStore store(
            dir.filePath(c.desk == ReadOnlySettings ? "file/Cyclomat.ini" : "Cyclomat.ini"));
        rorovovo::profiles::ReminderSettings settings;
        settings.Enabled = true;
        settings.Options.MinuteOfDay = 7 * 60 + 5;
        DesktopNotifier noBus(QDBusConnection::connectToBus("unix:path=" + dir.filePath("no-bus"), c.said));

        const QStringList on = applyReminders(store, settings, files, places, noBus);
        EXPECT_TRUE(on.value(0).startsWith(c.said)) << on.join('|').toStdString();
        EXPECT_EQ(on.value(1).startsWith("No session bus"), c.desk != ReadOnlySettings) << c.said;
        EXPECT_EQ(installedSchedule(places), c.desk == Answers ? ScheduledBy::Timer : ScheduledBy::Autostart);
        calls(c.onCalls);
        if (c.desk == ReadOnlySettings) continue;  // nothing was changed, the old entry is still there
        if (c.desk == Answers) {
            EXPECT_TRUE(read(serviceFile(places)).contains("\nExecStart=\"/opt/my apps/Rorovovo\" --remind\n"));
            for (const char* line :
                 {"\nOnCalendar=*-*-* 07:05:00\n", "\nPersistent=true\n", "\nWantedBy=timers.target\n"})
                EXPECT_TRUE(read(timerFile(places)).contains(line)) << line;
            EXPECT_FALSE(QFile::exists(autostartFile(places)));
        } else {
            EXPECT_TRUE(read(autostartFile(places)).contains("\nExec=\"/opt/my apps/Rorovovo\" --remind --at-login\n"));
            EXPECT_FALSE(QFile::exists(timerFile(places)) || QFile::exists(serviceFile(places))) << c.said;
        }
        settings.Enabled = false;
        EXPECT_EQ(applyReminders(store, settings, files, places, noBus),
                  QStringList{"Reminders are off; nothing runs the check any more."});
        calls(c.offCalls);
        EXPECT_FALSE(readReminderSettings(store).Enabled) << c.said;
        QDirIterator left(dir.filePath("config"), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        EXPECT_FALSE(left.hasNext()) << c.said << ": " << (left.hasNext() ? left.next().toStdString() : "");
    }
}

}  // namespace
