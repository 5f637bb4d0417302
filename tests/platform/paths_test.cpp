// Where the program keeps its files: beside itself (portable) or in the user's home (installed).
#include "platform/paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace rorovovo::platform;

namespace {

// A fake installation tree: <root>/bin is the executable's folder, <root>/share/rorovovo the data folder.
class Tree : public ::testing::Test {
  protected:
    QString root() const { return dir.path() + QLatin1Char('/'); }
    QString bin() const { return root() + QStringLiteral("bin/"); }
    void make(const QString& folder) { ASSERT_TRUE(QDir().mkpath(root() + folder)); }
    void touch(const QString& file) {
        QFile f(root() + file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QProcessEnvironment env(const QString& config = {}, const QString& cache = {}) const {
        QProcessEnvironment e;
        e.insert(QStringLiteral("HOME"), root() + QStringLiteral("home"));
        if (!config.isNull()) e.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        if (!cache.isNull()) e.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
        return e;
    }
    // The folder's permission bits as `ls -l` shows them, or -1 when it is missing.
    int mode(const QString& folder) const {
        struct stat st {};
        if (::stat(QFile::encodeName(root() + folder).constData(), &st) != 0) return -1;
        return static_cast<int>(st.st_mode & 07777);
    }

    QTemporaryDir dir;
};

TEST_F(Tree, layoutIsInstalledOnlyWithADataFolderAndNoSettingsFileBesideTheProgram) {
    struct Case {
        const char* name;
        bool dataFolder, dataIsFile, iniBeside, folderNamedIni;
        Layout expected;
    } cases[] = {
        {"bare program folder", false, false, false, false, Layout::Portable},
        {"data folder", true, false, false, false, Layout::Installed},
        {"data folder, settings beside", true, false, true, false, Layout::Portable},
        {"settings beside only", false, false, true, false, Layout::Portable},
        {"share/rorovovo is a file", false, true, false, false, Layout::Portable},
        {"a folder named like the settings", true, false, false, true, Layout::Portable},
    };
    for (const Case& c : cases) {
        QTemporaryDir fresh;
        dir.swap(fresh);
        make(QStringLiteral("bin"));
        if (c.dataFolder) make(QStringLiteral("share/rorovovo"));
        if (c.dataIsFile) {
            make(QStringLiteral("share"));
            touch(QStringLiteral("share/rorovovo"));
        }
        if (c.iniBeside) touch(QStringLiteral("bin/Cyclomat.ini"));
        if (c.folderNamedIni) make(QStringLiteral("bin/Cyclomat.ini"));
        EXPECT_EQ(layoutOf(bin()), c.expected) << c.name;
        EXPECT_EQ(layoutOf(root() + QStringLiteral("bin")), c.expected) << c.name << ", no separator";
        EXPECT_EQ(programFilesFor(bin(), env()).layout, c.expected) << c.name;
    }
}

TEST_F(Tree, portableKeepsEveryFileBesideTheProgramWhateverTheEnvironment) {
    make(QStringLiteral("bin"));
    const ProgramFiles f = programFilesFor(bin(), env(root() + "config", root() + "cache"));
    EXPECT_EQ(f.layout, Layout::Portable);
    const QStringList got = {f.settingsFile, f.celebrityFile,  f.helpFile,         f.guideFile,
                             f.versionFile,  f.shownReminders, f.reminderCalendar, f.translations};
    const QStringList want = {bin() + "Cyclomat.ini",
                              bin() + "Cyclomat.dat",
                              bin() + "Rorovovo.chm",
                              bin() + "Cyclomat.txt",
                              bin() + "vitawave.xml",
                              bin() + "Rorovovo-reminders-shown.txt",
                              bin() + "Rorovovo-critical-days.ics",
                              bin() + "translations/"};
    EXPECT_EQ(got, want);
    EXPECT_TRUE(prepareFolders(f));
    EXPECT_FALSE(QFileInfo::exists(root() + "config"));
    EXPECT_FALSE(QFileInfo::exists(root() + "cache"));
}

TEST_F(Tree, installedReadsFromTheDataFolderAndWritesUnderTheUsersXdgFolders) {
    make(QStringLiteral("bin"));
    make(QStringLiteral("share/rorovovo"));
    const QString home = root() + "home/";
    struct Case {
        const char* name;
        QString config, cache;  // null: unset
        QString settingsFile, versionFile;
    } cases[] = {
        {"unset", {}, {}, home + ".config/Rorovovo/Cyclomat.ini", home + ".cache/Rorovovo/vitawave.xml"},
        {"empty", "", "", home + ".config/Rorovovo/Cyclomat.ini", home + ".cache/Rorovovo/vitawave.xml"},
        {"relative", "conf", "tmp/c", home + ".config/Rorovovo/Cyclomat.ini", home + ".cache/Rorovovo/vitawave.xml"},
        {"absolute", root() + "cfg", root() + "cch/", root() + "cfg/Rorovovo/Cyclomat.ini",
         root() + "cch/Rorovovo/vitawave.xml"},
    };
    for (const Case& c : cases) {
        const ProgramFiles f = programFilesFor(bin(), env(c.config, c.cache));
        EXPECT_EQ(f.layout, Layout::Installed) << c.name;
        EXPECT_EQ(f.settingsFile, c.settingsFile) << c.name;
        EXPECT_EQ(f.versionFile, c.versionFile) << c.name;
        EXPECT_EQ(f.shownReminders, home + ".local/state/Rorovovo/Rorovovo-reminders-shown.txt") << c.name;
        EXPECT_EQ(f.reminderCalendar, home + ".local/share/Rorovovo/Rorovovo-critical-days.ics") << c.name;
        const QString data = root() + "share/rorovovo/";
        EXPECT_EQ(
            QStringList({f.celebrityFile, f.helpFile, f.guideFile, f.translations}),
            QStringList({data + "Cyclomat.dat", data + "Rorovovo.chm", data + "Cyclomat.txt", data + "translations/"}))
            << c.name;
    }
}

TEST_F(Tree, missingUserFoldersAreCreatedForTheOwnerOnly_existingOnesKeepTheirMode) {
    make(QStringLiteral("bin"));
    make(QStringLiteral("share/rorovovo"));
    make(QStringLiteral("home"));
    ASSERT_EQ(::chmod(QFile::encodeName(root() + "home").constData(), 0750), 0);
    const ProgramFiles f = programFilesFor(bin(), env(root() + "home/new/config"));
    ASSERT_TRUE(prepareFolders(f));
    for (const char* folder : {"home/new", "home/new/config", "home/new/config/Rorovovo", "home/.cache/Rorovovo"}) {
        EXPECT_TRUE(QFileInfo(root() + folder).isDir()) << folder;
        EXPECT_EQ(mode(folder), 0700) << folder;
    }
    EXPECT_EQ(mode("home"), 0750);
    EXPECT_EQ(QFileInfo(f.settingsFile).path(), root() + "home/new/config/Rorovovo");
    EXPECT_TRUE(prepareFolders(f));  // a second start finds them
    EXPECT_TRUE(QDir(root() + "share/rorovovo").isEmpty());
}

TEST_F(Tree, aFileInTheWayOfTheConfigFolderIsReported) {
    make(QStringLiteral("bin"));
    make(QStringLiteral("share/rorovovo"));
    touch(QStringLiteral("blocker"));
    EXPECT_FALSE(prepareFolders(programFilesFor(bin(), env(root() + "blocker/config"))));
    EXPECT_FALSE(prepareFolders(programFilesFor(bin(), env(root() + "blocker"))));
}

}  // namespace
