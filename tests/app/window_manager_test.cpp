// The real program on a desktop as people have it: in a virtual display without a window manager and under
// openbox, driven by real key presses and mouse clicks through xdotool.
#include <gtest/gtest.h>

#include <QImage>
#include <QMargins>
#include <QRect>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "program_folder.h"
#include "virtual_display.h"
#include "wait.h"

namespace {

enum class Desk { Bare, Openbox };

// A start, a frame or a screenshot can take seconds on a busy machine.
constexpr int kSlow = 10000;

// Where the controls that take the keyboard sit in the window's client area at its designed size.
const struct {
    const char* name;
    QRect place;
} kFocusable[] = {
    {"Edit_year", {206, 248, 35, 21}},     {"Edit_month", {179, 248, 20, 21}}, {"Edit_day", {152, 248, 20, 21}},
    {"Button_addnew", {368, 248, 57, 22}}, {"Edit_name", {40, 248, 105, 21}},  {"ComboBox1", {264, 282, 162, 21}},
    {"ScrollBar1", {26, 204, 509, 16}},    {"Edit2", {579, 26, 21, 19}},       {"Edit3", {579, 50, 21, 19}},
    {"Edit4", {579, 74, 21, 19}},          {"Edit5", {579, 98, 21, 19}},       {"Button_now", {8, 92, 16, 25}},
};

// Pixels of the physical curve's red in a picture of the chart.
int physicalPixels(const QImage& image) {
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) red += (image.pixel(x, y) & 0xFFFFFF) == 0xFF0000;
    return red;
}

class ManagedWindow : public ::testing::TestWithParam<Desk> {
  protected:
    void SetUp() override {
        QStringList tools = {"xdotool", "import", "xprop", "xwininfo"};
        if (GetParam() == Desk::Openbox) tools << "openbox";
        for (const QString& tool : tools)
            if (QStandardPaths::findExecutable(tool).isEmpty()) GTEST_SKIP() << tool.toStdString() << " is missing";
        ASSERT_TRUE(x_.start()) << "Xvfb did not start";
        env_ = displayEnvironment(x_.display());
        env_.remove(QStringLiteral("QT_SCALE_FACTOR"));
        if (GetParam() == Desk::Openbox) {
            wm_.setProcessEnvironment(env_);
            wm_.setProcessChannelMode(QProcess::MergedChannels);
            ASSERT_TRUE(waitFor(
                [&] {
                    // A window manager that gave up while the display was still settling is started again.
                    if (wm_.state() == QProcess::NotRunning)
                        wm_.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
                    return xtool("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains(QLatin1String("window id"));
                },
                kSlow))
                << "openbox did not take the display: " << wm_.readAll().toStdString();
        }
        ASSERT_TRUE(folder_.isValid());
        ASSERT_TRUE(copyProgramFolder(QStringLiteral(ROROVOVO_PROGRAM_DIR), folder_.path()));
    }

    void TearDown() override {
        if (program_.state() != QProcess::NotRunning) {
            program_.kill();
            program_.waitForFinished();
        }
        if (wm_.state() != QProcess::NotRunning) {
            wm_.terminate();
            wm_.waitForFinished();
        }
    }

    QString xtool(const char* tool, const QStringList& args) { return runTool(QLatin1String(tool), args, env_); }
    QString ini() const { return QDir(folder_.path()).filePath(QStringLiteral("Cyclomat.ini")); }

    void writeIni(const QByteArray& content) {
        QFile f(ini());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }

    // Starts the program and waits for its window, framed when a window manager runs.
    QString start() {
        program_.setProcessEnvironment(env_);
        program_.setWorkingDirectory(QDir::tempPath());
        program_.start(QDir(folder_.path()).filePath(QStringLiteral("Rorovovo")), {});
        QString window;
        waitFor(
            [&] {
                window = xtool("xdotool", {"search", "--onlyvisible", "--name", "^ Biorhythms$"}).section('\n', 0, 0);
                return !window.isEmpty();
            },
            kSlow);
        if (!window.isEmpty() && GetParam() == Desk::Openbox) waitFor([&] { return !frame(window).isNull(); }, kSlow);
        return window;
    }

    bool close(const QString& window) {
        xtool("xdotool", {"windowfocus", "--sync", window});
        xtool("xdotool", {"key", "ctrl+x"});
        return program_.waitForFinished(10000) && program_.exitCode() == 0;
    }

    // The window's own area on the screen (xwininfo, which counts a window manager's frame once).
    QRect client(const QString& window) {
        QRect r;
        for (const QString& line : xtool("xwininfo", {"-id", window}).split('\n')) {
            const int value = line.section(':', 1).trimmed().toInt();
            if (line.contains(QLatin1String("Absolute upper-left X:"))) r.moveLeft(value);
            if (line.contains(QLatin1String("Absolute upper-left Y:"))) r.moveTop(value);
            if (line.trimmed().startsWith(QLatin1String("Width:"))) r.setWidth(value);
            if (line.trimmed().startsWith(QLatin1String("Height:"))) r.setHeight(value);
        }
        return r;
    }

    // Left, top, right and bottom of the frame the window manager put round the window; none without one.
    QMargins frame(const QString& window) {
        const QString extents = xtool("xprop", {"-id", window, "_NET_FRAME_EXTENTS"});
        const auto m = QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)")).match(extents);
        if (!m.hasMatch()) return {};
        return {m.captured(1).toInt(), m.captured(3).toInt(), m.captured(2).toInt(), m.captured(4).toInt()};
    }

    QRect outer(const QString& window) { return client(window).marginsAdded(frame(window)); }

    QImage shot() {
        const QString file = QDir(folder_.path()).filePath(QStringLiteral("shot.png"));
        xtool("import", {"-window", "root", file});
        return QImage(file);
    }

    // The top left of the client area under the menu bar, found by today's silver band at the chart's left edge.
    QPoint clientOrigin(const QString& window) {
        const QRect c = client(window);
        QPoint origin(-1, -1);
        waitFor(
            [&] {
                const QImage image = shot();
                for (int y = c.top(); y < c.top() + 120 && !image.isNull(); ++y)
                    if ((image.pixel(c.left() + 31, y) & 0xFFFFFF) == 0xC0C0C0 &&
                        (image.pixel(c.left() + 41, y) & 0xFFFFFF) == 0xFFFFFF) {
                        origin = QPoint(c.left(), y - 22);
                        return true;
                    }
                return false;
            },
            kSlow);
        return origin;
    }

    bool todayAtLeftEdge(const QPoint& origin) {
        const QImage image = shot();
        return (image.pixel(origin + QPoint(31, 80)) & 0xFFFFFF) == 0xC0C0C0;
    }

    // The control that shows the keyboard focus: the most pixels in the selection colour of the style.
    QString focused(const QPoint& origin) {
        const QImage image = shot();
        QString best;
        int most = 5;
        for (const auto& c : kFocusable) {
            int n = 0;
            const QRect r = c.place.translated(origin).adjusted(-2, -2, 2, 2);
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x) {
                    const QColor p = image.pixelColor(x, y);
                    n += std::abs(p.red() - 48) <= 50 && std::abs(p.green() - 140) <= 50 &&
                         std::abs(p.blue() - 198) <= 50 && p.blue() > p.red() + 60;
                }
            if (n > most) {
                most = n;
                best = QLatin1String(c.name);
            }
        }
        return best;
    }

    bool focusReaches(const QPoint& origin, const char* name) {
        QString seen;
        const bool ok = waitFor([&] { return (seen = focused(origin)) == QLatin1String(name); }, 4000);
        if (!ok) ADD_FAILURE() << "focus shows on " << seen.toStdString() << ", not on " << name;
        return ok;
    }

    VirtualDisplay x_;
    QProcess wm_, program_;
    QProcessEnvironment env_;
    QTemporaryDir folder_;
};

TEST_P(ManagedWindow, savedSizeAndPlace_comeBackUnchangedOverThreeStarts) {
    // Inside the limits, and at the largest width, height or both (the screen less 600 by 500).
    for (const QSize size : {QSize(676, 425), QSize(680, 400), QSize(666, 524), QSize(680, 524)}) {
        const QRect stored(QPoint(193, 127), size);
        writeIni(QStringLiteral("[Preferences]\nWindowSize=1\nWindowPosit=1\nWinWidth=%1\nWinHeight=%2\nWinLeft=193\n"
                                "WinTop=127\n")
                     .arg(size.width())
                     .arg(size.height())
                     .toLatin1());
        for (int start = 1; start <= 3; ++start) {
            const std::string what =
                QStringLiteral("%1x%2, start %3").arg(size.width()).arg(size.height()).arg(start).toStdString();
            const QString window = this->start();
            ASSERT_FALSE(window.isEmpty()) << what;
            QRect seen;
            EXPECT_TRUE(waitFor(
                [&] {
                    seen = outer(window);
                    return std::abs(seen.width() - stored.width()) <= 1 &&
                           std::abs(seen.height() - stored.height()) <= 1 && seen.topLeft() == stored.topLeft();
                },
                kSlow))
                << what << ": outer " << seen.x() << "," << seen.y() << " " << seen.width() << "x" << seen.height();
            ASSERT_TRUE(close(window));
            QSettings saved(ini(), QSettings::IniFormat);
            EXPECT_EQ(saved.value("Preferences/WinWidth").toInt(), stored.width()) << what;
            EXPECT_EQ(saved.value("Preferences/WinHeight").toInt(), stored.height()) << what;
            EXPECT_EQ(saved.value("Preferences/WinLeft").toInt(), stored.left()) << what;
            EXPECT_EQ(saved.value("Preferences/WinTop").toInt(), stored.top()) << what;
        }
    }
}

TEST_P(ManagedWindow, largestWindow_isTheScreenLessSixHundredByFiveHundredFrameIncluded) {
    writeIni("[Preferences]\nWindowSize=1\nWinWidth=2000\nWinHeight=2000\n");
    const QString window = start();
    ASSERT_FALSE(window.isEmpty());
    const QSize largest(1280 - 600, 1024 - 500);
    QSize seen;
    EXPECT_TRUE(waitFor([&] { return (seen = outer(window).size()) == largest; }, kSlow))
        << seen.width() << "x" << seen.height();
    // What the window tells the window manager, frame added, is the same limit.
    const auto hint = QRegularExpression(QStringLiteral("maximum size: (\\d+) by (\\d+)"))
                          .match(xtool("xprop", {"-id", window, "WM_NORMAL_HINTS"}));
    ASSERT_TRUE(hint.hasMatch());
    const QMargins f = frame(window);
    EXPECT_EQ(QSize(hint.captured(1).toInt(), hint.captured(2).toInt()).grownBy(f), largest);
    if (GetParam() == Desk::Openbox) {
        // Dragging the frame's corner with the mouse stops at the same size.
        xtool("xdotool", {"windowsize", window, "600", "400"});
        ASSERT_TRUE(waitFor([&] { return outer(window).width() < largest.width(); }, kSlow));
        const QRect o = outer(window);
        xtool("xdotool", {"mousemove", QString::number(o.right() - 1), QString::number(o.bottom() - 1)});
        xtool("xdotool", {"mousedown", "1"});
        for (int step = 1; step <= 4; ++step)
            xtool("xdotool", {"mousemove", QString::number(o.right() + 150 * step),
                              QString::number(std::min(1023, o.bottom() + 150 * step))});
        xtool("xdotool", {"mouseup", "1"});
        EXPECT_TRUE(waitFor([&] { return (seen = outer(window).size()) == largest; }, kSlow))
            << seen.width() << "x" << seen.height();
    }
    ASSERT_TRUE(close(window));
}

TEST_P(ManagedWindow, tabWalksTheDesignedOrder_andTheChartScrollsFromTheKeyboardAndMouse) {
    const QString window = start();
    ASSERT_FALSE(window.isEmpty());
    xtool("xdotool", {"windowfocus", "--sync", window});
    const QPoint origin = clientOrigin(window);
    ASSERT_GE(origin.y(), 0) << "today's band not found";
    // No profile: the year box has the keyboard, then Tab goes round the window in the designed order.
    ASSERT_TRUE(focusReaches(origin, "Edit_year"));
    for (const char* next : {"Edit_month", "Edit_day", "Button_addnew", "Edit_name", "ComboBox1", "ScrollBar1", "Edit2",
                             "Edit3", "Edit4", "Edit5", "Button_now", "Edit_year"}) {
        xtool("xdotool", {"key", "Tab"});
        ASSERT_TRUE(focusReaches(origin, next));
    }
    // Shift+Tab goes back through the window to the scroll bar.
    for (int i = 0; i < 6; ++i) xtool("xdotool", {"key", "shift+Tab"});
    ASSERT_TRUE(focusReaches(origin, "ScrollBar1"));
    ASSERT_TRUE(todayAtLeftEdge(origin));
    const struct {
        const char* key;
        bool today;  // today's column at the view's left edge afterwards
    } steps[] = {{"Right", false}, {"Left", true},  {"Next", false}, {"Prior", true},
                 {"End", false},   {"Home", false}, {"Next", false}, {"Next", true}};
    for (const auto& s : steps) {
        xtool("xdotool", {"key", s.key});
        EXPECT_TRUE(waitFor([&] { return todayAtLeftEdge(origin) == s.today; }, 4000)) << s.key;
    }
    // A click in the name box takes the focus there; a click on the scroll bar's right arrow takes it back and steps.
    const QPoint name = origin + kFocusable[4].place.center();
    const QPoint rightArrow = origin + QPoint(26 + 509 - 5, 204 + 8);
    xtool("xdotool", {"mousemove", QString::number(name.x()), QString::number(name.y()), "click", "1"});
    ASSERT_TRUE(focusReaches(origin, "Edit_name"));
    xtool("xdotool", {"mousemove", QString::number(rightArrow.x()), QString::number(rightArrow.y()), "click", "1"});
    ASSERT_TRUE(focusReaches(origin, "ScrollBar1"));
    EXPECT_TRUE(waitFor([&] { return !todayAtLeftEdge(origin); }, 4000));
    ASSERT_TRUE(close(window));
}

// Scrolling moves the pixels the chart already shows and paints only what comes into view; after many small steps the
// chart must look exactly as when it is painted afresh.
TEST_P(ManagedWindow, aChartScrolledStepByStep_looksAsWhenPaintedAfresh) {
    writeIni("[Records]\nProfiles=1\nSelected=0\n0=Anna Smith|15.03.1958\n");
    const QString window = start();
    ASSERT_FALSE(window.isEmpty());
    xtool("xdotool", {"windowfocus", "--sync", window});
    const QPoint origin = clientOrigin(window);
    ASSERT_GE(origin.y(), 0) << "today's band not found";
    const QRect strip(origin + QPoint(26, 22), QSize(509, 181));
    const auto settled = [&] {
        QImage last, now;
        waitFor(
            [&] {
                last = now;
                now = shot().copy(strip);
                return !last.isNull() && now == last;
            },
            kSlow);
        return now;
    };
    // The right arrow of the scroll bar takes the keyboard; then small steps each way, and more forward.
    const QPoint rightArrow = origin + QPoint(26 + 509 - 5, 204 + 8);
    xtool("xdotool", {"mousemove", QString::number(rightArrow.x()), QString::number(rightArrow.y()), "click", "1"});
    QStringList keys = {"key", "--delay", "20"};
    for (int i = 0; i < 23; ++i) keys << QStringLiteral("Right");
    for (int i = 0; i < 7; ++i) keys << QStringLiteral("Left");
    xtool("xdotool", keys);
    const QImage stepped = settled();
    ASSERT_GT(physicalPixels(stepped), 100) << "no physical curve in the chart";
    ASSERT_FALSE(todayAtLeftEdge(origin));
    // A window one pixel taller and back has the whole chart painted again.
    const QRect c = client(window);
    for (const int h : {c.height() + 1, c.height()}) {
        xtool("xdotool", {"windowsize", "--sync", window, QString::number(c.width()), QString::number(h)});
        waitFor([&] { return client(window).height() == h; }, kSlow);
    }
    const QImage afresh = settled();
    int differing = 0;
    for (int y = 0; y < afresh.height(); ++y)
        for (int x = 0; x < afresh.width(); ++x) differing += afresh.pixel(x, y) != stepped.pixel(x, y);
    EXPECT_EQ(differing, 0);
    ASSERT_TRUE(close(window));
}

// The translation of a text as the program's translation file for `language` holds it; empty while unfinished.
QString translated(const char* language, const QString& context, const QString& source) {
    QFile file(
        QStringLiteral(ROROVOVO_SOURCE_DIR "/resources/translations/rorovovo_%1.ts").arg(QLatin1String(language)));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QXmlStreamReader xml(&file);
    QString inContext, seen;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("name"))
            inContext = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        if (xml.name() == QLatin1String("source")) seen = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        if (xml.name() == QLatin1String("translation") && inContext == context && seen == source)
            return xml.attributes().hasAttribute(QStringLiteral("type")) ? QString() : xml.readElementText();
    }
    return {};
}

TEST_P(ManagedWindow, inGermanAndJapanese_theWindowSpeaksTheLanguageAndDrawsItsChart) {
    writeIni("[Records]\nProfiles=1\nSelected=0\n0=Anna Smith|15.03.1958\n");
    for (const char* language : {"de", "ja"}) {
        const QString title =
            translated(language, QStringLiteral("rorovovo::forms::TForm1"), QStringLiteral(" Biorhythms"));
        ASSERT_FALSE(title.isEmpty()) << language << ": the window's caption is not translated";
        env_.insert(QStringLiteral("LANGUAGE"), QLatin1String(language));
        program_.setProcessEnvironment(env_);
        program_.start(QDir(folder_.path()).filePath(QStringLiteral("Rorovovo")), {});
        QString window;
        waitFor([&] { return !(window = visibleWindow(QStringLiteral("^%1$").arg(title), env_)).isEmpty(); }, kSlow);
        ASSERT_FALSE(window.isEmpty()) << language << ": no window titled " << title.toStdString();
        const QPoint origin = clientOrigin(window);
        ASSERT_GE(origin.y(), 0) << language << ": today's band not found";
        EXPECT_GT(physicalPixels(shot().copy(QRect(origin + QPoint(26, 22), QSize(509, 181)))), 100)
            << language << ": no physical curve in the chart";
        ASSERT_TRUE(close(window)) << language;
    }
}

// On a desktop whose Settings portal prefers dark the window takes a dark palette, the chart keeps its white strip,
// and a switch of the desktop to light brings the light window back.
TEST_P(ManagedWindow, onADarkDesktop_theWindowIsDarkAndFollowsTheSwitchToLight) {
    PrivateBus bus;
    if (QProcess::execute("/usr/bin/python3", {"-c", "import dbus, gi"}) != 0)
        GTEST_SKIP() << "python3-dbus is missing";
    ASSERT_TRUE(bus.start(env_));
    ASSERT_TRUE(bus.startPortal(env_, 1)) << "the stand-in portal did not come up";
    writeIni("[Records]\nProfiles=1\nSelected=0\n0=Anna Smith|15.03.1958\n");
    const QString window = start();
    ASSERT_FALSE(window.isEmpty());
    const QRect c = client(window);
    // The share of the window's pixels darker than mid grey, and of the chart's white.
    const auto shares = [&](double* dark, double* white) {
        const QImage image = shot().copy(c);
        int darkPixels = 0, whitePixels = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor p = image.pixelColor(x, y);
                darkPixels += p.lightness() < 80;
                whitePixels += p.rgb() == qRgb(255, 255, 255);
            }
        *dark = darkPixels / double(image.width() * image.height());
        *white = whitePixels / double(image.width() * image.height());
    };
    double dark = 0, white = 0;
    EXPECT_TRUE(waitFor(
        [&] {
            shares(&dark, &white);
            return dark > 0.4;
        },
        kSlow))
        << "dark share " << dark;
    EXPECT_GT(white, 0.2) << "the chart's strip is no longer white";
    bus.switchScheme(2);
    EXPECT_TRUE(waitFor(
        [&] {
            shares(&dark, &white);
            return dark < 0.05;
        },
        kSlow))
        << "dark share after the switch " << dark;
    ASSERT_TRUE(close(window));
}

INSTANTIATE_TEST_SUITE_P(Desktops, ManagedWindow, ::testing::Values(Desk::Bare, Desk::Openbox),
                         [](const auto& p) { return p.param == Desk::Bare ? "noWindowManager" : "openbox"; });

}  // namespace
