// The profile list and the preferences on a real settings file, without windows.
#include "profiles/profile_list.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>

#include "profiles/ini_store.h"
#include "profiles/preferences.h"
#include "tests/profiles/ini_test_files.h"
#include "wait.h"

using namespace rorovovo;
using namespace rorovovo::profiles;
using profiles::testing::readBytes;
using profiles::testing::writeBytes;

namespace {

const QByteArray kThree =
    "[Records]\nProfiles=3\nSelected=1\n0=Mara Quill|07.11.1984\n1=Tobias Wren|23.02.1990\n2=Ines Falkner|01.06.1962\n";

class ProfileListTest : public ::testing::Test {
  protected:
    void open(const QByteArray& ini) {
        writeBytes(path(), ini);
        store = std::make_unique<IniStore>(path());
        list.load();
    }
    QString path() const { return dir.filePath(QStringLiteral("Cyclomat.ini")); }
    QStringList names() const {
        QStringList n;
        for (int k = 0; k < list.count(); ++k) n << list.name(k);
        return n;
    }
    QString stored(const QString& key) const {
        return IniStore(path()).readString(QStringLiteral("Records"), key, QStringLiteral("<missing>"));
    }

    QTemporaryDir dir;
    std::unique_ptr<IniStore> store;
    ProfileList list{store};
};

TEST_F(ProfileListTest, load_readsNamesInKeyOrder_andTheModelShowsThem) {
    open(kThree);
    EXPECT_EQ(names(), QStringList({"Mara Quill", "Tobias Wren", "Ines Falkner"}));
    EXPECT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.data(list.index(2)).toString(), QStringLiteral("Ines Falkner"));
    EXPECT_EQ(list.storedSelection(), 1);
    EXPECT_EQ(list.read(1).datePart, QStringLiteral("23.02.1990"));
    EXPECT_EQ(list.find(QStringLiteral("tobias WREN")), 1);
    EXPECT_EQ(list.find(QStringLiteral("Tobias")), -1);
}

TEST_F(ProfileListTest, add_appendsUnderTheNextKeySelectsItAndReportsTheRow) {
    open(kThree);
    QSignalSpy inserted(&list, &QAbstractItemModel::rowsInserted);
    EXPECT_EQ(list.add(QStringLiteral("Lena Corwick|14.08.1921")), 3);
    ASSERT_EQ(inserted.size(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 3);
    EXPECT_EQ(stored(QStringLiteral("Profiles")), QStringLiteral("4"));
    EXPECT_EQ(stored(QStringLiteral("Selected")), QStringLiteral("3"));
    EXPECT_EQ(stored(QStringLiteral("3")), QStringLiteral("Lena Corwick|14.08.1921"));
    EXPECT_EQ(list.name(3), QStringLiteral("Lena Corwick"));
}

TEST_F(ProfileListTest, remove_shiftsLaterKeysDown_dropsTheHighest_andReportsTheRow) {
    const struct {
        int position;
        QStringList left;
    } cases[] = {
        {0, {"Tobias Wren", "Ines Falkner"}}, {1, {"Mara Quill", "Ines Falkner"}}, {2, {"Mara Quill", "Tobias Wren"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        open(kThree);
        QSignalSpy removed(&list, &QAbstractItemModel::rowsRemoved);
        ASSERT_TRUE(list.remove(c.position));
        ASSERT_EQ(removed.size(), 1);
        EXPECT_EQ(removed[0][1].toInt(), c.position);
        EXPECT_EQ(names(), c.left);
        EXPECT_EQ(stored(QStringLiteral("Profiles")), QStringLiteral("2"));
        EXPECT_EQ(stored(QStringLiteral("2")), QStringLiteral("<missing>"));
        for (int k = 0; k < 2; ++k) EXPECT_TRUE(stored(QString::number(k)).startsWith(c.left[k] + QLatin1Char('|')));
        EXPECT_EQ(stored(QStringLiteral("Selected")), QStringLiteral("1"));  // a delete leaves the pick alone
    }
}

TEST_F(ProfileListTest, removeOfAPositionTheFileNoLongerHolds_writesNothing) {
    open(kThree);
    writeBytes(path(), "[Records]\nProfiles=1\n0=Mara Quill|07.11.1984\n");
    const QByteArray before = readBytes(path());
    EXPECT_FALSE(list.remove(2));
    EXPECT_EQ(readBytes(path()), before);
    EXPECT_EQ(list.count(), 1);  // the list follows the file
}

TEST_F(ProfileListTest, withNoStoreOpen_everyFileCallThrowsAndNothingChanges) {
    open(kThree);
    store.reset();
    const QByteArray before = readBytes(path());
    EXPECT_THROW(list.load(), AppError);
    EXPECT_THROW(list.add(QStringLiteral("X|01.01.2000")), AppError);
    EXPECT_THROW(list.remove(0), AppError);
    EXPECT_THROW(list.storeSelection(0), AppError);
    EXPECT_THROW(Preferences(store).get(prefs::WindowSize), AppError);
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(readBytes(path()), before);
}

TEST_F(ProfileListTest, preferences_readTheirDefaultsWhenMissing_andWhatWasWritten) {
    open("[Preferences]\nWinTop=17\n");
    Preferences prefs(store);
    EXPECT_FALSE(prefs.get(prefs::WindowSize));
    EXPECT_EQ(prefs.get(prefs::Rhytms), QStringLiteral("111100"));
    EXPECT_EQ(prefs.get(prefs::WinTop, 5), 17);
    EXPECT_EQ(prefs.get(prefs::WinLeft, 5), 5);
    prefs.set(prefs::WindowSize, true);
    prefs.set(prefs::WinLeft, -40);
    prefs.set(prefs::Rhytms, QStringLiteral("101010"));
    Preferences again(store);
    EXPECT_TRUE(again.get(prefs::WindowSize));
    EXPECT_EQ(again.get(prefs::WinLeft, 5), -40);
    EXPECT_EQ(again.get(prefs::Rhytms), QStringLiteral("101010"));
    EXPECT_EQ(readBytes(path()), QByteArray("[Preferences]\nWinTop=17\nWindowSize=1\nWinLeft=-40\nRhytms=101010\n"));
}

TEST_F(ProfileListTest, anotherWriter_isFollowed_andEveryActionFindsTheEntryTheUserSaw) {
    open(kThree);
    QSignalSpy reset(&list, &QAbstractItemModel::modelReset);
    // Another copy deleted Mara and added Lena.
    writeBytes(path(),
               "[Records]\nProfiles=3\nSelected=0\n0=Tobias Wren|23.02.1990\n1=Ines Falkner|01.06.1962\n"
               "2=Lena Corwick|14.08.1921\n");
    // The store looks at the disk again after a short while; Ines, shown third, is second now.
    ASSERT_TRUE(waitFor([&] { return list.locate(2) == 1; }));
    EXPECT_EQ(reset.size(), 1);
    EXPECT_EQ(names(), QStringList({"Tobias Wren", "Ines Falkner", "Lena Corwick"}));
    EXPECT_EQ(list.locate(1), 1);
    EXPECT_EQ(reset.size(), 1);  // nothing changed, nothing reloaded
    writeBytes(path(), "[Records]\nProfiles=2\n0=Tobias Wren|23.02.1990\n1=Ines Falkner|02.06.1962\n");
    ASSERT_TRUE(waitFor([&] { return list.locate(1) == -1; }));  // same name, another date: not what was seen
    EXPECT_FALSE(list.remove(2));
    const QByteArray before = readBytes(path());
    EXPECT_TRUE(list.remove(0));
    EXPECT_NE(readBytes(path()), before);
    EXPECT_EQ(stored(QStringLiteral("0")), QStringLiteral("Ines Falkner|02.06.1962"));
}

TEST_F(ProfileListTest, theKeysPresent_boundTheList_andAnAddNeverOverwritesOne) {
    const struct {
        const char* file;
        int loaded;
        int addedAt;
    } cases[] = {
        {"[Records]\nProfiles=2147483647\n0=Mara Quill|07.11.1984\n", 1, 1},
        {"[Records]\nProfiles=1\n0=Mara Quill|07.11.1984\n1=Tobias Wren|23.02.1990\n2=Ines Falkner|01.06.1962\n", 1, 3},
        {"[Records]\nProfiles=-5\n0=Mara Quill|07.11.1984\n", 0, 1},
        {"[Records]\nProfiles=2\n007=Mara Quill|07.11.1984\n", 0, 0},
        {"[Records]\nProfiles=5\n0=Mara Quill|07.11.1984\n+1=Tobias Wren|23.02.1990\n1x=Ines Falkner|01.06.1962\n"
         "4294967297=Lena Corwick|14.08.1921\n",
         1, 1},
        // A stray key far past the others (hand-made) is no part of the list, and stays in the file.
        {"[Records]\nProfiles=2147483647\n0=Mara Quill|07.11.1984\n1999999999=Tobias Wren|23.02.1990\n", 1, 1},
        {"[Records]\nProfiles=9\n0=Mara Quill|07.11.1984\n7=Tobias Wren|23.02.1990\n", 8, 8},
        {"[Records]\nProfiles=2000\n0=Mara Quill|07.11.1984\n600=Tobias Wren|23.02.1990\n1200=Ines "
         "Falkner|01.06.1962\n",
         601, 601},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        open(c.file);
        EXPECT_EQ(list.count(), c.loaded);
        EXPECT_EQ(list.add(QStringLiteral("Lena Corwick|14.08.1921")), c.addedAt);
        EXPECT_EQ(stored(QStringLiteral("Profiles")), QString::number(c.addedAt + 1));
        EXPECT_EQ(list.count(), c.addedAt + 1);
        EXPECT_EQ(list.name(c.addedAt), QStringLiteral("Lena Corwick"));
        if (c.addedAt > 0) {
            EXPECT_EQ(list.name(0), QStringLiteral("Mara Quill"));
        }
    }
}

TEST_F(ProfileListTest, aListNeverLoaded_loadsTheFileBeforeItAdds) {
    writeBytes(path(), kThree);
    store = std::make_unique<IniStore>(path());
    EXPECT_EQ(list.add(QStringLiteral("Lena Corwick|14.08.1921")), 3);
    EXPECT_EQ(names(), QStringList({"Mara Quill", "Tobias Wren", "Ines Falkner", "Lena Corwick"}));
}

TEST(ProfileEntry, namesThatWouldNotReadBack_areRefusedWithTheReason) {
    const struct {
        QString name;
        const char* reason;  // empty: storable
    } cases[] = {
        {QStringLiteral("Tom & Jerry"), ""},
        {QStringLiteral("a|b"), "'|'"},
        {QString(2036, QLatin1Char('x')), ""},
        {QString(2037, QLatin1Char('x')), "at most 2036 characters"},
    };
    for (const auto& c : cases) {
        const QString why = unstorableReason(c.name, buildProfileEntry(c.name, 1, 2, 1970));
        EXPECT_EQ(why.isEmpty(), !*c.reason) << c.name.left(20).toStdString();
        EXPECT_TRUE(why.contains(QLatin1String(c.reason))) << why.toStdString();
    }
}

}  // namespace
