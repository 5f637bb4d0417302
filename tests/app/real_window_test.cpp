// The real program in a virtual X display: started from a copy of its program folder, looked at through
// screenshots and driven with real key presses.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "program_folder.h"
#include "virtual_display.h"
#include "wait.h"

TEST(RealWindow, startsShowsTheChartAtTodayAndClosesOnCtrlX) {
    for (const char* tool : {"xdotool", "import"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) GTEST_SKIP() << tool << " is missing";
    VirtualDisplay x;
    ASSERT_TRUE(x.start()) << "Xvfb did not start";
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(copyProgramFolder(QStringLiteral(ROROVOVO_PROGRAM_DIR), folder.path()));

    const QProcessEnvironment env = displayEnvironment(x.display());
    QProcess program;
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(QDir::tempPath());  // the program finds its files beside itself, not here
    program.start(QDir(folder.path()).filePath(QStringLiteral("Rorovovo")), {});
    ASSERT_TRUE(program.waitForStarted());

    QString window;
    ASSERT_TRUE(
        waitFor([&] { return !(window = visibleWindow(QStringLiteral("^ Biorhythms$"), env)).isEmpty(); }, 10000))
        << "no window titled \" Biorhythms\"";
    // Without a window manager the window sits at its designed place, the menu bar on top of its client area.
    const QString geometry = runTool(QStringLiteral("xdotool"),
                                     {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window}, env);
    int wx = 0, wy = 0;
    for (const QString& line : geometry.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("X="))) wx = line.mid(2).toInt();
        if (line.startsWith(QLatin1String("Y="))) wy = line.mid(2).toInt();
    }
    // The client area's top is the first row under the menu bar where the chart's silver today band begins; the
    // screen is taken again until the chart is painted.
    const int bandX = wx + 24 + 2 + 5;  // inside today's column, at the chart's left edge
    const int whiteX = wx + 24 + 2 + 15;
    const QString shot = QDir(folder.path()).filePath(QStringLiteral("shot.png"));
    QImage image;
    int chartTop = -1;
    waitFor(
        [&] {
            runTool(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), shot}, env);
            image = QImage(shot);
            for (int y = wy; y < wy + 120 && !image.isNull() && chartTop < 0; ++y)
                if ((image.pixel(bandX, y) & 0xFFFFFF) == 0xC0C0C0 && (image.pixel(whiteX, y) & 0xFFFFFF) == 0xFFFFFF)
                    chartTop = y;
            return chartTop >= 0;
        },
        10000);
    ASSERT_GE(chartTop, 0) << "today's silver band not found at the chart's left edge";
    for (int dy : {10, 60, 120, 170}) {
        EXPECT_EQ(image.pixel(bandX, chartTop + dy) & 0xFFFFFF, 0xC0C0C0u) << dy;
        EXPECT_EQ(image.pixel(whiteX, chartTop + dy) & 0xFFFFFF, 0xFFFFFFu) << dy;
    }
    // The axis runs across the chart in the middle row.
    EXPECT_EQ(image.pixel(wx + 24 + 2 + 200, chartTop + 90) & 0xFFFFFF, 0xC0C0C0u);

    pressKey(window, QStringLiteral("ctrl+x"), env);
    ASSERT_TRUE(program.waitForFinished(10000)) << "Ctrl+X did not close the program";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    // Closing wrote the default rhythms beside the program.
    QFile ini(QDir(folder.path()).filePath(QStringLiteral("Cyclomat.ini")));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("Rhytms=111100"));
}

// Printing with no printer installed: the system dialog offers a PDF file named after the person drawn, and Enter
// writes it, birth year and all.
TEST(RealWindow, printChart_writesAPdfNamedAfterThePersonWithNoPrinter) {
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) GTEST_SKIP() << "xdotool is missing";
    VirtualDisplay x;
    ASSERT_TRUE(x.start()) << "Xvfb did not start";
    QTemporaryDir folder, home;
    ASSERT_TRUE(folder.isValid() && home.isValid());
    ASSERT_TRUE(copyProgramFolder(QStringLiteral(ROROVOVO_PROGRAM_DIR), folder.path()));
    QFile ini(QDir(folder.path()).filePath(QStringLiteral("Cyclomat.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Records]\nProfiles=1\nSelected=0\n0=Anna Smith|15.03.1958\n");
    ini.close();

    QProcessEnvironment env = displayEnvironment(x.display());
    env.insert(QStringLiteral("HOME"), home.path());
    QProcess program;
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(home.path());
    program.start(QDir(folder.path()).filePath(QStringLiteral("Rorovovo")), {});
    ASSERT_TRUE(program.waitForStarted());
    QString window, dialog;
    ASSERT_TRUE(waitFor([&] { return !(window = visibleWindow(QStringLiteral("^ Biorhythms$"), env)).isEmpty(); }));
    pressKey(window, QStringLiteral("ctrl+p"), env);
    ASSERT_TRUE(waitFor([&] { return !(dialog = visibleWindow(QStringLiteral("^Print$"), env)).isEmpty(); }))
        << "no print dialog";
    pressKey(dialog, QStringLiteral("Return"), env);
    const QString pdf = QDir(home.path()).filePath(QStringLiteral("Anna Smith, born 15.03.1958.pdf"));
    ASSERT_TRUE(waitFor([&] { return QFile(pdf).size() > 0; }))
        << QDir(home.path()).entryList().join(u' ').toStdString();
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("%PDF"));
    program.kill();
    program.waitForFinished();
}
