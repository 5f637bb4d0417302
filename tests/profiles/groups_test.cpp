// Planner groups in the settings file, group files and contacts files, on real files in a temporary folder.
#include "profiles/groups.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/errors.h"
#include "profiles/ini_store.h"
#include "tests/profiles/ini_test_files.h"

namespace rorovovo::profiles {
namespace {

using testing::readBytes;
using testing::writeBytes;

QStringList texts(const QList<ProfileEntry>& entries) {
    QStringList list;
    for (const ProfileEntry& e : entries) list << e.name + QLatin1Char('|') + e.datePart;
    return list;
}

QList<ProfileEntry> entries(const QStringList& texts) {
    QList<ProfileEntry> list;
    for (const QString& t : texts) list << parseProfileEntry(t);
    return list;
}

TEST(Groups, saveReplaceAndRemove_keepTheSectionsLayoutAndTheOtherSections) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Cyclomat.ini"));
    writeBytes(path, "[Records]\nProfiles=1\n0=Ann Smith|01.02.1980\n");
    IniStore store(path);
    GroupStore groups(store);
    groups.save(QStringLiteral("Family"), entries({"Ann Smith|01.02.1980", "Bob Smith|03.04.1978"}));
    groups.save(QStringLiteral("Team"), entries({"Cy|05.06.1990"}));
    groups.save(QStringLiteral("family"), entries({"Ann Smith|01.02.1980", "Bob Smith|03.04.1978", "Dee|07.08.2010"}));
    EXPECT_EQ(
        readBytes(path),
        "[Records]\nProfiles=1\n0=Ann Smith|01.02.1980\n"
        "[Groups]\nGroups=2\nName0=Family\nMembers0=3\nMember0_0=Ann Smith|01.02.1980\n"
        "Member0_1=Bob Smith|03.04.1978\nMember0_2=Dee|07.08.2010\nName1=Team\nMembers1=1\nMember1_0=Cy|05.06.1990\n");
    EXPECT_EQ(groups.names(), QStringList({"Family", "Team"}));
    EXPECT_EQ(texts(*groups.members(QStringLiteral("TEAM"))), QStringList({"Cy|05.06.1990"}));
    EXPECT_FALSE(groups.members(QStringLiteral("Nobody")));

    EXPECT_FALSE(groups.remove(QStringLiteral("Nobody")));
    EXPECT_TRUE(groups.remove(QStringLiteral("Family")));
    EXPECT_EQ(readBytes(path),
              "[Records]\nProfiles=1\n0=Ann Smith|01.02.1980\n[Groups]\nGroups=1\nName0=Team\nMembers0=1\n"
              "Member0_0=Cy|05.06.1990\n");
}

TEST(Groups, damagedCounts_giveWhatTheKeysHold) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Cyclomat.ini"));
    writeBytes(
        path,
        "[Groups]\nGroups=2000000000\nName0=A\nMembers0=99999999\nMember0_0=X|01.01.2000\nMember0_2=Y|02.01.2000\n");
    IniStore store(path);
    EXPECT_EQ(GroupStore(store).names(), QStringList({"A"}));
    const auto members = GroupStore(store).members(QStringLiteral("a"));
    ASSERT_TRUE(members);
    EXPECT_EQ(texts(*members), QStringList({"X|01.01.2000", "Y|02.01.2000"}));
}

TEST(GroupFiles, roundTrip_andEntriesAsTheFileHoldsThem) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("family.txt"));
    const QStringList family = {"Ann Smith|01.02.1980", QString::fromUtf8("Jürgen|03.04.1978"), "|05.06.1990"};
    core::writeFileAtomically(path, groupFileBytes(entries(family)));
    EXPECT_EQ(texts(readGroupFile(path)), family);
    EXPECT_EQ(texts(parseGroupFile("A|01.01.2000\r\n\r\nB|1.1.2000")), QStringList({"A|01.01.2000", "B|1.1.2000"}));
    EXPECT_THROW(readGroupFile(dir.filePath(QStringLiteral("missing.txt"))), AppError);
    EXPECT_FALSE(entryBirthDate(QStringLiteral("1.1.2000")));
    EXPECT_FALSE(entryBirthDate(QStringLiteral("29.02.2001")));
    EXPECT_TRUE(entryBirthDate(QStringLiteral("29.02.2000")));
}

TEST(Contacts, vCards_giveDatedBirthdaysAndCountTheRest) {
    const QByteArray cards =
        "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\n  Smith\r\nBDAY:1980-02-01\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Bob\\, Jr.\r\nBDAY:19780403T102000Z\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\nVERSION:4.0\nN:Cole;Cy;;;\nitem1.BDAY;VALUE=date:1990-06-05T00:00:00\nEND:VCARD\n"
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:No Year\r\nBDAY:--0615\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Omitted\r\nBDAY;X-APPLE-OMIT-YEAR=1604:1604-07-01\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:No Day\r\nTEL:123\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Bad|Day\r\nBDAY:1980-02-30\r\nEND:VCARD\r\n";
    const ContactsImport got = parseContacts(cards);
    EXPECT_EQ(texts(got.people), QStringList({"Ann Smith|01.02.1980", "Bob, Jr.|03.04.1978", "Cy Cole|05.06.1990"}));
    EXPECT_EQ(got.withoutYear, 2);
    EXPECT_EQ(got.withoutBirthday, 2);
    EXPECT_EQ(importSummary(got),
              QStringLiteral("3 people imported; 2 cards had no birth year; 2 cards had no birthday"));
    EXPECT_EQ(importSummary(parseContacts(cards.left(cards.indexOf("BEGIN:VCARD\r\nVERSION:4.0")))),
              QStringLiteral("1 person imported"));
}

}  // namespace
}  // namespace rorovovo::profiles
