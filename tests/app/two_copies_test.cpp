// Two copies of the real program on one settings file, driven with real clicks and keys in a virtual X display;
// the file is checked after every step.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <memory>

#include "program_folder.h"
#include "virtual_display.h"

namespace {

using ::testing::IsSubstring;

class TwoCopies : public ::testing::Test {
  protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) GTEST_SKIP() << "xdotool is missing";
        ASSERT_TRUE(x.start()) << "Xvfb did not start";
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(copyProgramFolder(QStringLiteral(ROROVOVO_PROGRAM_DIR), folder.path()));
        env = displayEnvironment(x.display());
        ASSERT_TRUE(reader.start(env)) << "no accessibility bus";
    }

    void TearDown() override {
        for (auto& copy : copies) {
            copy->kill();
            copy->waitForFinished();
        }
    }

    QString xdo(const QStringList& args) const { return runTool(QStringLiteral("xdotool"), args, env); }

    // Polls until `ready` holds; false after `ms` milliseconds.
    static bool waitFor(const std::function<bool()>& ready, int ms = 10000) {
        QDeadlineTimer deadline(ms);
        while (!ready()) {
            if (deadline.hasExpired()) return false;
            QThread::msleep(50);
        }
        return true;
    }

    QString ini() const {
        QFile f(folder.filePath(QStringLiteral("Cyclomat.ini")));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    void writeIni(const QByteArray& text) {
        QFile f(folder.filePath(QStringLiteral("Cyclomat.ini")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    // The "Records" lines, "Selected" left out, joined by blanks.
    QString records() const {
        QStringList kept;
        bool inRecords = false;
        for (const QString& line : ini().split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            if (line.startsWith(QLatin1Char('[')))
                inRecords = line == QLatin1String("[Records]");
            else if (inRecords && !line.startsWith(QLatin1String("Selected=")))
                kept << line;
        }
        return kept.join(QLatin1Char(' '));
    }

    // Waits until the "Records" lines read `want`.
    void awaitRecords(const QString& want) const {
        ASSERT_TRUE(waitFor([&] { return records() == want; })) << records().toStdString();
    }

    // The visible window of a copy whose title matches, or empty text.
    QString window(int copy, const QString& title) const {
        return xdo({QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                    QStringLiteral("--pid"), QString::number(copies[copy]->processId()), QStringLiteral("--name"),
                    title})
            .section(QLatin1Char('\n'), 0, 0);
    }
    QString waitWindow(int copy, const QString& title) const {
        QString w;
        waitFor([&] { return !(w = window(copy, title)).isEmpty(); });
        return w;
    }

    bool launch() {
        copies.push_back(std::make_unique<QProcess>());
        QProcess& p = *copies.back();
        p.setProcessEnvironment(env);
        p.start(folder.filePath(QStringLiteral("Rorovovo")), {});
        return p.waitForStarted();
    }
    // Starts a copy and returns its main window.
    QString start() {
        if (!launch()) return {};
        return waitWindow(int(copies.size()) - 1, QStringLiteral("^ Biorhythms$"));
    }

    // Copies A and B on one file of three profiles, Mara, Pete and the given third one (born 1962), Mara selected.
    void startTwo(const QByteArray& third) {
        writeIni("[Records]\nProfiles=3\nSelected=0\n0=Mara Quill|07.11.1984\n1=Pete Ames|23.02.1990\n2=" + third +
                 "|01.06.1962\n");
        a = start();
        b = start();
        ASSERT_FALSE(a.isEmpty());
        ASSERT_FALSE(b.isEmpty()) << shown(1).toStdString();
    }

    // What a screen reader hears from the copy, one "role|name|text" line each.
    std::string heard(int copy) const {
        return ScreenReader::read(copies[copy]->processId(), env).join(QLatin1Char('\n')).toStdString();
    }
    // Waits for a message box of the copy, reads it as a screen reader does and answers it with Enter; returns
    // what was heard.
    std::string answerBox(int copy) {
        const QString box = waitWindow(copy, QStringLiteral("^Rorovovo$"));
        if (box.isEmpty()) return "no message box";
        const std::string said = heard(copy);
        keysUntil(box, {QStringLiteral("Return")},
                  [&] { return window(copy, QStringLiteral("^Rorovovo$")).isEmpty(); });
        return said;
    }
    static std::string label(const char* text) { return std::string("\nlabel|") + text + "|\n"; }

    void keys(const QString& window, const QStringList& sequence) const {
        xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
        xdo(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("60")} + sequence);
    }
    // A window just shown may not take keys yet, and a copy starting up may take the keyboard away: the keys go
    // again until their effect shows (they start from the same state each time).
    bool keysUntil(const QString& window, const QStringList& sequence, const std::function<bool()>& done) const {
        for (int attempt = 0; attempt < 4; ++attempt) {
            keys(window, sequence);
            if (waitFor(done, 6000)) return true;
        }
        return false;
    }
    void type(const QString& window, const QString& text) const {
        xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
        xdo({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text});
    }

    // Opens "Program" with a click on the menu bar and picks its first ("Add new profile...") or second item
    // ("Delete profile..."); returns the profile editor.
    QString openEditor(int copy, const QString& main, int item) const {
        QStringList sequence;
        for (int i = 0; i < item; ++i) sequence << QStringLiteral("Down");
        sequence << QStringLiteral("Return");
        QString editor;
        for (int attempt = 0; attempt < 4 && editor.isEmpty(); ++attempt) {
            keys(main, {QStringLiteral("Escape")});  // a menu left open by a lost attempt
            // Both copies open at the same place; the click goes to the one on top.
            xdo({QStringLiteral("windowraise"), main});
            xdo({QStringLiteral("mousemove"), QStringLiteral("--window"), main, QStringLiteral("25"),
                 QStringLiteral("10"), QStringLiteral("click"), QStringLiteral("1")});
            // The menu's popup takes the keyboard once it is on the screen.
            waitFor([&] { return windowsOf(copy) > 1; }, 1000);
            xdo(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("60")} + sequence);
            waitFor([&] { return !(editor = window(copy, QStringLiteral("^Profile editor$"))).isEmpty(); }, 2500);
        }
        return editor;
    }
    // The titles of what a copy shows, for a failure's message.
    QString shown(int copy) const {
        QStringList titles;
        for (const QString& w : xdo({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                     QString::number(copies[copy]->processId())})
                                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            titles << xdo({QStringLiteral("getwindowname"), w});
        return titles.join(QStringLiteral(" | "));
    }
    int windowsOf(int copy) const {
        return int(xdo({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                        QString::number(copies[copy]->processId())})
                       .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                       .size());
    }

    // In the editor: the name box has the keyboard; four tabs reach "add new" (add mode) or the list (delete
    // mode, "add new" being disabled there), one more "delete".
    void addInEditor(int copy, const QString& main, const QString& name) {
        const QString editor = openEditor(copy, main, 1);
        ASSERT_FALSE(editor.isEmpty()) << "no profile editor";
        const auto closed = [&] { return window(copy, QStringLiteral("^Profile editor$")).isEmpty(); };
        for (int attempt = 0; attempt < 4 && !closed(); ++attempt) {
            keys(editor, {QStringLiteral("ctrl+a")});
            type(editor, name);
            keys(editor, {QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"),
                          QStringLiteral("space")});
            waitFor(closed, 6000);
        }
        ASSERT_TRUE(closed()) << "the editor did not add " << name.toStdString();
    }
    // Deletes the profile `down` places below the one the editor shows first, and confirms; returns once the
    // editor has closed or a message box is shown. What the confirmation said goes to `heardConfirm` if given.
    void deleteInEditor(int copy, const QString& main, int down, std::string* heardConfirm = nullptr) {
        const QString editor = openEditor(copy, main, 2);
        ASSERT_FALSE(editor.isEmpty()) << "no profile editor";
        QStringList sequence(4, QStringLiteral("Tab"));
        for (int i = 0; i < down; ++i) sequence << QStringLiteral("Down");
        sequence << QStringLiteral("Tab") << QStringLiteral("space");
        QString confirm;
        ASSERT_TRUE(keysUntil(editor, sequence, [&] {
            return !(confirm = window(copy, QStringLiteral("^Confirm$"))).isEmpty();
        })) << "no confirmation";
        if (heardConfirm) *heardConfirm = heard(copy);
        ASSERT_TRUE(keysUntil(confirm, {QStringLiteral("Return")}, [&] {
            return window(copy, QStringLiteral("^Profile editor$")).isEmpty() ||
                   !window(copy, QStringLiteral("^Rorovovo$")).isEmpty();
        })) << "the editor stayed open without a message";
    }

    VirtualDisplay x;
    QTemporaryDir folder;
    QProcessEnvironment env;
    ScreenReader reader;
    std::vector<std::unique_ptr<QProcess>> copies;
    QString a, b;  // the main windows of startTwo()
};

TEST_F(TwoCopies, deleteAndAddActOnTheProfileTheUserSaw) {
    ASSERT_NO_FATAL_FAILURE(startTwo("Paul Bern"));

    // A deletes its first profile.
    deleteInEditor(0, a, 0);
    ASSERT_NO_FATAL_FAILURE(awaitRecords(QLatin1String("Profiles=2 0=Pete Ames|23.02.1990 1=Paul Bern|01.06.1962")));

    // B, whose list still shows Mara, Pete and Paul, deletes its second: Pete goes, Paul stays.
    deleteInEditor(1, b, 1);
    ASSERT_NO_FATAL_FAILURE(awaitRecords(QLatin1String("Profiles=1 0=Paul Bern|01.06.1962")));

    // A adds Alpha, then B adds Bravo after it; B has Bravo selected and deletes it: Alpha stays.
    addInEditor(0, a, QStringLiteral("Alpha"));
    ASSERT_TRUE(waitFor([&] {
        return records().endsWith(QLatin1String("1=Alpha|08.12.2026")) || records().contains(QLatin1String("1=Alpha|"));
    })) << records().toStdString();
    addInEditor(1, b, QStringLiteral("Bravo"));
    ASSERT_TRUE(waitFor([&] { return records().contains(QLatin1String("2=Bravo|")); })) << records().toStdString();
    EXPECT_TRUE(records().contains(QLatin1String("1=Alpha|")));
    EXPECT_TRUE(ini().contains(QLatin1String("Selected=2")));
    EXPECT_PRED_FORMAT2(IsSubstring, "\ntext|name|Bravo\n", heard(1));  // drawn is the one added, not Alpha
    deleteInEditor(1, b, 0);
    ASSERT_TRUE(waitFor([&] { return records().startsWith(QLatin1String("Profiles=2 ")); })) << records().toStdString();
    EXPECT_TRUE(records().contains(QLatin1String("0=Paul Bern|01.06.1962 1=Alpha|"))) << records().toStdString();
}

TEST_F(TwoCopies, aProfileTheOtherCopyDeleted_isReportedInPlainTextOnDeleteAndPick_andNothingIsWritten) {
    ASSERT_NO_FATAL_FAILURE(startTwo("<b>Paul</b>  Bern"));

    // A deletes Paul; B, whose list still shows him, tries to delete him too. His name shows as written, markup
    // and double blank included.
    deleteInEditor(0, a, 2);
    ASSERT_NO_FATAL_FAILURE(awaitRecords(QLatin1String("Profiles=2 0=Mara Quill|07.11.1984 1=Pete Ames|23.02.1990")));
    QString before = ini();
    std::string confirm;
    deleteInEditor(1, b, 2, &confirm);
    EXPECT_PRED_FORMAT2(IsSubstring, label("Sure to delete  '<b>Paul</b>  Bern's'  profile?"), confirm);
    EXPECT_PRED_FORMAT2(IsSubstring, label("The profile '<b>Paul</b>  Bern' is no longer in the settings file."),
                        answerBox(1));
    const QString editor = window(1, QStringLiteral("^Profile editor$"));
    ASSERT_FALSE(editor.isEmpty()) << "the editor closed as if it had deleted";
    ASSERT_TRUE(keysUntil(editor, {QStringLiteral("Escape")},
                          [&] { return window(1, QStringLiteral("^Profile editor$")).isEmpty(); }));
    EXPECT_EQ(ini(), before);

    // A deletes Pete; B picks him in its list, which it last read with him in it.
    deleteInEditor(0, a, 1);
    ASSERT_NO_FATAL_FAILURE(awaitRecords(QLatin1String("Profiles=1 0=Mara Quill|07.11.1984")));
    before = ini();
    ASSERT_TRUE(keysUntil(b, {QStringLiteral("Down")}, [&] {
        return !window(1, QStringLiteral("^Rorovovo$")).isEmpty();
    })) << "no message on the pick";
    EXPECT_PRED_FORMAT2(IsSubstring, label("The profile 'Pete Ames' is no longer in the settings file."), answerBox(1));
    EXPECT_EQ(ini(), before);
    // B still shows Mara, picked in the list.
    const std::string now = heard(1);
    EXPECT_PRED_FORMAT2(IsSubstring, "\ntext|name|Mara Quill\n", now);
    EXPECT_PRED_FORMAT2(IsSubstring, "\ncombo box|Mara Quill|\n", now);
}

// One copy whose start ended, as designed, on a bad rhythm digit before it loaded the profiles.
TEST_F(TwoCopies, aCopyThatNeverLoadedTheProfiles_addsAfterThemAndDeletesOnlyWhatItAdded) {
    const QByteArray three =
        "[Preferences]\nRhytms=1x1100\n[Records]\nProfiles=3\nSelected=1\n0=Mara Quill|07.11.1984\n"
        "1=Pete Ames|23.02.1990\n2=Paul Bern|01.06.1962\n";
    writeIni(three);
    ASSERT_TRUE(launch());
    EXPECT_PRED_FORMAT2(IsSubstring, label("'x' is not a valid integer value."), answerBox(0));
    const QString main = waitWindow(0, QStringLiteral("^ Biorhythms$"));
    ASSERT_FALSE(main.isEmpty()) << shown(0).toStdString();
    EXPECT_EQ(ini(), QString::fromUtf8(three));

    const QString kept =
        QStringLiteral("Profiles=3 0=Mara Quill|07.11.1984 1=Pete Ames|23.02.1990 2=Paul Bern|01.06.1962");
    addInEditor(0, main, QStringLiteral("New Person"));
    ASSERT_TRUE(waitFor([&] {
        return records().startsWith(QString(kept).replace(QStringLiteral("Profiles=3"), QStringLiteral("Profiles=4")) +
                                    QStringLiteral(" 3=New Person|"));
    })) << records().toStdString();
    EXPECT_TRUE(ini().contains(QLatin1String("Selected=3")));
    deleteInEditor(0, main, 0);
    ASSERT_NO_FATAL_FAILURE(awaitRecords(kept));
}

}  // namespace
