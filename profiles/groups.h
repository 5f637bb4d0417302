#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "profiles/profile_entry.h"

namespace rorovovo::profiles {

class IniStore;

// The birth date in an entry's date part as a date value, read as the main window reads a picked profile (fixed
// places, then the date check of the three boxes); nothing when it is no date.
std::optional<double> entryBirthDate(const QString& datePart);

// Named groups of people in the settings file's "Groups" section: "Groups" counts them, and group i has "Name<i>",
// "Members<i>" and the entries "Member<i>_<j>" (name|DD.MM.YYYY). A group holds names and birth dates, not positions
// in the profile list, so deleting or re-ordering profiles never changes it. Group names compare without regard to
// letter case. Counts are believed only as far as their keys go. Writes throw WriteError as the store's do.
class GroupStore {
  public:
    explicit GroupStore(IniStore& store) : store_(store) {}

    QStringList names() const;
    // The members of the named group; nothing when there is none. Entries are as stored, dates unchecked.
    std::optional<QList<ProfileEntry>> members(const QString& name) const;
    // Stores the members under the name, in place of a group of that name or after the others, in one file write.
    void save(const QString& name, const QList<ProfileEntry>& members);
    // Removes the group, later ones moving down one place; false, writing nothing, when there is none of that name.
    bool remove(const QString& name);

  private:
    struct Group {
        QString name;
        QList<ProfileEntry> members;
    };
    QList<Group> readAll() const;
    void writeAll(const QList<Group>& groups);
    IniStore& store_;
};

// A group file has the celebrity file's form: one "Name|DD.MM.YYYY" a line, UTF-8 or Windows-1252, CR LF or LF.
// Blank lines are skipped; other entries come as they stand, dates unchecked.
QList<ProfileEntry> parseGroupFile(const QByteArray& bytes);
// Throws AppError ("Input/output error: unable to read <path> (<reason>)") when the file cannot be read.
QList<ProfileEntry> readGroupFile(const QString& path);
// UTF-8, one entry a line, each ended by LF.
QByteArray groupFileBytes(const QList<ProfileEntry>& members);

// Birthdays from a contacts file (vCard 3.0 or 4.0): FN (or N when FN is missing) and BDAY as YYYY-MM-DD or
// YYYYMMDD, a time part allowed. Folded lines are joined. A card without a birthday, with one that is no date, or
// with one without a year is skipped and counted.
struct ContactsImport {
    QList<ProfileEntry> people;
    int withoutYear = 0;
    int withoutBirthday = 0;
};
ContactsImport parseContacts(const QByteArray& bytes);
// "12 people imported; 3 cards had no birth year; 1 card had no birthday", the counts of none left out.
QString importSummary(const ContactsImport& import);

}  // namespace rorovovo::profiles
