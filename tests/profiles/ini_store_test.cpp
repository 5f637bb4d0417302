// The settings store's documented properties, one group at a time, on real files.
#include "profiles/ini_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QThread>

#include "ini_test_files.h"

using namespace rorovovo;
using namespace rorovovo::profiles;
using namespace rorovovo::profiles::testing;

namespace {

class IniStoreTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString path = dir.filePath("Cyclomat.ini");

    // Writes the file, opens a store on it and reads one key the way the window code would.
    QString readFrom(const QByteArray& bytes, const QString& section, const QString& key, const QString& def = "?") {
        writeBytes(path, bytes);
        IniStore store(path);
        return store.readString(section, key, def);
    }
    int integerFrom(const QByteArray& value, int def = -99) {
        writeBytes(path, "[S]\nK=" + value + "\n");
        IniStore store(path);
        return store.readInteger("S", "K", def);
    }
};

TEST_F(IniStoreTest, missingFile_readsDefaults_andOnlyAWriteCreatesIt) {
    IniStore store(path);
    EXPECT_EQ(store.readString("Preferences", "Rhytms", "111100"), "111100");
    EXPECT_EQ(store.readInteger("Records", "Selected", -1), -1);
    EXPECT_TRUE(store.readBool("Preferences", "WindowSize", true));
    store.deleteKey("Records", "3");
    store.eraseSection("Rhytms");
    EXPECT_FALSE(QFileInfo::exists(path));

    store.writeString("Preferences", "Rhytms", "111100");
    EXPECT_EQ(readBytes(path), "[Preferences]\nRhytms=111100\n");
    EXPECT_EQ(folderEntries(dir.path()), QStringList{"Cyclomat.ini"});
}

TEST_F(IniStoreTest, emptyValue_isEmptyText_whileMissingKeyGivesDefault) {
    writeBytes(path, "[Records]\n0=\nProfiles=   \n");
    IniStore store(path);
    EXPECT_EQ(store.readString("Records", "0", "default"), "");
    EXPECT_EQ(store.readString("Records", "Profiles", "default"), "");
    EXPECT_EQ(store.readString("Records", "1", "default"), "default");
    EXPECT_EQ(store.readString("Other", "0", "default"), "default");
    EXPECT_EQ(store.readInteger("Records", "Profiles", 7), 7);
}

TEST_F(IniStoreTest, values_areTrimmed_andCutAfter2047Characters_whileTheFileKeepsThemWhole) {
    EXPECT_EQ(readFrom("[S]\nK = \t Mara Quill|07.11.1984 \t\n", "S", "K"), "Mara Quill|07.11.1984");

    const QString long2048 = QString(2047, 'a') + "b";
    writeBytes(path, "[S]\nK=" + long2048.toUtf8() + "\n");
    IniStore store(path);
    EXPECT_EQ(store.readString("S", "K", ""), QString(2047, 'a'));
    store.writeString("S", "Other", "x");  // the rewrite must not cut the long line
    EXPECT_EQ(readBytes(path), "[S]\nK=" + long2048.toUtf8() + "\nOther=x\n");

    const QString longer = QString(100000, 'z');
    EXPECT_EQ(readFrom("[S]\nK=" + longer.toUtf8() + "\nL=after\n", "S", "L"), "after");
}

TEST_F(IniStoreTest, integers_readDecimalWithSignOrHex_andDefaultOtherwise) {
    EXPECT_EQ(integerFrom("12"), 12);
    EXPECT_EQ(integerFrom(" -7 "), -7);
    EXPECT_EQ(integerFrom("+5"), 5);
    EXPECT_EQ(integerFrom("0x1F"), 31);
    EXPECT_EQ(integerFrom("0X10"), 16);
    EXPECT_EQ(integerFrom("$ff"), 255);
    EXPECT_EQ(integerFrom("$FFFFFFFF"), -1);
    EXPECT_EQ(integerFrom("-2147483648"), -2147483648);
    EXPECT_EQ(integerFrom("2147483647"), 2147483647);
    for (const char* bad : {"12abc", "abc", "", "0x", "$", "-", "2147483648", "$100000000", "x12", "1 2", "0x1G"}) {
        EXPECT_EQ(integerFrom(bad), -99) << bad;
    }
}

TEST_F(IniStoreTest, integersAndBooleans_areWrittenAsDecimalAndOneOrZero) {
    IniStore store(path);
    store.writeInteger("Preferences", "WinTop", -5);
    store.writeBool("Preferences", "WindowSize", true);
    store.writeBool("Preferences", "WindowPosit", false);
    EXPECT_EQ(readBytes(path), "[Preferences]\nWinTop=-5\nWindowSize=1\nWindowPosit=0\n");
    EXPECT_TRUE(store.readBool("Preferences", "WindowSize", false));
    EXPECT_FALSE(store.readBool("Preferences", "WindowPosit", true));
    EXPECT_TRUE(store.readBool("Preferences", "WinTop", false));  // any non-zero integer
}

TEST_F(IniStoreTest, booleans_readAsIntegers_withDefaultForNonNumbers) {
    writeBytes(path, "[P]\nA=2\nB=0x0\nC=yes\nD=\n");
    IniStore store(path);
    EXPECT_TRUE(store.readBool("P", "A", false));
    EXPECT_FALSE(store.readBool("P", "B", true));
    EXPECT_TRUE(store.readBool("P", "C", true));
    EXPECT_FALSE(store.readBool("P", "C", false));
    EXPECT_FALSE(store.readBool("P", "D", false));
    EXPECT_TRUE(store.readBool("P", "Missing", true));
}

TEST_F(IniStoreTest, namesIgnoreCase_andARewriteKeepsTheSpellingInTheFile) {
    writeBytes(path, "[Records]\nProfiles = 3\n");
    IniStore store(path);
    EXPECT_EQ(store.readInteger("RECORDS", "profiles", 0), 3);
    store.writeInteger("records", "PROFILES", 4);
    EXPECT_EQ(readBytes(path), "[Records]\nProfiles = 4\n");
}

TEST_F(IniStoreTest, keyOrder_followsFirstWrite_newKeysEndTheirSection_newSectionsEndTheFile) {
    writeBytes(path, "[Preferences]\nRhytms=111100\n[Records]\nProfiles=1\n0=Mara Quill|07.11.1984\n");
    IniStore store(path);
    store.writeBool("Preferences", "WindowSize", true);
    store.writeString("Records", "1", "Tobias Wren|23.02.1990");
    store.writeInteger("Records", "Profiles", 2);
    store.writeString("Extra", "Key", "v");
    store.writeString("Preferences", "Rhytms", "101100");
    EXPECT_EQ(readBytes(path),
              "[Preferences]\nRhytms=101100\nWindowSize=1\n[Records]\nProfiles=2\n0=Mara Quill|07.11.1984\n"
              "1=Tobias Wren|23.02.1990\n[Extra]\nKey=v\n");
}

TEST_F(IniStoreTest, writesThatChangeNothing_leaveTheFileUntouched) {
    // One Windows-1252 comment in a UTF-8 file: nothing may be re-encoded, nor the file replaced.
    const QByteArray before = "; caf\xE9\r\n[Records]\nProfiles=1\n0=Jos\xC3\xA9|01.01.2000\n";
    writeBytes(path, before);
    struct stat old;
    ASSERT_EQ(::stat(qPrintable(path), &old), 0);
    IniStore store(path);
    store.deleteKey("Records", "5");
    store.deleteKey("Nowhere", "0");
    store.eraseSection("Rhytms");
    store.writeInteger("Records", "Profiles", 1);
    store.writeString("Records", "0", QString::fromUtf8("José|01.01.2000"));
    EXPECT_EQ(readBytes(path), before);
    struct stat now;
    ASSERT_EQ(::stat(qPrintable(path), &now), 0);
    EXPECT_EQ(now.st_ino, old.st_ino) << "the file was replaced";
}

TEST_F(IniStoreTest, revision_staysWhileNothingChanges_andMovesWithOwnAndOtherWrites) {
    writeBytes(path, "[Records]\nProfiles=1\n");
    IniStore store(path);
    const quint64 opened = store.revision();
    store.writeInteger("Records", "Profiles", 1);
    EXPECT_EQ(store.readInteger("Records", "Profiles", 0), 1);
    EXPECT_EQ(store.revision(), opened);
    store.writeInteger("Records", "Profiles", 2);
    const quint64 written = store.revision();
    EXPECT_NE(written, opened);
    // Another program's write shows as the reads see it, after the store's short pause between looks at the disk.
    writeBytes(path, "[Records]\nProfiles=33\n");
    QDeadlineTimer deadline(5000);
    while (store.revision() == written && !deadline.hasExpired()) QThread::msleep(2);
    EXPECT_NE(store.revision(), written);
    EXPECT_EQ(store.readInteger("Records", "Profiles", 0), 33);
}

TEST_F(IniStoreTest, deleteKeyAndEraseSection_removeEveryLineOfTheirTarget) {
    writeBytes(path, "[Rhytms]\nA=1\n; note\nB=2\n[Records]\nProfiles=2\n0=A|1\n1=B|2\n[rhytms]\nC=3\n");
    IniStore store(path);
    store.eraseSection("RHYTMS");
    store.deleteKey("Records", "1");
    EXPECT_EQ(readBytes(path), "[Records]\nProfiles=2\n0=A|1\n");
    EXPECT_EQ(store.readString("Rhytms", "C", "gone"), "gone");
}

TEST_F(IniStoreTest, commentsBlankLinesAndLinesWithoutEquals_surviveRewrites) {
    writeBytes(path, "; settings\n\n[Preferences]\n  ; Rhytms=000000\nnot a key\n\nRhytms=111100\n\n[Records]\n");
    IniStore store(path);
    EXPECT_EQ(store.readString("Preferences", "; Rhytms", "none"), "none");
    store.writeString("Preferences", "Rhytms", "000011");
    store.writeString("Preferences", "WinWidth", "700");
    EXPECT_EQ(readBytes(path),
              "; settings\n\n[Preferences]\n  ; Rhytms=000000\nnot a key\n\nRhytms=000011\nWinWidth=700\n\n"
              "[Records]\n");
}

TEST_F(IniStoreTest, duplicateSectionsAndKeys_theFirstCountsAndIsRewritten) {
    writeBytes(path, "[Records]\nProfiles=1\nprofiles=9\n[RECORDS]\nSelected=4\n");
    IniStore store(path);
    EXPECT_EQ(store.readInteger("Records", "Profiles", 0), 1);
    EXPECT_EQ(store.readInteger("Records", "Selected", -1), -1);
    store.writeInteger("Records", "Profiles", 2);
    store.writeInteger("Records", "Selected", 0);
    EXPECT_EQ(readBytes(path), "[Records]\nProfiles=2\nprofiles=9\nSelected=0\n[RECORDS]\nSelected=4\n");
}

TEST_F(IniStoreTest, byteOrderMark_isSkippedOnReading_andKeptOnWriting) {
    writeBytes(path, "\xEF\xBB\xBF[Records]\nProfiles=1\n");
    IniStore store(path);
    EXPECT_EQ(store.readInteger("Records", "Profiles", 0), 1);
    store.writeInteger("Records", "Profiles", 2);
    EXPECT_EQ(readBytes(path), "\xEF\xBB\xBF[Records]\nProfiles=2\n");
}

TEST_F(IniStoreTest, crLfFile_readsAndStaysCrLf) {
    writeBytes(path, "[Records]\r\nProfiles=1\r\n0=Mara Quill|07.11.1984\r\n");
    IniStore store(path);
    EXPECT_EQ(store.readString("Records", "0", ""), "Mara Quill|07.11.1984");
    store.writeInteger("Records", "Selected", 0);
    EXPECT_EQ(readBytes(path), "[Records]\r\nProfiles=1\r\n0=Mara Quill|07.11.1984\r\nSelected=0\r\n");
}

TEST_F(IniStoreTest, nonAsciiNames_surviveSaveAndRestart_asUtf8) {
    const QString name = QString::fromUtf8("Zoë Ångström-Łukasz 李");
    {
        IniStore store(path);
        store.writeString("Records", "0", name + "|01.02.1990");
    }
    EXPECT_EQ(readBytes(path), "[Records]\n0=" + (name + "|01.02.1990").toUtf8() + "\n");
    IniStore reopened(path);
    EXPECT_EQ(reopened.readString("Records", "0", ""), name + "|01.02.1990");
}

TEST_F(IniStoreTest, legacyWindows1252File_readsItsLetters) {
    EXPECT_EQ(readFrom("[Records]\n0=Ren\xE9 \x80\x93\x9C|01.01.1950\n", "Records", "0"),
              QString::fromUtf8("René €“œ|01.01.1950"));
}

QByteArray utf16(const char* text, QStringConverter::Encoding encoding) {
    return QStringEncoder(encoding, QStringEncoder::Flag::WriteBom).encode(QString::fromUtf8(text));
}

TEST_F(IniStoreTest, eachLineIsReadInItsOwnEncoding_andOnlyTheChangedLineIsWrittenAnew) {
    const struct {
        const char* name;
        QByteArray before;
        QByteArray after;  // once Selected is 1
    } cases[] = {
        {"Windows-1252 lines in a UTF-8 file",
         "; caf\xE9\r\n[Records]\r\n0=Jos\xC3\xA9|01.02.1990\r\n1=Ren\xE9|03.04.1950\r\nSelected=0\r\n",
         "; caf\xE9\r\n[Records]\r\n0=Jos\xC3\xA9|01.02.1990\r\n1=Ren\xE9|03.04.1950\r\nSelected=1\r\n"},
        {"UTF-16LE",
         utf16("[Records]\r\n0=José|01.02.1990\r\n1=René|03.04.1950\r\nSelected=0\r\n", QStringConverter::Utf16LE),
         utf16("[Records]\r\n0=José|01.02.1990\r\n1=René|03.04.1950\r\nSelected=1\r\n", QStringConverter::Utf16LE)},
        {"UTF-16BE", utf16("[Records]\n0=José|01.02.1990\n1=René|03.04.1950\n", QStringConverter::Utf16BE),
         utf16("[Records]\n0=José|01.02.1990\n1=René|03.04.1950\nSelected=1\n", QStringConverter::Utf16BE)},
        {"UTF-8 mark, odd breaks, no final break",
         "\xEF\xBB\xBF[Records]\r\r\n0=Jos\xC3\xA9|01.02.1990\n1=Ren\xE9|03.04.1950",
         "\xEF\xBB\xBF[Records]\r\r\n0=Jos\xC3\xA9|01.02.1990\n1=Ren\xE9|03.04.1950\r\nSelected=1\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(path, c.before);
        IniStore store(path);
        EXPECT_EQ(store.readString("Records", "0", ""), QString::fromUtf8("José|01.02.1990"));
        EXPECT_EQ(store.readString("Records", "1", ""), QString::fromUtf8("René|03.04.1950"));
        store.writeInteger("Records", "Selected", 1);
        EXPECT_EQ(readBytes(path), c.after);
        EXPECT_EQ(IniStore(path).readString("Records", "0", ""), QString::fromUtf8("José|01.02.1990"));
    }
}

TEST_F(IniStoreTest, textThatWouldChangeTheFileStructure_isRefusedBeforeWriting) {
    const QByteArray before = "[Records]\nProfiles=1\n";
    writeBytes(path, before);
    IniStore store(path);
    const auto refused = [&](auto write) {
        try {
            write();
        } catch (const core::WriteError&) {
            return false;
        } catch (const AppError& e) {
            return QString(e.what()).contains("cannot be stored in the settings file");
        }
        return false;
    };
    EXPECT_TRUE(refused([&] { store.writeString("Records", "0", "Eve|01.01.2000\n[Preferences]\nWindowSize=1"); }));
    EXPECT_TRUE(refused([&] { store.writeString("Records", "0", "Eve\r|01.01.2000"); }));
    EXPECT_TRUE(refused([&] { store.writeString("Records", "0", QString("Eve") + QChar(0) + "x"); }));
    EXPECT_TRUE(refused([&] { store.writeString("Records", QString("0") + QChar(0x2028), "x"); }));
    EXPECT_TRUE(refused([&] { store.writeString("Rec]ords", "0", "x"); }));
    EXPECT_TRUE(refused([&] { store.writeString("Records", " [Preferences]", "x"); }));
    EXPECT_TRUE(refused([&] { store.writeString("Records", "; x", "x"); }));
    EXPECT_TRUE(refused([&] { store.writeString("Records", "a=b", "x"); }));
    EXPECT_TRUE(refused([&] { store.writeString("Records", "  ", "x"); }));
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(store.readString("Records", "0", "none"), "none");
    EXPECT_EQ(store.readInteger("Records", "Profiles", 0), 1);
}

TEST_F(IniStoreTest, batch_reachesTheFileOnceAtCommit_andReadsInsideSeeItsWrites) {
    writeBytes(path, "[Records]\nProfiles=0\n");
    IniStore store(path);
    {
        IniStore::Batch batch(store);
        const int n = store.readInteger("Records", "Profiles", 0);
        store.writeInteger("Records", "Profiles", n + 1);
        store.writeInteger("Records", "Selected", n);
        store.writeString("Records", QString::number(n), "Mara Quill|07.11.1984");
        EXPECT_EQ(store.readInteger("Records", "Profiles", 0), 1);
        EXPECT_EQ(readBytes(path), "[Records]\nProfiles=0\n");
        batch.commit();
    }
    EXPECT_EQ(readBytes(path), "[Records]\nProfiles=1\nSelected=0\n0=Mara Quill|07.11.1984\n");
}

TEST_F(IniStoreTest, batchLeftByAnException_discardsItsWrites) {
    writeBytes(path, "[Records]\nProfiles=2\n0=A|1\n1=B|2\n");
    IniStore store(path);
    try {
        IniStore::Batch batch(store);
        store.writeString("Records", "0", "B|2");
        store.deleteKey("Records", "1");
        store.writeString("Records", "bad\nkey", "x");  // refused: ends the action
        batch.commit();
    } catch (const AppError&) {
    }
    EXPECT_EQ(store.readString("Records", "0", ""), "A|1");
    EXPECT_EQ(store.readString("Records", "1", ""), "B|2");
    EXPECT_EQ(readBytes(path), "[Records]\nProfiles=2\n0=A|1\n1=B|2\n");
}

TEST_F(IniStoreTest, reads_noticeAFileChangedBySomeoneElse) {
    writeBytes(path, "[Records]\nProfiles=1\n");
    IniStore store(path);
    EXPECT_EQ(store.readInteger("Records", "Profiles", 0), 1);
    writeBytes(path, "[Records]\nProfiles=22\n");
    QThread::msleep(30);  // a store looks at the disk at most every 20 ms
    EXPECT_EQ(store.readInteger("Records", "Profiles", 0), 22);
    QFile::remove(path);
    QThread::msleep(30);
    EXPECT_EQ(store.readInteger("Records", "Profiles", 0), 0);
}

}  // namespace
