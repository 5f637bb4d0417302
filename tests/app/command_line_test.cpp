// What a user at a terminal gets from the program's own options, from the real executable.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>

#include "platform/file_version.h"

namespace {

const QString kProgram = QStringLiteral(ROROVOVO_PROGRAM_DIR "/Rorovovo");

struct Outcome {
    bool finished = false;
    int exitCode = -1;
    QString out, err;
};

Outcome run(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));  // an answer that tried to open a window would fail without a screen
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
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
    struct Case {
        QStringList args;
        int exitCode;
        const char* out;  // pattern for the whole of standard output
        const char* err;  // pattern for the whole of standard error
    } cases[] = {
        {{"--help"}, 0, R"(^Usage: Rorovovo \[option\]\n(.*\n)*  --help .*\n(.*\n)*  --version .*\n(.*\n)*$)", "^$"},
        {{"--version"}, 0, R"(^Rorovovo \d+\.\d+\.\d+\.\d+\n$)", "^$"},
        {{"--bogus"}, 2, "^$", R"(^Rorovovo: unknown option '--bogus' \(try 'Rorovovo --help'\)\n$)"},
        {{"-x", "--help"}, 2, "^$", R"(^Rorovovo: unknown option '-x' .*\n$)"},
        {{"file.txt"}, 2, "^$", R"(^Rorovovo: unknown option 'file.txt' .*\n$)"},
        // The toolkit's options may stand before a command, and are not what an error names.
        {{"-style", "fusion", "--version"}, 0, R"(^Rorovovo \d+\.\d+\.\d+\.\d+\n$)", "^$"},
        {{"-style", "fusion", "--bogus"}, 2, "^$", R"(^Rorovovo: unknown option '--bogus' .*\n$)"},
    };
    for (const Case& c : cases) {
        const Outcome r = run(c.args);
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

}  // namespace
