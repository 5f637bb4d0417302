// The reminders dialog in the real program under openbox, driven by the keyboard alone, against a stand-in
// systemctl on PATH and a stand-in notification service on a private session bus.
#include <gtest/gtest.h>

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
    const QString program = dir.filePath("program"), units = dir.filePath("config/systemd/user");
    const QString ini = program + "/Cyclomat.ini", calls = dir.filePath("calls.log");
    const QString calendar = program + "/Rorovovo-critical-days.ics";
    ASSERT_TRUE(QDir().mkpath(program) && copyProgramFolder(ROROVOVO_PROGRAM_DIR, program));
    ASSERT_TRUE(writeStandInSystemctl(dir.path(), calls));
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        "[Records]\nProfiles=2\nSelected=0\n0=Ann Smith|01.02.1980\n1=Bo Lee|03.04.1990\n[Groups]\nGroups=1\n"
        "Name0=Family\nMembers0=2\nMember0_0=Ann Smith|01.02.1980\nMember0_1=Cy Smith|05.06.2010\n");
    f.close();
    QProcessEnvironment env = displayEnvironment(x.display());
    QProcess wm, rorovovo;
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
    env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    env.insert("PATH", dir.path() + ":" + env.value("PATH"));
    rorovovo.setProcessEnvironment(env);
    const auto start = [&] {
        rorovovo.start(program + "/Rorovovo", QStringList());
        QString window;
        waitFor([&] { return !(window = visibleWindow("^ Biorhythms$", env)).isEmpty(); }, kSlow);
        return window;
    };
    const QString main = start();
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
    const auto unitFiles = [&] { return QDir(units).entryList({"*.timer", "*.service"}, QDir::Files); };
    ASSERT_TRUE(waitFor([&] { return unitFiles().size() == 2 && QFile::exists(calendar); }, kSlow));
    EXPECT_TRUE(
        read(ini).endsWith("[Reminders]\nEnabled=1\nLead=0\nKinds=double,triple\nTime=07:30\nCalendar=1\n"
                           "People=2\nPerson0=Ann Smith|01.02.1980\nPerson1=Cy Smith|05.06.2010\n"))
        << read(ini).toStdString();
    EXPECT_TRUE(read(calls).contains("--user enable rorovovo-reminders-"));
    EXPECT_TRUE(read(calendar).contains("\r\nTRIGGER:PT7H30M\r\n"));  // the day itself, at 07:30

    pressKey(dialog, "alt+s", env);
    EXPECT_TRUE(waitFor([&] { return unitFiles().isEmpty() && read(calls).contains("--user disable --now"); }, kSlow));
    EXPECT_TRUE(read(ini).contains("\n[Reminders]\nEnabled=0\n"));
    pressKey(dialog, "Escape", env);
    EXPECT_TRUE(waitFor([&] { return visibleWindow("^Reminders$", env).isEmpty(); }, kSlow));
    pressKey(main, "ctrl+x", env);
    ASSERT_TRUE(rorovovo.waitForFinished(kSlow));
    EXPECT_EQ(rorovovo.exitCode(), 0);

    // The calendar is kept: the next start writes it afresh. The dialog itself never notifies.
    ASSERT_TRUE(QFile::remove(calendar));
    ASSERT_FALSE(start().isEmpty());
    EXPECT_TRUE(waitFor([&] { return QFile::exists(calendar); }, kSlow));
    EXPECT_TRUE(read(dir.filePath("notify.log")).isEmpty());
}

}  // namespace
