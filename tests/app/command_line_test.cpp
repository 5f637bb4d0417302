// What a user at a terminal gets from the program's own options, from the real executable.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>

#include "platform/file_version.h"
#include "program_folder.h"
#include "tests/profiles/ini_test_files.h"
#include "virtual_display.h"
#include "wait.h"

namespace {

const QString kProgram = QStringLiteral(ROROVOVO_PROGRAM_DIR "/Rorovovo");

struct Outcome {
    bool finished = false;
    int exitCode = -1;
    QString out, err;
};

// `redirect`, when given, is a shell's redirection of the program's standard output.
Outcome run(const QStringList& args, const char* redirect = nullptr) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));  // an answer that tried to open a window would fail without a screen
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    if (redirect)
        p.start(QStringLiteral("sh"),
                QStringList{"-c", QStringLiteral("exec \"$0\" \"$@\" ") + redirect, kProgram} + args);
    else
        p.start(kProgram, args);
    Outcome r;
    r.finished = p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit;
    if (!r.finished) p.kill();
    p.waitForFinished();
    r.exitCode = p.exitCode();
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

TEST(CommandLine, answersWithoutAWindow_unknownOptionsAreUsageErrors) {
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("chart.png"));
    const char* const days36525 = R"(^Rorovovo: --days takes a whole number from 1 to 36525 \(try .*\)\n$)";
    const char* const days1000 = R"(^Rorovovo: --days takes a whole number from 1 to 1000 \(try .*\)\n$)";
    const char* const full = R"(^Rorovovo: unable to write the output \(No space left on device\)\n$)";
    struct Case {
        QStringList args;
        int exitCode;
        const char* out;  // pattern for the whole of standard output
        const char* err;  // pattern for the whole of standard error
        const char* redirect = nullptr;
    } cases[] = {
        {{"--help"}, 0, R"(^Usage: Rorovovo \[option\]\n(.*\n)*  --help .*\n(.*\n)*  --version .*\n(.*\n)*$)", "^$"},
        {{"--version"}, 0, R"(^Rorovovo \d+\.\d+\.\d+\.\d+\n$)", "^$"},
        {{"--bogus"}, 2, "^$", R"(^Rorovovo: unknown option '--bogus' \(try 'Rorovovo --help'\)\n$)"},
        {{"-x", "--help"}, 2, "^$", R"(^Rorovovo: unknown option '-x' .*\n$)"},
        {{"file.txt"}, 2, "^$", R"(^Rorovovo: unknown option 'file.txt' .*\n$)"},
        // The toolkit's options may stand before a command, and are not what an error names.
        {{"-style", "fusion", "--version"}, 0, R"(^Rorovovo \d+\.\d+\.\d+\.\d+\n$)", "^$"},
        {{"-style", "fusion", "--bogus"}, 2, "^$", R"(^Rorovovo: unknown option '--bogus' .*\n$)"},
        // A toolkit option without its value, or one the program does not take, is refused before the toolkit starts.
        {{"-platform"}, 2, "^$", R"(^Rorovovo: unknown option '-platform' \(try 'Rorovovo --help'\)\n$)"},
        {{"-style", "--version"}, 2, "^$", R"(^Rorovovo: unknown option '-style' .*\n$)"},
        {{"--version", "-display"}, 2, "^$", R"(^Rorovovo: unknown option '-display' .*\n$)"},
        {{"--platform", "offscreen"}, 2, "^$", R"(^Rorovovo: unknown option '--platform' .*\n$)"},
        // Numbers are decimal, as the message says.
        {{"--critical", "01.01.2000", "--days", "+10"}, 0, "\n$", "^$"},
        {{"--chart", "01.01.2000", "--days", "010", "--output", png}, 0, "^$", "^$"},
        {{"--critical", "01.01.2000", "--days", "0x10"}, 2, "^$", days36525},
        {{"--critical", "01.01.2000", "--days", "$10"}, 2, "^$", days36525},
        {{"--critical", "01.01.2000", "--days", "99999999999999999999"}, 2, "^$", days36525},
        {{"--chart", "01.01.2000", "--days", "0x10", "--output", png}, 2, "^$", days1000},
        {{"--chart", "01.01.2000", "--days", "-5", "--output", png}, 2, "^$", days1000},
        // Output that never arrives fails the command.
        {{"--help"}, 1, "^$", full, ">/dev/full"},
        {{"--version"}, 1, "^$", full, ">/dev/full"},
        {{"--critical", "01.01.2000", "--json"}, 1, "^$", full, ">/dev/full"},
        {{"--compat", "01.01.2000", "02.02.2002"}, 1, "^$", full, ">/dev/full"},
        {{"--compat", "01.01.2000", "02.02.2002", "--json"}, 1, "^$", R"(.*\(Bad file descriptor\)\n$)", ">&-"},
    };
    for (const Case& c : cases) {
        const Outcome r = run(c.args, c.redirect);
        const std::string what = c.args.join(' ').toStdString();
        ASSERT_TRUE(r.finished) << what << " did not end";
        EXPECT_EQ(r.exitCode, c.exitCode) << what;
        EXPECT_TRUE(QRegularExpression(QLatin1String(c.out)).match(r.out).hasMatch())
            << what << ": " << r.out.toStdString();
        EXPECT_TRUE(QRegularExpression(QLatin1String(c.err)).match(r.err).hasMatch())
            << what << ": " << r.err.toStdString();
    }
}

TEST(CommandLine, versionIsTheOneTheAboutBoxReadsFromTheExecutable) {
    const Outcome r = run({QStringLiteral("--version")});
    const QString fileVersion = rorovovo::platform::getFileVersion(kProgram);
    EXPECT_EQ(fileVersion, QStringLiteral("1.0.3.0"));
    EXPECT_EQ(r.out, QStringLiteral("Rorovovo ") + fileVersion + QLatin1Char('\n'));
}

TEST(CommandLine, toolkitOptionAlone_opensTheWindow) {
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) GTEST_SKIP() << "xdotool is missing";
    VirtualDisplay x;
    QTemporaryDir folder;
    ASSERT_TRUE(x.start() && copyProgramFolder(QStringLiteral(ROROVOVO_PROGRAM_DIR), folder.path()));
    const QProcessEnvironment env = displayEnvironment(x.display());
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QDir(folder.path()).filePath(QStringLiteral("Rorovovo")), {"-style", "fusion"});
    QString window;
    waitFor([&] { return !(window = visibleWindow(QStringLiteral("^ Biorhythms$"), env)).isEmpty(); }, 10000);
    ASSERT_FALSE(window.isEmpty()) << program.readAllStandardError().toStdString();
    pressKey(window, QStringLiteral("ctrl+x"), env);
    EXPECT_TRUE(program.waitForFinished(10000) && program.exitCode() == 0);
}

// The help in German from a copy of the program with the tests' German texts, portable or installed, chosen by the
// desktop or by the settings file; and from the built program once its German translation has that text.
TEST(CommandLine, helpSpeaksTheChosenLanguage_fromEitherLayout) {
    const QString german = QStringLiteral("Aufruf: Rorovovo [Option]"),
                  english = QStringLiteral("Usage: Rorovovo [option]");
    QTranslator built;
    const bool translated = built.load(QStringLiteral(ROROVOVO_PROGRAM_DIR "/translations/rorovovo_de.qm")) &&
                            !built
                                 .translate("CommandLine",
                                            "Usage: Rorovovo [option]\n"
                                            "Without an option the program opens its window.\n\n"
                                            "Options:\n")
                                 .isEmpty();
    const struct {
        const char* name;
        const char* layout;    // "portable", "installed", or "built" (the program folder of the build)
        const char* language;  // LANGUAGE, or unset
        QByteArray settings;   // Cyclomat.ini
        bool german;
    } cases[] = {
        {"LANGUAGE=de", "portable", "de", {}, true},
        {"LANGUAGE=de:fr", "installed", "de:fr", {}, true},
        {"French first, which this copy has no file of", "portable", "fr:de", {}, false},
        {"the settings choose", "portable", nullptr, "[Preferences]\nLanguage=de\n", true},
        {"the settings win over the desktop", "portable", "de", "[Preferences]\nLanguage=en\n", false},
        {"LC_ALL=C.UTF-8 alone", "portable", nullptr, {}, false},
        {"the build's own translation", "built", "de", {}, translated},
    };
    for (const auto& c : cases) {
        QTemporaryDir root;
        const QString layout = QLatin1String(c.layout);
        QString program = kProgram;
        if (layout != QLatin1String("built")) {
            const bool installed = layout == QLatin1String("installed");
            const QString bin = root.filePath(installed ? "bin" : "."), data = installed ? "share/rorovovo" : ".";
            program = bin + QStringLiteral("/Rorovovo");
            ASSERT_TRUE(QDir(root.path()).mkpath(data + "/translations") && QDir(root.path()).mkpath(bin));
            ASSERT_TRUE(QFile::copy(kProgram, program) &&
                        QFile::copy(QStringLiteral(ROROVOVO_FIXTURE_TRANSLATIONS "/rorovovo_de.qm"),
                                    root.filePath(data + "/translations/rorovovo_de.qm")));
            QFile::setPermissions(program, QFile::permissions(kProgram));
            if (!c.settings.isEmpty()) {
                QFile ini(bin + QStringLiteral("/Cyclomat.ini"));
                ASSERT_TRUE(ini.open(QIODevice::WriteOnly) && ini.write(c.settings) == c.settings.size());
            }
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("LANGUAGE"));
        if (c.language) env.insert(QStringLiteral("LANGUAGE"), QLatin1String(c.language));
        env.insert(QStringLiteral("HOME"), root.path());
        env.remove(QStringLiteral("XDG_CONFIG_HOME"));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(program, {QStringLiteral("--help")});
        ASSERT_TRUE(p.waitForFinished(10000)) << c.name;
        const QString first = QString::fromUtf8(p.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0);
        EXPECT_EQ(first, c.german ? german : english) << c.name;
    }
}

// Every file a command writes: a symbolic link is followed and stays a link; a FIFO is refused, never opened.
TEST(CommandLine, fileOutputs_followALink_andRefuseAFifo) {
    using namespace rorovovo::profiles::testing;
    QTemporaryDir dir;
    const QString target = dir.filePath("target.png"), link = dir.filePath("link.png"), fifo = dir.filePath("fifo.png");
    ASSERT_TRUE(QFile::link(target, link) && ::mkfifo(qPrintable(fifo), 0644) == 0);
    const struct {
        QStringList command;
        QByteArray start;
    } commands[] = {{{"--critical", "01.01.2000", "--ics"}, "BEGIN:VCALENDAR"},
                    {{"--chart", "01.01.2000", "--output"}, "\x89PNG"}};
    for (const auto& c : commands) {
        writeBytes(target, "old");
        EXPECT_EQ(run(c.command + QStringList{link}).exitCode, 0) << c.command.first().toStdString();
        EXPECT_TRUE(QFileInfo(link).isSymLink() && readBytes(target).startsWith(c.start));
        const Outcome refused = run(c.command + QStringList{fifo});
        EXPECT_TRUE(refused.finished && refused.exitCode == 1 && refused.out.isEmpty()) << "waited on the FIFO?";
        EXPECT_EQ(refused.err, "Unable to write to " + fifo + " (it is not a regular file)\n");
        EXPECT_TRUE(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile()) << "the FIFO was replaced";
    }
}

}  // namespace
