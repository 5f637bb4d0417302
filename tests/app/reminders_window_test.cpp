// The reminders dialog in the real program under openbox, driven by the keyboard alone, against a stand-in
// systemctl on PATH and a stand-in notification service on a private session bus.
#include <gtest/gtest.h>

#include <QSettings>

#include "program_folder.h"
#include "virtual_display.h"
#include "wait.h"

namespace {

constexpr int kSlow = 10000;

QString read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

TEST(RemindersWindow, keyboardOnly_remindMeSetsUpTheTimerAndCalendar_stopRemovesTheTimer) {
    for (const char* tool : {"xdotool", "xprop", "openbox", "dbus-daemon"})
        if (QStandardPaths::findExecutable(tool).isEmpty()) GTEST_SKIP() << tool << " is missing";
    VirtualDisplay x;
    ASSERT_TRUE(x.start());
    QTemporaryDir dir;
    const QString program = dir.filePath("program"), config = dir.filePath("config"), bin = dir.filePath("bin");
    ASSERT_TRUE(QDir().mkpath(program) && QDir().mkpath(bin));
    ASSERT_TRUE(copyProgramFolder(ROROVOVO_PROGRAM_DIR, program));
    const QString ini = program + "/Cyclomat.ini", calls = dir.filePath("systemctl.log");
    {
        QFile f(ini);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(
            "[Records]\nProfiles=2\nSelected=0\n0=Ann Smith|01.02.1980\n1=Bo Lee|03.04.1990\n[Groups]\nGroups=1\n"
            "Name0=Family\nMembers0=2\nMember0_0=Ann Smith|01.02.1980\nMember0_1=Cy Smith|05.06.2010\n");
        QFile systemctl(bin + "/systemctl");
        ASSERT_TRUE(systemctl.open(QIODevice::WriteOnly));
        systemctl.write(QStringLiteral("#!/bin/sh\necho \"$*\" >> '%1'\n").arg(calls).toUtf8());
        systemctl.setPermissions(systemctl.permissions() | QFile::ExeOwner);
    }
    QProcessEnvironment env = displayEnvironment(x.display());
    QProcess wm;
    wm.setProcessEnvironment(env);
    wm.start("openbox", {"--sm-disable"});
    ASSERT_TRUE(waitFor(
        [&] {
            return runTool("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}, env).contains("window id");
        },
        kSlow));
    PrivateBus bus;
    ASSERT_TRUE(bus.start(env, dir.filePath("notify.log")));
    env.insert("HOME", dir.filePath("home"));
    env.insert("XDG_CONFIG_HOME", config);
    env.insert("PATH", bin + ":" + env.value("PATH"));

    QProcess rorovovo;
    rorovovo.setProcessEnvironment(env);
    const auto startAndOpen = [&] {
        rorovovo.start(program + "/Rorovovo", QStringList());
        QString main;
        waitFor([&] { return !(main = visibleWindow("^ Biorhythms$", env)).isEmpty(); }, kSlow);
        return main;
    };
    const QString main = startAndOpen();
    ASSERT_FALSE(main.isEmpty());
    // Alt to the menu bar, along to Tools, down into it and up round to its last item.
    pressKey(main, "alt", env);
    runTool("xdotool", {"key", "--delay", "100", "Right", "Right", "Right", "Down", "Up", "Return"}, env);
    QString dialog;
    ASSERT_TRUE(waitFor([&] { return !(dialog = visibleWindow("^Reminders$", env)).isEmpty(); }, kSlow));
    // The Family group ticks Ann (in both lists) and Cy; the same day, 07:30, a calendar; then "Remind me".
    pressKey(dialog, "Down", env);
    runTool("xdotool",
            {"key", "--delay", "100", "Down", "Down", "space", "alt+h", "Home", "alt+t", "0", "7", "3", "0", "alt+k",
             "alt+r"},
            env);
    const QString timer = config + "/systemd/user/", calendar = program + "/Rorovovo-critical-days.ics";
    const auto unitFiles = [&] { return QDir(timer).entryList(QDir::Files); };
    ASSERT_TRUE(waitFor([&] { return unitFiles().size() == 2 && QFile::exists(calendar); }, kSlow));
    QSettings saved(ini, QSettings::IniFormat);
    saved.beginGroup("Reminders");
    EXPECT_EQ(saved.value("Enabled").toString(), "1");
    EXPECT_EQ(saved.value("Lead").toString(), "0");
    EXPECT_EQ(saved.value("Kinds").toStringList(), QStringList({"double", "triple"}));
    EXPECT_EQ(saved.value("Time").toString(), "07:30");
    EXPECT_EQ(saved.value("Calendar").toString(), "1");
    EXPECT_EQ(saved.value("People").toString(), "2");
    EXPECT_EQ(saved.value("Person0").toString(), "Ann Smith|01.02.1980");
    EXPECT_EQ(saved.value("Person1").toString(), "Cy Smith|05.06.2010");
    const QString timerFile = timer + unitFiles().filter(".timer").value(0);
    EXPECT_TRUE(read(timerFile).contains("\nOnCalendar=*-*-* 07:30:00\n")) << timerFile.toStdString();
    EXPECT_TRUE(read(calls).contains("--user enable rorovovo-reminders-"));

    pressKey(dialog, "alt+s", env);
    EXPECT_TRUE(waitFor([&] { return unitFiles().isEmpty() && read(calls).contains("--user disable --now"); }, kSlow));
    saved.sync();
    EXPECT_EQ(saved.value("Enabled").toString(), "0");
    pressKey(dialog, "Escape", env);
    EXPECT_TRUE(waitFor([&] { return visibleWindow("^Reminders$", env).isEmpty(); }, kSlow));
    pressKey(main, "ctrl+x", env);
    ASSERT_TRUE(rorovovo.waitForFinished(kSlow));
    EXPECT_EQ(rorovovo.exitCode(), 0);

    // The calendar is kept: the next start writes it afresh.
    ASSERT_TRUE(QFile::remove(calendar));
    ASSERT_FALSE(startAndOpen().isEmpty());
    EXPECT_TRUE(waitFor([&] { return QFile::exists(calendar); }, kSlow));
    rorovovo.terminate();
    rorovovo.waitForFinished();
    EXPECT_TRUE(read(dir.filePath("notify.log")).isEmpty()) << "the dialog itself shows no notification";
    wm.terminate();
    wm.waitForFinished();
}

}  // namespace
