// The real program started on settings and data files that once made it re-encode, hang or die: each run starts
// the program, answers its message boxes, closes it with Ctrl+X and then looks at the files byte for byte.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "program_folder.h"
#include "stale_lock.h"
#include "virtual_display.h"

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(path);
    file.write(bytes);
}

QByteArray utf16(const char* text, QStringConverter::Encoding encoding) {
    return QStringEncoder(encoding, QStringEncoder::Flag::WriteBom).encode(QString::fromUtf8(text));
}

class HostileFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) GTEST_SKIP() << "xdotool is missing";
        ASSERT_TRUE(display.start()) << "Xvfb did not start";
        env = displayEnvironment(display.display());
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(copyProgramFolder(QStringLiteral(ROROVOVO_PROGRAM_DIR), folder.path()));
    }
    void TearDown() override {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished();
        }
    }
    QString file(const char* name) const { return QDir(folder.path()).filePath(QLatin1String(name)); }

    // Starts the program, waits for its main window and closes it again, answering every message box on the way;
    // the whole run has a deadline, so a start that hangs fails here.
    void startAndClose() {
        boxes = 0;
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(QDir::tempPath());
        program.start(file("Rorovovo"), {});
        ASSERT_TRUE(program.waitForStarted());
        QString window;
        const auto shown = [&] { return !(window = visibleWindow(QStringLiteral("^ Biorhythms$"), env)).isEmpty(); };
        ASSERT_TRUE(answerBoxesUntil(program, env, 20000, &boxes, shown))
            << "no main window within 20 s; program " << (program.state() == QProcess::NotRunning ? "ended" : "runs")
            << ", exit " << program.exitStatus() << "/" << program.exitCode() << ": "
            << program.readAllStandardError().constData();
        if (onShown) onShown();
        pressKey(window, QStringLiteral("ctrl+x"), env);
        const auto ended = [&] { return program.state() == QProcess::NotRunning; };
        ASSERT_TRUE(answerBoxesUntil(program, env, 20000, &boxes, ended)) << "still running 20 s after Ctrl+X";
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "ended by a signal";
        EXPECT_EQ(program.exitCode(), 0);
    }

    VirtualDisplay display;
    QProcessEnvironment env;
    ScreenReader reader;  // started by the tests that read the window, before the program
    QTemporaryDir folder;
    QProcess program;
    int boxes = 0;
    std::function<void()> onShown;
};

TEST_F(HostileFiles, aStartAndCloseKeepEveryByteItDidNotChange_inTheFilesOwnEncoding) {
    const char* text =
        "[Preferences]\r\nRhytms=111100\r\n[Records]\r\nProfiles=2\r\nSelected=1\r\n"
        "0=José Martí|01.02.1990\r\n1=Zoë Ångström|03.04.1950\r\n";
    const struct {
        const char* name;
        QByteArray before;
        QByteArray after;  // empty: the file is not touched at all
    } cases[] = {
        {"a Windows-1252 comment in a UTF-8 file",
         "; caf\xE9 (typed in an old editor)\r\n[Preferences]\r\nRhytms=111100\r\n[Records]\r\nProfiles=2\r\n"
         "Selected=1\r\n0=Jos\xC3\xA9 Mart\xC3\xAD|01.02.1990\r\n1=Ren\xE9|03.04.1950\n",
         {}},
        {"UTF-16LE", utf16(text, QStringConverter::Utf16LE), {}},
        {"UTF-16BE", utf16(text, QStringConverter::Utf16BE), {}},
        {"UTF-16LE with an obsolete section and no rhythms",
         utf16("[Preferences]\r\nWindowSize=0\r\n[Rhytms]\r\nold=1\r\n[Records]\r\nProfiles=1\r\nSelected=0\r\n"
               "0=José|01.02.1990\r\n",
               QStringConverter::Utf16LE),
         utf16("[Preferences]\r\nWindowSize=0\r\nRhytms=111100\r\n[Records]\r\nProfiles=1\r\nSelected=0\r\n"
               "0=José|01.02.1990\r\n",
               QStringConverter::Utf16LE)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeAll(file("Cyclomat.ini"), c.before);
        struct stat before;
        ASSERT_EQ(::stat(qPrintable(file("Cyclomat.ini")), &before), 0);
        startAndClose();
        EXPECT_EQ(boxes, 0);
        if (c.after.isEmpty()) {
            EXPECT_EQ(readAll(file("Cyclomat.ini")), c.before);
            struct stat after;
            ASSERT_EQ(::stat(qPrintable(file("Cyclomat.ini")), &after), 0);
            EXPECT_EQ(after.st_ino, before.st_ino) << "the file was replaced";
            EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec) << "the file was written";
        } else {
            EXPECT_EQ(readAll(file("Cyclomat.ini")), c.after);
        }
    }
}

TEST_F(HostileFiles, aCountFarBeyondItsEntries_startsInTime_staysSmall_andListsWhatIsThere) {
    ASSERT_TRUE(reader.start(env)) << "no accessibility bus";
    // The count, and one key, far beyond the entries there are.
    const QByteArray records =
        "[Records]\nProfiles=2147483647\nSelected=0\n0=Mara Quill|07.11.1984\n1999999999=Tobias Wren|23.02.1990\n";
    writeAll(file("Cyclomat.ini"), records);
    QString heard;
    qint64 peakKb = -1;  // the most memory the program held at once, when its window showed
    onShown = [&] {
        QFile status(QStringLiteral("/proc/%1/status").arg(program.processId()));
        if (status.open(QIODevice::ReadOnly))
            peakKb = QRegularExpression(QStringLiteral("VmHWM:\\s*(\\d+) kB"))
                         .match(QString::fromLatin1(status.readAll()))
                         .captured(1)
                         .toLongLong();
        heard = ScreenReader::read(program.processId(), env).join(QLatin1Char('\n'));
    };
    startAndClose();  // fails on its deadline when the start follows the stated count
    EXPECT_EQ(boxes, 0);
    EXPECT_GT(peakKb, 0);
    EXPECT_LT(peakKb, 200 * 1024) << "kB at the most";
    EXPECT_EQ(heard.count(QStringLiteral("\nlist item|")), 1) << qPrintable(heard);
    EXPECT_TRUE(heard.contains(QStringLiteral("\nlist item|Mara Quill|\n"))) << qPrintable(heard);
    EXPECT_TRUE(readAll(file("Cyclomat.ini")).startsWith(records));  // the close stores only the rhythms
}

TEST_F(HostileFiles, aFifoInPlaceOfEitherFile_isReportedAndTheProgramRunsWithoutIt) {
    const struct {
        const char* name;
        int boxes;  // the settings FIFO is reported at the start and again when the close cannot store the rhythms
    } cases[] = {{"Cyclomat.ini", 2}, {"Cyclomat.dat", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(file(c.name));
        ASSERT_EQ(::mkfifo(qPrintable(file(c.name)), 0644), 0);
        startAndClose();
        EXPECT_EQ(boxes, c.boxes);
        struct stat st;
        ASSERT_EQ(::stat(qPrintable(file(c.name)), &st), 0);
        EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "the FIFO was replaced";
        QFile::remove(file(c.name));
    }
}

TEST_F(HostileFiles, aWriteOverTheFileSizeLimit_failsWithAMessage_andLeavesTheFileAsItWas) {
    QByteArray before = "[Preferences]\nWindowSize=0\n";
    while (before.size() < 8192) before += "; a long hand-written note that makes the file larger than the limit\n";
    writeAll(file("Cyclomat.ini"), before);
    program.setChildProcessModifier([] {
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    startAndClose();  // the close stores the rhythms, which needs a file larger than the limit
    EXPECT_EQ(boxes, 1) << "no \"Unable to write\" box";
    EXPECT_EQ(readAll(file("Cyclomat.ini")), before);
    EXPECT_EQ(QDir(folder.path()).entryList({QStringLiteral("Cyclomat.ini.*")}, QDir::Files), QStringList());
}

TEST_F(HostileFiles, whatAKilledWriteLeftBehind_isRemovedAtTheNextStart_andNothingElse) {
    const QByteArray settings = "[Preferences]\nRhytms=111100\n";
    writeAll(file("Cyclomat.ini"), settings);
    writeAll(file("Cyclomat.ini.tmp-3fa9c01"), "[Preferences]\nRhy");
    writeAll(file("Cyclomat.ini.tmp-notes.txt"), "not ours");
    ASSERT_TRUE(writeStaleLock(file("Cyclomat.ini.lock")));

    QStringList seen;
    onShown = [&] { seen = QDir(folder.path()).entryList({QStringLiteral("Cyclomat.ini*")}, QDir::Files); };
    startAndClose();
    EXPECT_EQ(seen, QStringList({"Cyclomat.ini", "Cyclomat.ini.tmp-notes.txt"}));
    EXPECT_EQ(readAll(file("Cyclomat.ini")), settings);
}

}  // namespace
