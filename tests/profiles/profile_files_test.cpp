// The profile entry format and the celebrity data file.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/errors.h"
#include "ini_test_files.h"
#include "profiles/celebrities.h"
#include "profiles/profile_entry.h"

using namespace rorovovo;
using namespace rorovovo::profiles;

namespace {

TEST(ProfileEntry, splitsAtTheFirstBar_andReadsTheDateAtFixedPositions) {
    const ProfileEntry e = parseProfileEntry("Mara Quill|07.11.1984|extra");
    EXPECT_EQ(e.name, "Mara Quill");
    EXPECT_EQ(e.datePart, "07.11.1984|extra");
    EXPECT_EQ(entryDay(e.datePart), "07");
    EXPECT_EQ(entryMonth(e.datePart), "11");
    EXPECT_EQ(entryYear(e.datePart), "1984");
}

TEST(ProfileEntry, withoutBar_hasEmptyName_andShortDatesGiveFewerCharacters) {
    const ProfileEntry e = parseProfileEntry("07.11.19");
    EXPECT_EQ(e.name, "");
    EXPECT_EQ(e.datePart, "07.11.19");
    EXPECT_EQ(entryYear(e.datePart), "19");
    EXPECT_EQ(entryMonth("7.1"), "");
    EXPECT_EQ(entryDay(""), "");
    EXPECT_EQ(entryYear("5.5.1990"), "90");  // no zero padding: a wrong date that the date check reports
    EXPECT_EQ(parseProfileEntry("|").name, "");
}

TEST(ProfileEntry, isBuiltZeroPadded_andReadsBackTheSameDate) {
    const QString entry = buildProfileEntry("Tobias Wren", 5, 2, 990);
    EXPECT_EQ(entry, "Tobias Wren|05.02.0990");
    const ProfileEntry e = parseProfileEntry(entry);
    EXPECT_EQ(entryDay(e.datePart) + entryMonth(e.datePart) + entryYear(e.datePart), "05020990");
    EXPECT_EQ(buildProfileEntry(" a %1 ", 31, 12, 9999), " a %1 |31.12.9999");
    EXPECT_EQ(buildProfileEntry("x", -1, 0, 0), "x|-01.00.0000");
}

TEST(Celebrities, linesEndWithLfOrCrLf_andALastLineWithoutBreakCounts) {
    const auto list = parseCelebrities("Lena Corwick|14.08.1921\r\nOtto Brannigan|30.01.1955\nNo Break|01.01.2001");
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].name, "Lena Corwick");
    EXPECT_EQ(list[0].datePart, "14.08.1921");
    EXPECT_EQ(list[1].name, "Otto Brannigan");
    EXPECT_EQ(list[2].datePart, "01.01.2001");
}

TEST(Celebrities, emptyLinesInsideAreEntries_butTheTextAfterTheFinalBreakIsNot) {
    EXPECT_TRUE(parseCelebrities("").empty());
    EXPECT_EQ(parseCelebrities("\n").size(), 1u);
    const auto list = parseCelebrities("A|01.01.2000\r\n\r\nwhole line\r\n");
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[1].name, "");
    EXPECT_EQ(list[1].datePart, "");
    EXPECT_EQ(list[2].name, "");
    EXPECT_EQ(list[2].datePart, "whole line");
}

TEST(Celebrities, readUtf8WhenValid_andWindows1252Otherwise) {
    EXPECT_EQ(parseCelebrities("\xEF\xBB\xBFZo\xC3\xAB|01.01.1990\n")[0].name, QString::fromUtf8("Zoë"));
    EXPECT_EQ(parseCelebrities("Zo\xEB \x8A\x9A\x80|01.01.1990\n")[0].name, QString::fromUtf8("Zoë Šš€"));
    EXPECT_EQ(parseCelebrities("A\x81|1")[0].name, QString("A") + QChar(0x81));
    // Each line on its own: one line in the ANSI code page leaves the UTF-8 lines UTF-8.
    const auto mixed = parseCelebrities("Zo\xC3\xAB|01.01.1990\r\nRen\xE9|02.02.1950\r\n");
    ASSERT_EQ(mixed.size(), 2u);
    EXPECT_EQ(mixed[0].name + mixed[1].name, QString::fromUtf8("ZoëRené"));
    const auto utf16 =
        parseCelebrities(QByteArray("\xFF\xFEZ\0\xEB\0|\0"
                                    "1\0\r\0\n\0",
                                    14));
    ASSERT_EQ(utf16.size(), 1u);
    EXPECT_EQ(utf16[0].name + utf16[0].datePart, QString::fromUtf8("Zë1"));
}

TEST(Celebrities, fileMissing_givesNothing_unreadableFile_givesAClearError) {
    QTemporaryDir dir;
    EXPECT_FALSE(readCelebrityFile(dir.filePath("Cyclomat.dat")).has_value());

    profiles::testing::writeBytes(dir.filePath("Cyclomat.dat"), "Lena Corwick|14.08.1921\n");
    const auto list = readCelebrityFile(dir.filePath("Cyclomat.dat"));
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->size(), 1u);

    ASSERT_TRUE(QDir(dir.path()).mkdir("Folder.dat"));
    try {
        readCelebrityFile(dir.filePath("Folder.dat"));
        ADD_FAILURE() << "a folder read as a data file";
    } catch (const AppError& e) {
        EXPECT_TRUE(QString(e.what()).startsWith("Input/output error: unable to read ")) << e.what();
        EXPECT_TRUE(QString(e.what()).contains("Folder.dat")) << e.what();
    }
}

}  // namespace
