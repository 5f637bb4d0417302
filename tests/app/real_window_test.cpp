// The real program in a virtual X display: started from a copy of its program folder, looked at through
// screenshots and driven with real key presses.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

#include "program_folder.h"
#include "virtual_display.h"
#include "wait.h"

namespace {

// The screen, taken until the chart shows today's silver column at its left edge. Returns the row of the chart's top
// (under the menu bar of the window whose top left is at `window`), or -1; `ratio` is the screen's pixel ratio.
int chartTop(const QString& shot, const QProcessEnvironment& env, QPoint window, double ratio, QImage& image) {
    const int bandX = window.x() + qRound(ratio * (24 + 2 + 5));  // inside today's column, at the chart's left edge
    const int whiteX = window.x() + qRound(ratio * (24 + 2 + 15));
    int top = -1;
    waitFor(
        [&] {
            runTool(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), shot}, env);
            image = QImage(shot);
            for (int y = window.y(); y < window.y() + qRound(120 * ratio) && !image.isNull() && top < 0; ++y)
                if ((image.pixel(bandX, y) & 0xFFFFFF) == 0xC0C0C0 && (image.pixel(whiteX, y) & 0xFFFFFF) == 0xFFFFFF)
                    top = y;
            return top >= 0;
        },
        10000);
    return top;
}

QPoint windowPlace(const QString& window, const QProcessEnvironment& env) {
    const QString geometry = runTool(QStringLiteral("xdotool"),
                                     {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window}, env);
    QPoint place;
    for (const QString& line : geometry.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("X="))) place.setX(line.mid(2).toInt());
        if (line.startsWith(QLatin1String("Y="))) place.setY(line.mid(2).toInt());
    }
    return place;
}

// A virtual display and a copy of the program folder for each test.
class RealWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* tool : {"xdotool", "import"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) GTEST_SKIP() << tool << " is missing";
        ASSERT_TRUE(x.start()) << "Xvfb did not start";
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(copyProgramFolder(QStringLiteral(ROROVOVO_PROGRAM_DIR), folder.path()));
    }

    void writeIni(const QByteArray& content) {
        QFile ini(QDir(folder.path()).filePath(QStringLiteral("Cyclomat.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(content);
    }

    VirtualDisplay x;
    QTemporaryDir folder;
};

// At fractional scales too the chart is drawn at the device pixel ratio: its device pixels hold only the chart's
// own colours, where a picture scaled to the screen would blend them, and each curve is there.
TEST_F(RealWindow, atFractionalScales_theChartIsDrawnInDevicePixels) {
    writeIni(
        "[Records]\nProfiles=1\nSelected=0\n0=Anna Smith|15.03.1958\n"
        "[Preferences]\nWindowPosit=1\nWinLeft=0\nWinTop=0\n");
    for (const double ratio : {1.25, 1.5}) {
        QProcessEnvironment env = displayEnvironment(x.display());
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(ratio));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QDir(folder.path()).filePath(QStringLiteral("Rorovovo")), {});
        ASSERT_TRUE(program.waitForStarted());
        QString window;
        ASSERT_TRUE(waitFor([&] { return !(window = visibleWindow(QStringLiteral("^ Biorhythms$"), env)).isEmpty(); }));
        QImage image;
        const QPoint place = windowPlace(window, env);
        const int top = chartTop(QDir(folder.path()).filePath(QStringLiteral("shot.png")), env, place, ratio, image);
        ASSERT_GE(top, 0) << ratio << ": today's silver band not found";
        const QRect chart(place.x() + qRound(ratio * 26) + 1, top + 1, qRound(ratio * 509) - 2,
                          qRound(ratio * 181) - 2);
        QMap<QRgb, int> colours;
        for (int py = chart.top(); py <= chart.bottom(); ++py)
            for (int px = chart.left(); px <= chart.right(); ++px) ++colours[image.pixel(px, py) & 0xFFFFFF];
        for (const QRgb own : {0xFFFFFFu, 0xC0C0C0u, 0xFF0000u, 0xFF00FFu, 0x008000u, 0x0000FFu}) {
            EXPECT_GT(colours.value(own), 50) << ratio << ": too little of #" << QString::number(own, 16).toStdString();
            colours.remove(own);
        }
        EXPECT_TRUE(colours.isEmpty()) << ratio << ": " << colours.size() << " blended colours, as #"
                                       << QString::number(colours.firstKey(), 16).toStdString();
        program.kill();
        program.waitForFinished();
    }
}

}  // namespace

TEST_F(RealWindow, startsShowsTheChartAtTodayAndClosesOnCtrlX) {
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
    const QPoint place = windowPlace(window, env);
    const int wx = place.x();
    const int bandX = wx + 24 + 2 + 5;
    const int whiteX = wx + 24 + 2 + 15;
    QImage image;
    const int chartTop = ::chartTop(QDir(folder.path()).filePath(QStringLiteral("shot.png")), env, place, 1, image);
    ASSERT_GE(chartTop, 0) << "today's silver band not found at the chart's left edge";
    for (int dy : {10, 60, 120, 170}) {
        EXPECT_EQ(image.pixel(bandX, chartTop + dy) & 0xFFFFFF, 0xC0C0C0u) << dy;
        EXPECT_EQ(image.pixel(whiteX, chartTop + dy) & 0xFFFFFF, 0xFFFFFFu) << dy;
    }
    // The axis runs across the chart in the middle row.
    EXPECT_EQ(image.pixel(wx + 24 + 2 + 200, chartTop + 90) & 0xFFFFFF, 0xC0C0C0u);
    // The pictures on show came without the toolkit's image plugins, whose loading every start would pay.
    QFile maps(QStringLiteral("/proc/%1/maps").arg(program.processId()));
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    EXPECT_FALSE(maps.readAll().contains("/imageformats/"));

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
TEST_F(RealWindow, printChart_writesAPdfNamedAfterThePersonWithNoPrinter) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    writeIni("[Records]\nProfiles=1\nSelected=0\n0=Anna Smith|15.03.1958\n");

    QProcessEnvironment env = displayEnvironment(x.display());
    env.insert(QStringLiteral("HOME"), home.path());
    QProcess program;
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(home.path());
    program.start(QDir(folder.path()).filePath(QStringLiteral("Rorovovo")), {});
    ASSERT_TRUE(program.waitForStarted());
    QString window, dialog;
    ASSERT_TRUE(
        waitFor([&] { return !(window = visibleWindow(QStringLiteral("^ Biorhythms$"), env)).isEmpty(); }, 20000));
    pressKey(window, QStringLiteral("ctrl+p"), env);
    ASSERT_TRUE(waitFor([&] { return !(dialog = visibleWindow(QStringLiteral("^Print$"), env)).isEmpty(); }, 20000))
        << "no print dialog";
    // Enter again while the dialog outlives a press by a second: a busy machine may map it before it takes keys.
    const QString pdf = QDir(home.path()).filePath(QStringLiteral("Anna Smith, born 15.03.1958.pdf"));
    QDeadlineTimer again;
    ASSERT_TRUE(waitFor(
        [&] {
            if (QFile(pdf).size() > 0) return true;
            if (again.hasExpired() && !visibleWindow(QStringLiteral("^Print$"), env).isEmpty()) {
                pressKey(dialog, QStringLiteral("Return"), env);
                again.setRemainingTime(1000);
            }
            return false;
        },
        20000))
        << QDir(home.path()).entryList().join(u' ').toStdString();
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("%PDF"));
    program.kill();
    program.waitForFinished();
}

// At a pixel ratio of 2 the chart is drawn in device pixels, not as a 1x picture blown up: a grid line one logical
// pixel wide is two device pixels of exactly its colour, and where curves pass, the two device columns of a logical
// column differ.
TEST_F(RealWindow, atScaleTwo_gridLinesAndCurvesAreDrawnInDevicePixels) {
    // At the screen's top left, so the sign picture at the panel's right end is on the screen too.
    writeIni(
        "[Records]\nProfiles=1\nSelected=0\n0=Anna Smith|15.03.1958\n"
        "[Preferences]\nWindowPosit=1\nWinLeft=0\nWinTop=0\n");
    QProcessEnvironment env = displayEnvironment(x.display());
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QDir(folder.path()).filePath(QStringLiteral("Rorovovo")), {});
    ASSERT_TRUE(program.waitForStarted());
    QString window;
    ASSERT_TRUE(waitFor([&] { return !(window = visibleWindow(QStringLiteral("^ Biorhythms$"), env)).isEmpty(); }));
    const QPoint place = windowPlace(window, env);
    QImage image;
    const int top = chartTop(QDir(folder.path()).filePath(QStringLiteral("shot.png")), env, place, 2, image);
    ASSERT_GE(top, 0) << "today's silver band not found at the chart's left edge";
    const int left = place.x() + 2 * (24 + 2), right = std::min(image.width(), left + 2 * 509);
    auto rgb = [&](int px, int py) { return image.pixel(px, py) & 0xFFFFFF; };

    // Along a row of the chart, the silver runs that white bounds on both sides: the grid lines clear of curves.
    std::vector<int> runs;
    const int row = top + 2 * 30;
    for (int px = left; px < right; ++px) {
        int end = px;
        while (end < right && rgb(end, row) == 0xC0C0C0) ++end;
        if (end > px && rgb(px - 1, row) == 0xFFFFFF && end < right && rgb(end, row) == 0xFFFFFF)
            runs.push_back(end - px);
        px = end;
    }
    EXPECT_GE(runs.size(), 10u);
    for (int width : runs) EXPECT_EQ(width, 2) << "a grid line one logical pixel wide";

    // The two device columns of each logical column: a doubled 1x picture has them equal. Over the chart's height,
    // and over the sign picture (taken from the strip's twin of twice the pixels).
    auto differingPairs = [&](const QRect& area) {
        int differing = 0;
        for (int px = area.left(); px < area.right(); px += 2)
            for (int py = area.top(); py <= area.bottom(); ++py)
                if (rgb(px, py) != rgb(px + 1, py)) {
                    ++differing;
                    break;
                }
        return differing;
    };
    const QRect chart(left, top, right - left, 2 * 181);
    EXPECT_GT(differingPairs(chart), chart.width() / 4) << "of " << chart.width() / 2 << " logical columns";
    const QRect sign(place.x() + 2 * (24 + 450), top - 2 * 22 + 2 * (228 + 26), 2 * 49, 2 * 49);
    EXPECT_GT(differingPairs(sign), sign.width() / 4) << "of " << sign.width() / 2 << " logical columns";
    program.kill();
    program.waitForFinished();
}
