// The program as `make install` lays it out: staged with DESTDIR, started from its bin/ folder under a private
// home, it keeps its settings in that home and changes nothing in the installation.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/file_version.h"
#include "virtual_display.h"
#include "wait.h"

namespace {

const QString kAppId = QStringLiteral(ROROVOVO_APP_ID);

struct Result {
    int exitCode = -1;
    QString out;
};

Result run(const QString& program, const QStringList& args, const QProcessEnvironment& env = {}) {
    QProcess p;
    if (!env.isEmpty()) p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return {p.exitCode(), QString::fromLocal8Bit(p.readAll()).trimmed()};
}

// Every file and folder under `root` with its size and modification time, one line each.
QStringList listing(const QString& root) {
    QStringList lines;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        lines << QStringLiteral("%1 %2 %3")
                     .arg(info.filePath())
                     .arg(info.size())
                     .arg(info.lastModified().toMSecsSinceEpoch());
    }
    lines.sort();
    return lines;
}

// One installation in a temporary folder, shared by the tests below.
class Installed : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        root_ = new QTemporaryDir;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), stage());
        const Result r = run(QStringLiteral(ROROVOVO_CMAKE),
                             {QStringLiteral("--install"), QStringLiteral(ROROVOVO_BINARY_DIR),
                              QStringLiteral("--prefix"), QStringLiteral("/usr")},
                             env);
        installOutput_ = new QString(r.out);
        installed_ = r.exitCode == 0;
    }
    static void TearDownTestSuite() {
        delete root_;
        delete installOutput_;
    }
    void SetUp() override { ASSERT_TRUE(installed_) << installOutput_->toStdString(); }

    static QString stage() { return root_->path() + QStringLiteral("/stage"); }
    static QString prefix() { return stage() + QStringLiteral("/usr/"); }
    static QString home() { return root_->path() + QStringLiteral("/home"); }

    static QTemporaryDir* root_;
    static QString* installOutput_;
    static bool installed_;
};
QTemporaryDir* Installed::root_ = nullptr;
QString* Installed::installOutput_ = nullptr;
bool Installed::installed_ = false;

TEST_F(Installed, desktopEntryMetainfoManualPageAndIconsPassTheirChecks) {
    const QString desktop = prefix() + "share/applications/" + kAppId + ".desktop";
    const QString metainfo = prefix() + "share/metainfo/" + kAppId + ".metainfo.xml";
    struct Check {
        const char* tool;
        QStringList args;
    } checks[] = {
        {"desktop-file-validate", {desktop}},
        {"appstreamcli", {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo}},
        {"man", {QStringLiteral("-l"), prefix() + "share/man/man1/Rorovovo.1.gz"}},
    };
    for (const Check& c : checks) {
        const QString tool = QStandardPaths::findExecutable(QLatin1String(c.tool));
        if (tool.isEmpty()) {
            ADD_FAILURE() << c.tool << " is missing (make deps installs it)";
            continue;
        }
        const Result r = run(tool, c.args);
        EXPECT_EQ(r.exitCode, 0) << c.tool << ": " << r.out.toStdString();
        if (QLatin1String(c.tool) == QLatin1String("man")) {
            EXPECT_TRUE(r.out.contains(QStringLiteral("--version"))) << r.out.toStdString();
        }
    }
    QFile entry(desktop);
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    for (const char* key : {"Name", "GenericName", "Comment", "Categories", "Icon", "Exec", "Keywords"})
        EXPECT_TRUE(text.contains(
            QRegularExpression(QStringLiteral("^%1=.+$").arg(QLatin1String(key)), QRegularExpression::MultilineOption)))
            << key;
    EXPECT_TRUE(text.contains("Icon=" + kAppId + "\n"));
    EXPECT_TRUE(text.contains(QStringLiteral("Exec=Rorovovo\n")));

    const QString icons = prefix() + "share/icons/hicolor/";
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage icon(icons + QStringLiteral("%1x%1/apps/").arg(size) + kAppId + ".png");
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
    }
    // The program's translations, where the installed program looks for them.
    for (const QString& language : QStringLiteral(ROROVOVO_LANGUAGES).split(QLatin1Char(',')))
        EXPECT_TRUE(QFileInfo(prefix() + "share/rorovovo/translations/rorovovo_" + language + ".qm").isFile())
            << qPrintable(language);
    // The About box and --version read the version the executable carries; installing keeps it.
    EXPECT_EQ(rorovovo::platform::getFileVersion(prefix() + "bin/Rorovovo"), QStringLiteral("1.0.3.0"));
    EXPECT_EQ(run(prefix() + "bin/Rorovovo", {QStringLiteral("--version")}).out, QStringLiteral("Rorovovo 1.0.3.0"));
    QFile svg(icons + "scalable/apps/" + kAppId + ".svg");
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().startsWith("<svg "));
}

// SVG is drawn by the module installed under lib/rorovovo/, which the installed program finds there.
TEST_F(Installed, savesAnSvgThroughTheCommandLine) {
    const QString svg = root_->path() + QStringLiteral("/chart.svg");
    const Result r = run(prefix() + "bin/Rorovovo", {"--chart", "15.03.1958", "--name", "Anna Smith", "--output", svg});
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString();
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("<title>Anna Smith, born 15.03.1958</title>"));
}

TEST_F(Installed, keepsProfilesInTheUsersHomeAndWritesNothingIntoTheInstallation) {
    for (const char* tool : {"xdotool", "import"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) GTEST_SKIP() << tool << " is missing";
    VirtualDisplay x;
    ASSERT_TRUE(x.start()) << "Xvfb did not start";
    // Stand-ins for the desktop: a viewer for compiled help, and an opener that writes down what it was given.
    const QString tools = root_->path() + QStringLiteral("/tools");
    const QString opened = root_->path() + QStringLiteral("/opened");
    ASSERT_TRUE(QDir().mkpath(tools));
    const auto script = [&](const QString& name, const QString& body) {
        QFile f(tools + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(("#!/bin/sh\n" + body + "\n").toUtf8());
        f.close();
        ASSERT_TRUE(f.setPermissions(f.permissions() | QFile::ExeOwner));
    };
    script(QStringLiteral("xdg-mime"), QStringLiteral("echo viewer.desktop"));
    script(QStringLiteral("xdg-open"), "echo \"$1\" >> '" + opened + "'");

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), x.display());
    env.insert(QStringLiteral("HOME"), home());
    env.insert(QStringLiteral("PATH"), tools + ":" + env.value(QStringLiteral("PATH")));
    for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_CONFIG_HOME", "XDG_CACHE_HOME",
                             "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"})
        env.remove(QLatin1String(name));
    const auto xdotool = [&](const QStringList& args) { return run(QStringLiteral("xdotool"), args, env).out; };
    ASSERT_TRUE(waitFor([&] { return run(QStringLiteral("xdpyinfo"), {}, env).exitCode == 0; }, 10000))
        << "the display " << x.display().toStdString() << " does not answer";
    const QString settings = home() + QStringLiteral("/.config/Rorovovo/Cyclomat.ini");
    const QStringList before = listing(stage());
    ASSERT_FALSE(before.isEmpty());

    // Starts the installed program and returns its window with the chart's top left corner on the screen.
    struct Window {
        QString id;
        QPoint chart;
    };
    QProcess program;
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(root_->path());
    const auto start = [&]() -> Window {
        program.start(prefix() + "bin/Rorovovo", {});
        if (!program.waitForStarted()) return {};
        // Window found, placed and painted: the chart's silver today band marks its top edge under the menu bar.
        Window w;
        const QString shot = root_->path() + QStringLiteral("/shot.png");
        waitFor(
            [&] {
                w.id = xdotool({"search", "--onlyvisible", "--name", "^ Biorhythms$"}).section('\n', 0, 0);
                if (w.id.isEmpty()) return false;
                QPoint origin;
                for (const QString& line : xdotool({"getwindowgeometry", "--shell", w.id}).split('\n')) {
                    if (line.startsWith(QLatin1String("X="))) origin.setX(line.mid(2).toInt());
                    if (line.startsWith(QLatin1String("Y="))) origin.setY(line.mid(2).toInt());
                }
                run(QStringLiteral("import"), {"-window", "root", shot}, env);
                const QImage image(shot);
                for (int y = origin.y(); !image.isNull() && y < origin.y() + 120; ++y)
                    if ((image.pixel(origin.x() + 31, y) & 0xFFFFFF) == 0xC0C0C0) {
                        w.chart = QPoint(origin.x() + 26, y);
                        return true;
                    }
                return false;
            },
            20000);
        return w;
    };
    const auto redInChart = [&](const Window& w) {
        const QString shot = root_->path() + QStringLiteral("/shot.png");
        run(QStringLiteral("import"), {"-window", "root", shot}, env);
        const QImage image(shot);
        int red = 0;
        for (int y = w.chart.y(); y < w.chart.y() + 180; ++y)
            for (int dx = 0; dx < 500; ++dx) red += (image.pixel(w.chart.x() + dx, y) & 0xFFFFFF) == 0xFF0000;
        return red;
    };
    const auto close = [&](const Window& w) {
        xdotool({"windowfocus", "--sync", w.id});
        xdotool({"key", "ctrl+x"});
        return program.waitForFinished(10000) && program.exitCode() == 0;
    };

    // First run: no profiles, no message about missing celebrities (they come from share/rorovovo).
    Window w = start();
    ASSERT_FALSE(w.chart.isNull()) << "no main window with its chart: " << program.readAll().toStdString();
    EXPECT_TRUE(xdotool({"search", "--onlyvisible", "--name", "^Rorovovo$"}).isEmpty()) << "a message box is open";
    EXPECT_EQ(redInChart(w), 0);
    // Help: F1 finds the guide in the data folder.
    xdotool({"windowfocus", "--sync", w.id});
    xdotool({"key", "F1"});
    const auto openedText = [&] {
        QFile f(opened);
        return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
    };
    EXPECT_TRUE(waitFor([&] { return openedText().endsWith('\n'); }, 10000)) << "help opened nothing";
    const QString target = openedText();
    EXPECT_TRUE(target.contains(prefix() + "share/rorovovo/Rorovovo.chm") ||
                target.contains(prefix() + "share/rorovovo/Cyclomat.txt"))
        << target.toStdString();
    // A box saying the compiled help is missing (a build without chmcmd) is answered.
    const QString box = xdotool({"search", "--onlyvisible", "--name", "^Rorovovo$"});
    if (!box.isEmpty()) xdotool({"key", "--window", box.section('\n', 0, 0), "Return"});

    // Add a profile: a name, then "add new".
    xdotool(
        {"mousemove", "--sync", QString::number(w.chart.x() + 60), QString::number(w.chart.y() + 238), "click", "1"});
    xdotool({"type", "--delay", "20", "Mara Quill"});
    xdotool(
        {"mousemove", "--sync", QString::number(w.chart.x() + 370), QString::number(w.chart.y() + 239), "click", "1"});
    EXPECT_TRUE(waitFor([&] { return redInChart(w) > 20; }, 10000)) << "the new profile's chart was not drawn";
    ASSERT_TRUE(close(w)) << "Ctrl+X did not close the program";
    QFile ini(settings);
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly)) << settings.toStdString();
    EXPECT_TRUE(ini.readAll().contains("0=Mara Quill|"));
    ini.close();

    // Second run: the profile is loaded again and drawn.
    w = start();
    ASSERT_FALSE(w.chart.isNull()) << "no main window with its chart: " << program.readAll().toStdString();
    EXPECT_TRUE(waitFor([&] { return redInChart(w) > 20; }, 10000)) << "the stored profile was not drawn";
    ASSERT_TRUE(close(w));

    EXPECT_EQ(listing(stage()), before);
}

}  // namespace
