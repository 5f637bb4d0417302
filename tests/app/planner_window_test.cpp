// The planner in the real program under openbox, at scale 1 and 2, in Liberation Sans and in DejaVu Sans (the face
// fontconfig is told to prefer): opened with Ctrl+L, the roster read from screenshots, scrolled with the mouse wheel,
// closed with Escape.
#include <gtest/gtest.h>

#include <QDate>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "program_folder.h"
#include "virtual_display.h"
#include "wait.h"

namespace {

constexpr int kSlow = 10000;

struct Desk {
    int scale;
    const char* family;
};

bool near(QRgb pixel, QRgb want, int tolerance = 60) {
    return std::abs(qRed(pixel) - qRed(want)) + std::abs(qGreen(pixel) - qGreen(want)) +
               std::abs(qBlue(pixel) - qBlue(want)) <
           tolerance;
}

bool dark(QRgb pixel) { return qRed(pixel) < 0x70 && qGreen(pixel) < 0x70 && qBlue(pixel) < 0x70; }

// The pixels of a colour in an area: how many, their box and the mean row.
struct Found {
    int count = 0;
    QRect box;
    double row = 0;
};

Found find(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& matches) {
    Found f;
    for (int y = std::max(0, area.top()); y <= std::min(image.height() - 1, area.bottom()); ++y)
        for (int x = std::max(0, area.left()); x <= std::min(image.width() - 1, area.right()); ++x)
            if (matches(image.pixel(x, y))) {
                ++f.count;
                f.box |= QRect(x, y, 1, 1);
                f.row += y;
            }
    if (f.count) f.row /= f.count;
    return f;
}

class PlannerWindow : public ::testing::TestWithParam<Desk> {
  protected:
    void SetUp() override {
        for (const char* tool : {"xdotool", "import", "xprop", "xwininfo", "openbox", "fc-match"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) GTEST_SKIP() << tool << " is missing";
        const int scale = GetParam().scale;
        ASSERT_TRUE(x_.start(QStringLiteral("%1x%2").arg(1280 * scale).arg(1024 * scale)));
        env_ = displayEnvironment(x_.display());
        env_.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
        ASSERT_TRUE(folder_.isValid());
        // Every face asked for comes out as the face of this run.
        const QString fonts = folder_.filePath(QStringLiteral("fonts.conf"));
        QFile conf(fonts);
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write(QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                                  "<fontconfig><include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>\n"
                                  "<match target=\"pattern\"><edit name=\"family\" mode=\"prepend\" binding=\"strong\">"
                                  "<string>%1</string></edit></match></fontconfig>\n")
                       .arg(QLatin1String(GetParam().family))
                       .toUtf8());
        conf.close();
        env_.insert(QStringLiteral("FONTCONFIG_FILE"), fonts);
        ASSERT_EQ(runTool(QStringLiteral("fc-match"),
                          {QStringLiteral("-f"), QStringLiteral("%{family}"), QStringLiteral("Sans Serif")}, env_),
                  QLatin1String(GetParam().family));
        wm_.setProcessEnvironment(env_);
        ASSERT_TRUE(waitFor(
            [&] {
                if (wm_.state() == QProcess::NotRunning)
                    wm_.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
                return runTool(QStringLiteral("xprop"), {"-root", "_NET_SUPPORTING_WM_CHECK"}, env_)
                    .contains(QLatin1String("window id"));
            },
            kSlow));
        ASSERT_TRUE(copyProgramFolder(QStringLiteral(ROROVOVO_PROGRAM_DIR), folder_.path()));
    }

    void TearDown() override {
        for (QProcess* p : {&program_, &wm_})
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished();
            }
    }

    QString tool(const char* name, const QStringList& args) { return runTool(QLatin1String(name), args, env_); }

    QRect client(const QString& window) {
        QRect r;
        for (const QString& line : tool("xwininfo", {"-id", window}).split('\n')) {
            const int value = line.section(':', 1).trimmed().toInt();
            if (line.contains(QLatin1String("Absolute upper-left X:"))) r.moveLeft(value);
            if (line.contains(QLatin1String("Absolute upper-left Y:"))) r.moveTop(value);
            if (line.trimmed().startsWith(QLatin1String("Width:"))) r.setWidth(value);
            if (line.trimmed().startsWith(QLatin1String("Height:"))) r.setHeight(value);
        }
        return r;
    }

    QImage shot() {
        const QString file = folder_.filePath(QStringLiteral("shot.png"));
        tool("import", {"-window", "root", file});
        return QImage(file);
    }

    // The screen once two shots in a row agree: the window has finished painting.
    QImage settled(const QRect& area) {
        QImage last, now;
        waitFor(
            [&] {
                last = now;
                now = shot().copy(area);
                return !last.isNull() && now == last;
            },
            kSlow);
        return now;
    }

    VirtualDisplay x_;
    QProcess wm_, program_;
    QProcessEnvironment env_;
    QTemporaryDir folder_;
};

TEST_P(PlannerWindow, rosterIsWholeAndReadable_marksSitOnTheirDays_scrollingKeepsItExact) {
    const int scale = GetParam().scale;
    const QDate today = QDate::currentDate();
    // Born today: today is a triple critical day, in 11 days a single one. Born 115 days ago: today is double.
    const QString ini = QStringLiteral(
                            "[Planner]\nMembers=3\nMember0=Ann|%1\nMember1=Bob|%2\n"
                            "Member2=Cyrano Maximilian Longname-Extraordinaire|01.01.1990\n")
                            .arg(today.toString(QStringLiteral("dd.MM.yyyy")),
                                 today.addDays(-115).toString(QStringLiteral("dd.MM.yyyy")));
    QFile settings(folder_.filePath(QStringLiteral("Cyclomat.ini")));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(ini.toUtf8());
    settings.close();
    program_.setProcessEnvironment(env_);
    program_.start(folder_.filePath(QStringLiteral("Rorovovo")), {});
    QString main, planner;
    ASSERT_TRUE(
        waitFor([&] { return !(main = visibleWindow(QStringLiteral("^ Biorhythms$"), env_)).isEmpty(); }, kSlow));
    pressKey(main, QStringLiteral("ctrl+l"), env_);
    ASSERT_TRUE(
        waitFor([&] { return !(planner = visibleWindow(QStringLiteral("^Planner$"), env_)).isEmpty(); }, kSlow));

    // Whole on the screen, and no smaller than its layout needs.
    QRect area;
    ASSERT_TRUE(waitFor([&] { return (area = client(planner)).width() > 100; }, kSlow));
    EXPECT_TRUE(QRect(0, 0, 1280 * scale, 1024 * scale).contains(area)) << area.x() << "," << area.y();
    const auto hint = QRegularExpression(QStringLiteral("minimum size: (\\d+) by (\\d+)"))
                          .match(tool("xprop", {"-id", planner, "WM_NORMAL_HINTS"}));
    ASSERT_TRUE(hint.hasMatch());
    EXPECT_GE(area.width(), hint.captured(1).toInt());
    EXPECT_GE(area.height(), hint.captured(2).toInt());

    // Today's column: the first after the names, in its own colour from the head down to the group's row.
    QImage image = settled(area);
    const Found column = find(image, image.rect(), [](QRgb p) { return (p & 0xFFFFFF) == 0xFFF0B0; });
    ASSERT_GT(column.count, 100) << "today's column not found";
    const QRect day = column.box;
    const Found diamond = find(image, day, [](QRgb p) { return near(p, 0xC00000); });
    const Found triangle = find(image, day, [](QRgb p) { return near(p, 0xE06A00); });
    ASSERT_GT(diamond.count, 10 * scale * scale);
    ASSERT_GT(triangle.count, 10 * scale * scale);
    const double row = triangle.row - diamond.row;  // Ann's row, then Bob's
    ASSERT_GT(row, 8 * scale);
    // A diamond is as wide at its middle as at any row; a triangle is widest at its base.
    EXPECT_NEAR(diamond.box.center().y(), diamond.row, 1.5 * scale);
    EXPECT_GT(triangle.row, triangle.box.center().y());
    const int cell = day.width() + scale;  // the column and its grid line
    const Found ring = find(image, QRect(day.left() + 11 * cell, int(diamond.row - row / 2), cell, int(row)),
                            [](QRgb p) { return near(p, 0x1F5FBF); });
    EXPECT_GT(ring.count, 6 * scale) << "no ring on Ann's single day, 11 days on";
    // The date and weekday of the head stay inside the column, and every name ends before the names' rule.
    const Found head =
        find(image, QRect(day.left(), day.top(), day.width(), int(diamond.row - row / 2) - day.top()), dark);
    ASSERT_GT(head.count, 20);
    EXPECT_GT(head.box.left(), day.left());
    EXPECT_LT(head.box.right(), day.right());
    const Found names = find(image, QRect(0, int(diamond.row - row / 2), day.left() - 2 * scale, int(3 * row)), dark);
    ASSERT_GT(names.count, 30);
    const Found rule = find(image, QRect(names.box.right() + 1, int(diamond.row), day.left() - names.box.right(), 1),
                            [](QRgb p) { return (p & 0xFFFFFF) == 0x808080; });
    ASSERT_GE(rule.count, scale);
    EXPECT_GE(rule.box.left() - names.box.right(), 2 * scale) << "a name is cut at the rule, not shortened";

    // Wheel steps across the days move the pixels on view; the result is what a fresh paint shows.
    const QPoint over = area.topLeft() + QPoint(day.center().x() + 5 * cell, int(diamond.row));
    tool("xdotool", {"mousemove", QString::number(over.x()), QString::number(over.y())});
    tool("xdotool", {"click", "--repeat", "4", "--delay", "60", "7"});
    tool("xdotool", {"click", "--repeat", "1", "--delay", "60", "6"});
    tool("xdotool", {"mousemove", "0", "0"});  // no tool tip over the roster
    const QImage stepped = settled(area);
    EXPECT_EQ(find(stepped, day, [](QRgb p) { return (p & 0xFFFFFF) == 0xFFF0B0; }).count, 0) << "did not scroll";
    for (const int h : {area.height() + 1, area.height()}) {
        tool("xdotool", {"windowsize", "--sync", planner, QString::number(area.width()), QString::number(h)});
        waitFor([&] { return client(planner).height() == h; }, kSlow);
    }
    const QRect roster(0, day.top(), area.width(), day.height());
    EXPECT_EQ(settled(area).copy(roster), stepped.copy(roster));

    pressKey(planner, QStringLiteral("Escape"), env_);
    EXPECT_TRUE(waitFor([&] { return visibleWindow(QStringLiteral("^Planner$"), env_).isEmpty(); }, kSlow));
}

INSTANTIATE_TEST_SUITE_P(Desktops, PlannerWindow,
                         ::testing::Values(Desk{1, "Liberation Sans"}, Desk{1, "DejaVu Sans"},
                                           Desk{2, "Liberation Sans"}, Desk{2, "DejaVu Sans"}),
                         [](const auto& p) {
                             return QStringLiteral("scale%1_%2")
                                 .arg(p.param.scale)
                                 .arg(QString::fromLatin1(p.param.family).remove(' '))
                                 .toStdString();
                         });

}  // namespace
