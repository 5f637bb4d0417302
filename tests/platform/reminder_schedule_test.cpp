// Turning reminders on and off against a stand-in systemctl on PATH: the unit files, the calls to the user's systemd
// instance, the autostart entry where none answers, and nothing left behind.
#include "platform/reminder_schedule.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/notifications.h"
#include "platform/reminder_check.h"
#include "profiles/ini_store.h"

using namespace rorovovo::platform;

namespace {

QString read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

TEST(ReminderSchedule, onAndOff_throughTheUsersSystemdOrAutostart_leavingNothingBehind) {
    enum Systemctl { Answers, NoInstance, Missing };
    const struct {
        const char* name;
        Systemctl systemctl;
        ScheduledBy by;
        QStringList onCalls, offCalls;
    } cases[] = {
        {"systemd answers",
         Answers,
         ScheduledBy::Timer,
         {"--user daemon-reload", "--user enable %1.timer", "--user restart %1.timer"},
         {"--user disable --now %1.timer", "--user daemon-reload"}},
        {"no user instance", NoInstance, ScheduledBy::Autostart, {"--user daemon-reload"}, {}},
        {"no systemctl", Missing, ScheduledBy::Autostart, {}, {}},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString bin = dir.filePath("bin"), log = dir.filePath("calls.log");
        ASSERT_TRUE(QDir().mkpath(bin));
        if (c.systemctl != Missing) {
            QFile script(bin + "/systemctl");
            ASSERT_TRUE(script.open(QIODevice::WriteOnly));
            script.write(QStringLiteral("#!/bin/sh\necho \"$*\" >> '%1'\n%2exit 0\n")
                             .arg(log, c.systemctl == NoInstance
                                           ? "echo 'Failed to connect to bus: No medium found' >&2; exit 1\n"
                                           : "")
                             .toUtf8());
            script.setPermissions(script.permissions() | QFile::ExeOwner);
        }
        QProcessEnvironment env;
        env.insert("HOME", dir.filePath("home"));
        env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        env.insert("PATH", bin);
        const SchedulePlaces places = schedulePlaces(env, "/opt/my apps/Rorovovo");
        const QString name = scheduleName(places);
        EXPECT_TRUE(name.startsWith("rorovovo-reminders-")) << c.name;
        EXPECT_NE(name, scheduleName(schedulePlaces(env, "/usr/bin/Rorovovo"))) << c.name;
        const auto calls = [&](const QStringList& expected, const char* when) {
            const QString seen = read(log);
            EXPECT_EQ(seen, expected.isEmpty() ? QString() : expected.join('\n').arg(name) + '\n') << c.name << when;
            QFile::remove(log);
        };

        if (c.by == ScheduledBy::Timer) {
            ASSERT_TRUE(QDir().mkpath(dir.filePath("config/autostart")));  // left from a start without systemd
            QFile(autostartFile(places)).open(QIODevice::WriteOnly);
        }
        const ScheduleOutcome on = installSchedule(places, 7 * 60 + 5);
        EXPECT_EQ(on.by, c.by) << c.name;
        EXPECT_EQ(installedSchedule(places), c.by) << c.name;
        calls(c.onCalls, ", on");
        if (c.by == ScheduledBy::Timer) {
            EXPECT_TRUE(read(serviceFile(places)).contains("\nExecStart=\"/opt/my apps/Rorovovo\" --remind\n"));
            const QString timer = read(timerFile(places));
            for (const char* line :
                 {"\nOnCalendar=*-*-* 07:05:00\n", "\nPersistent=true\n", "\nWantedBy=timers.target\n"})
                EXPECT_TRUE(timer.contains(line)) << line;
            EXPECT_FALSE(QFile::exists(autostartFile(places)));
        } else {
            EXPECT_FALSE(on.timerProblem.isEmpty()) << c.name;
            EXPECT_FALSE(QFile::exists(timerFile(places)) || QFile::exists(serviceFile(places))) << c.name;
            EXPECT_TRUE(read(autostartFile(places)).contains("\nExec=\"/opt/my apps/Rorovovo\" --remind --at-login\n"));
            const QString validate = QStandardPaths::findExecutable("desktop-file-validate");
            if (!validate.isEmpty()) {
                EXPECT_EQ(QProcess::execute(validate, {autostartFile(places)}), 0) << c.name;
            }
        }

        EXPECT_EQ(removeSchedule(places), QString()) << c.name;
        calls(c.offCalls, ", off");
        EXPECT_EQ(installedSchedule(places), ScheduledBy::Nothing) << c.name;
        QDirIterator left(dir.filePath("config"), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        EXPECT_FALSE(left.hasNext()) << c.name << ": " << (left.hasNext() ? left.next().toStdString() : "");
    }
}

// What "Remind me" and "Stop reminders" tell the user when a desktop service or a folder is missing.
TEST(ReminderSchedule, applying_saysWhatCouldNotBeSetUpAndWhatStillWorks) {
    const struct {
        const char* name;
        bool enabled, configBlocked, settingsBlocked;
        QStringList said;  // the start of each sentence
    } cases[] = {
        {"no systemd, no bus",
         true,
         false,
         false,
         {"No systemd user instance could take a timer (no systemctl on PATH)", "No session bus",
          "The calendar file is up to date."}},
        {"config folder blocked",
         true,
         true,
         false,
         {"Nothing could be set up to run the check", "No session bus", "The calendar file is up to date."}},
        {"settings not writable", true, false, true, {"Unable to write to "}},
        {"off",
         false,
         false,
         false,
         {"Reminders are off; nothing runs the check any more.", "The calendar file is up"}},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        QFile(dir.filePath("file")).open(QIODevice::WriteOnly);
        QProcessEnvironment env;
        env.insert("XDG_CONFIG_HOME", dir.filePath(c.configBlocked ? "file/config" : "config"));
        const SchedulePlaces places = schedulePlaces(env, "/usr/bin/Rorovovo");
        ProgramFiles files;
        files.shownReminders = dir.filePath("shown.txt");
        files.reminderCalendar = dir.filePath("calendar/critical.ics");
        rorovovo::profiles::IniStore store(dir.filePath(c.settingsBlocked ? "file/Cyclomat.ini" : "Cyclomat.ini"));
        rorovovo::profiles::ReminderSettings settings;
        settings.Enabled = c.enabled;
        settings.Calendar = true;
        settings.People = {"Ann|01.02.1980"};
        DesktopNotifier notifier(QDBusConnection::connectToBus("unix:path=" + dir.filePath("no-bus"), c.name));
        const QStringList said = applyReminders(store, settings, files, places, notifier);
        ASSERT_EQ(said.size(), c.said.size()) << c.name << ": " << said.join('|').toStdString();
        for (int i = 0; i < said.size(); ++i) EXPECT_TRUE(said[i].startsWith(c.said[i])) << said[i].toStdString();
        EXPECT_EQ(QFile::exists(files.reminderCalendar), !c.settingsBlocked) << c.name;
        EXPECT_EQ(installedSchedule(places),
                  c.enabled && !c.configBlocked && !c.settingsBlocked ? ScheduledBy::Autostart : ScheduledBy::Nothing)
            << c.name;
        if (!c.settingsBlocked) {
            EXPECT_EQ(readReminderSettings(store).Enabled, c.enabled) << c.name;
        }
    }
}

}  // namespace
