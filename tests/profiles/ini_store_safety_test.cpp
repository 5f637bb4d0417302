// Nothing is lost: failed writes, faults at every step of a write, read-only folders and two copies of the
// program on one settings file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <chrono>
#include <future>

#include "core/errors.h"
#include "ini_test_files.h"
#include "profiles/celebrities.h"
#include "profiles/ini_store.h"
#include "stale_lock.h"

using namespace rorovovo;
using namespace rorovovo::profiles;
using namespace rorovovo::profiles::testing;

namespace {

// The real file system, except that the operation with the given number (counted from 1 over every step of
// every write) fails, as a full disk or a lost medium would make it.
class FailingFileOps : public core::SystemFileOps {
  public:
    int failAt = 0;
    int count = 0;

    bool createTemp(const QString& target, QFile& file) override {
        return pass() && core::SystemFileOps::createTemp(target, file);
    }
    bool write(QFile& file, const QByteArray& bytes) override {
        // A failing write leaves part of the bytes behind, as a full disk does.
        if (!pass()) {
            core::SystemFileOps::write(file, bytes.left(bytes.size() / 2));
            return false;
        }
        return core::SystemFileOps::write(file, bytes);
    }
    bool flush(QFile& file) override { return pass() && core::SystemFileOps::flush(file); }
    bool sync(QFile& file) override { return pass() && core::SystemFileOps::sync(file); }
    bool close(QFile& file) override { return pass() && core::SystemFileOps::close(file); }
    bool replace(const QString& from, const QString& to) override {
        return pass() && core::SystemFileOps::replace(from, to);
    }

  private:
    bool pass() { return ++count != failAt; }
};

// What the add paths of the program do: one action, one commit.
void addProfile(IniStore& store, const QString& entry) {
    IniStore::Batch batch(store);
    const int n = store.readInteger("Records", "Profiles", 0);
    store.writeInteger("Records", "Profiles", n + 1);
    store.writeInteger("Records", "Selected", n);
    store.writeString("Records", QString::number(n), entry);
    batch.commit();
}

QString writeErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const core::WriteError& e) {
        return e.what();
    }
    return "no error";
}

class IniStoreSafetyTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString path = dir.filePath("Cyclomat.ini");
    QByteArray original =
        "; hand-made\r\n[Records]\r\nProfiles=2\r\n0=Mara Quill|07.11.1984\r\n1=Tobias Wren|23.02.1990\r\n";
    QString expectedMessage = "Unable to write to " + QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
};

TEST_F(IniStoreSafetyTest, faultAtEveryStepOfAWrite_leavesTheOldFileAndNoTemporaryFile) {
    writeBytes(path, original);
    int failAt = 1;
    for (;; ++failAt) {
        auto ops = std::make_shared<FailingFileOps>();
        ops->failAt = failAt;
        IniStore store(path, ops);
        const QString message = writeErrorOf([&] { store.writeString("Records", "0", "Ines Falkner|01.06.1962"); });
        if (message == "no error") break;
        EXPECT_EQ(message, expectedMessage) << "step " << failAt;
        EXPECT_EQ(readBytes(path), original) << "step " << failAt;
        EXPECT_EQ(folderEntries(dir.path()), QStringList{"Cyclomat.ini"}) << "step " << failAt;
        EXPECT_EQ(store.readString("Records", "0", ""), "Mara Quill|07.11.1984") << "step " << failAt;
    }
    EXPECT_EQ(failAt, 7);  // create, write, flush, sync, close, rename: all six were made to fail
    EXPECT_EQ(IniStore(path).readString("Records", "0", ""), "Ines Falkner|01.06.1962");
}

TEST_F(IniStoreSafetyTest, faultAtEveryStepOfABatch_leavesNoHalfOfTheAction) {
    writeBytes(path, original);
    for (int failAt = 1; failAt <= 6; ++failAt) {
        auto ops = std::make_shared<FailingFileOps>();
        ops->failAt = failAt;
        IniStore store(path, ops);
        EXPECT_EQ(writeErrorOf([&] { addProfile(store, "Ines Falkner|01.06.1962"); }), expectedMessage);
        EXPECT_EQ(readBytes(path), original) << "step " << failAt;
        EXPECT_EQ(folderEntries(dir.path()), QStringList{"Cyclomat.ini"}) << "step " << failAt;
        EXPECT_EQ(store.readInteger("Records", "Profiles", 0), 2);
        EXPECT_EQ(store.readString("Records", "2", "none"), "none");
    }
}

TEST_F(IniStoreSafetyTest, failedFirstWrite_createsNoFile_andALaterWriteSucceeds) {
    auto ops = std::make_shared<FailingFileOps>();
    ops->failAt = 4;
    IniStore store(path, ops);
    EXPECT_EQ(writeErrorOf([&] { store.writeBool("Preferences", "WindowSize", true); }), expectedMessage);
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_FALSE(store.readBool("Preferences", "WindowSize", false));
    store.writeBool("Preferences", "WindowPosit", true);
    EXPECT_EQ(readBytes(path), "[Preferences]\nWindowPosit=1\n");
}

TEST_F(IniStoreSafetyTest, readOnlyFolder_reportsTheFullPath_andKeepsTheFileByteForByte) {
    writeBytes(path, original);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
    {
        QFile probe(dir.filePath("probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
            GTEST_SKIP() << "this user may write into read-only folders (root)";
        }
    }
    IniStore store(path);
    EXPECT_EQ(store.readInteger("Records", "Profiles", 0), 2);  // reading still works
    EXPECT_EQ(writeErrorOf([&] { addProfile(store, "Ines Falkner|01.06.1962"); }), expectedMessage);
    EXPECT_EQ(writeErrorOf([&] { store.writeString("Preferences", "Rhytms", "111100"); }), expectedMessage);
    store.deleteKey("Records", "9");  // nothing to change: no error either
    EXPECT_EQ(readBytes(path), original);
    EXPECT_EQ(folderEntries(dir.path()), QStringList{"Cyclomat.ini"});
    EXPECT_EQ(store.readInteger("Records", "Profiles", 0), 2);
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
}

TEST_F(IniStoreSafetyTest, twoStoresOnOneFile_eachAddingAProfile_keepBoth) {
    writeBytes(path, original);
    IniStore first(path);
    IniStore second(path);
    EXPECT_EQ(second.readInteger("Records", "Profiles", 0), 2);  // both have read the file
    addProfile(first, "Ines Falkner|01.06.1962");
    addProfile(second, "Lena Corwick|14.08.1921");
    addProfile(first, "Otto Brannigan|30.01.1955");

    IniStore later(path);
    EXPECT_EQ(later.readInteger("Records", "Profiles", 0), 5);
    EXPECT_EQ(later.readString("Records", "2", ""), "Ines Falkner|01.06.1962");
    EXPECT_EQ(later.readString("Records", "3", ""), "Lena Corwick|14.08.1921");
    EXPECT_EQ(later.readString("Records", "4", ""), "Otto Brannigan|30.01.1955");
}

TEST_F(IniStoreSafetyTest, writeOverAFileChangedBehindOurBack_appliesOnTopOfTheirChange) {
    writeBytes(path, "[Preferences]\nRhytms=111100\n");
    IniStore store(path);
    EXPECT_EQ(store.readString("Preferences", "Rhytms", ""), "111100");
    // Another copy writes without this store reading in between; same size, so only the content tells.
    writeBytes(path, "[Preferences]\nRhytms=000011\n");
    store.writeBool("Preferences", "WindowSize", true);
    EXPECT_EQ(readBytes(path), "[Preferences]\nRhytms=000011\nWindowSize=1\n");
}

TEST_F(IniStoreSafetyTest, symbolicLink_staysALink_andTheFileItNamesIsReplaced) {
    const QString real = dir.filePath("real.ini");
    writeBytes(real, "[Records]\nProfiles=0\n");
    ASSERT_TRUE(QFile::link(real, path));
    IniStore store(path);
    store.writeInteger("Records", "Profiles", 1);
    EXPECT_TRUE(QFileInfo(path).isSymLink());
    EXPECT_EQ(readBytes(real), "[Records]\nProfiles=1\n");
}

// The rule of every file the program writes, not only of the settings file.
TEST_F(IniStoreSafetyTest, writeFileAtomically_followsLinks_andLeavesWhatIsNoRegularFile) {
    const QString real = dir.filePath("real.txt"), fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(qPrintable(fifo), 0644), 0);
    const struct {
        const char* name;
        std::function<bool()> make;  // what stands at `path`
        const char* reason;          // empty: the bytes go to `real`
    } cases[] = {
        {"a dangling relative link", [&] { return QFile::link("real.txt", path); }, ""},
        {"a chain of links", [&] { return QFile::link(real, path + ".2") && QFile::link(path + ".2", path); }, ""},
        {"a link to a FIFO", [&] { return QFile::link(fifo, path); }, "it is not a regular file"},
        {"a folder", [&] { return QDir().mkdir(path); }, "it is a folder"},
        {"a loop of links", [&] { return QFile::link(path, path); }, "Too many levels of symbolic links"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QDir().rmdir(path);
        for (const QString& leftover : {path, path + ".2", real}) QFile::remove(leftover);
        ASSERT_TRUE(c.make());
        struct stat before = {}, after = {};
        ::lstat(qPrintable(path), &before);
        const QString problem = *c.reason ? expectedMessage + " (" + c.reason + ")" : QString();
        EXPECT_EQ(core::checkOutputPath(path), problem);
        EXPECT_EQ(writeErrorOf([&] { core::writeFileAtomically(path, "new"); }), *c.reason ? problem : "no error");
        ::lstat(qPrintable(path), &after);
        EXPECT_EQ(after.st_ino, before.st_ino) << "the link, FIFO or folder was replaced";
        EXPECT_EQ(readBytes(real), *c.reason ? QByteArray("<missing>") : QByteArray("new"));
        EXPECT_EQ(folderEntries(dir.path()).filter(".tmp-"), QStringList());
    }
}

TEST_F(IniStoreSafetyTest, pathThatIsNoFile_isReportedAtOnce_neverWaitedOn_andNeverReplaced) {
    const struct {
        const char* name;
        std::function<bool()> make;
        const char* reason;
    } cases[] = {
        {"FIFO", [&] { return ::mkfifo(qPrintable(path), 0644) == 0; }, "it is not a regular file"},
        {"device", [&] { return QFile::link("/dev/null", path); }, "it is not a regular file"},
        {"folder", [&] { return QDir().mkdir(path); }, "it is a folder"},
        {"huge file",
         [&] {
             QFile f(path);  // sparse: no disk space taken
             return f.open(QIODevice::WriteOnly) && f.resize(core::kLargestReadableFile + 1);
         },
         "it is larger than 64 MB"},
    };
    const QString nativePath = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.make());
        struct stat before;
        ASSERT_EQ(::lstat(qPrintable(path), &before), 0);
        struct Seen {
            QString problem, value, writeError, dataError;
        };
        auto seen = std::async(std::launch::async, [&] {
            Seen s;
            IniStore store(path);
            s.problem = store.problem();
            s.value = store.readString("Records", "0", "default");
            s.writeError = writeErrorOf([&] { store.writeString("Records", "Selected", "1"); });
            try {
                readCelebrityFile(path);
            } catch (const AppError& e) {
                s.dataError = e.what();
            }
            return s;
        });
        if (seen.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            ADD_FAILURE() << "still waiting on the " << c.name << " after 5 s";
            // A writer that comes and goes lets every blocked open of a FIFO return, so the test can end.
            while (seen.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
                const int fd = ::open(qPrintable(path), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) ::close(fd);
            }
            continue;
        }
        const Seen s = seen.get();
        const QString problem = "Input/output error: unable to read " + nativePath + " (" + c.reason + ")";
        EXPECT_EQ(s.problem, problem);
        EXPECT_EQ(s.dataError, problem);
        EXPECT_EQ(s.value, "default");
        EXPECT_EQ(s.writeError, expectedMessage);
        struct stat after;
        ASSERT_EQ(::lstat(qPrintable(path), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino) << "replaced";
        EXPECT_EQ(after.st_mode, before.st_mode) << "replaced";
        QDir().rmdir(path);
        QFile::remove(path);
    }
}

TEST_F(IniStoreSafetyTest, whatAKilledWriteLeftBehind_goesAtOpen_unlessAnotherCopyIsWriting) {
    writeBytes(path, original);
    const QStringList notOurs = {"Cyclomat.ini.tmp-1a2b3c4d5", "Cyclomat.ini.tmp-draft", "Other.ini.tmp-1a2b"};
    for (const QString& name : notOurs + QStringList{"Cyclomat.ini.tmp-1a2b", "Cyclomat.ini.tmp-ffffffff"})
        writeBytes(dir.filePath(name), "[Records]\nProf");
    const QStringList everything = folderEntries(dir.path());
    {
        QLockFile writing(path + ".lock");  // another copy in the middle of a write
        ASSERT_TRUE(writing.tryLock(0));
        IniStore store(path);
        QStringList kept = everything + QStringList{"Cyclomat.ini.lock"};
        kept.sort();
        EXPECT_EQ(folderEntries(dir.path()), kept);
    }
    ASSERT_TRUE(writeStaleLock(path + ".lock"));
    IniStore store(path);
    QStringList left = notOurs + QStringList{"Cyclomat.ini"};
    left.sort();
    EXPECT_EQ(folderEntries(dir.path()), left);
    EXPECT_EQ(store.readInteger("Records", "Profiles", 0), 2);
}

}  // namespace
