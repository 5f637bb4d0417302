#pragma once

#include <QString>
#include <QStringList>

namespace rorovovo::profiles {

// One stored person: the name, "|" and the birth date as DD.MM.YYYY.
struct ProfileEntry {
    QString name;
    QString datePart;
};

// Splits at the first "|". Without one, the name is empty and the whole text is the date part.
ProfileEntry parseProfileEntry(const QString& entry);
// The same split as positions: the name is entry[0, nameEnd), the date part runs from dateAt to the end.
struct EntrySplit {
    qsizetype nameEnd;
    qsizetype dateAt;
};
EntrySplit splitProfileEntry(QStringView entry);

// The fixed positions of the date part: day 1-2, month 4-5, year 7-10 (counted from 1). A short or damaged
// date part gives fewer characters, possibly none; the caller's date check reports it.
QString entryDay(const QString& datePart);
QString entryMonth(const QString& datePart);
QString entryYear(const QString& datePart);

// name|DD.MM.YYYY with day and month of at least two digits and the year of at least four, zeros in front.
QString buildProfileEntry(const QString& name, int day, int month, int year);

// Why an entry built for `name` would not read back as that name and date, in a sentence for the user; empty
// text when it would.
QString unstorableReason(const QString& name, const QString& entry);

// A name as it is compared with the stored ones: every character with code 32 or below removed from both ends.
QString trimmedProfileName(const QString& name);

}  // namespace rorovovo::profiles
