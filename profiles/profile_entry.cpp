#include "profiles/profile_entry.h"

#include <QCoreApplication>

#include "profiles/ini_store.h"
#include "rhythm/dates.h"

namespace rorovovo::profiles {

EntrySplit splitProfileEntry(QStringView entry) {
    const qsizetype bar = entry.indexOf(QLatin1Char('|'));
    return bar < 0 ? EntrySplit{0, 0} : EntrySplit{bar, bar + 1};
}

ProfileEntry parseProfileEntry(const QString& entry) {
    const EntrySplit split = splitProfileEntry(entry);
    return {entry.left(split.nameEnd), entry.mid(split.dateAt)};
}

QString entryDay(const QString& datePart) { return datePart.mid(0, 2); }

QString entryMonth(const QString& datePart) { return datePart.mid(3, 2); }

QString entryYear(const QString& datePart) { return datePart.mid(6, 4); }

QString buildProfileEntry(const QString& name, int day, int month, int year) {
    return name + QLatin1Char('|') + QString::fromStdString(rhythm::formatDate(rhythm::Date{year, month, day}));
}

QString unstorableReason(const QString& name, const QString& entry) {
    if (name.contains(QLatin1Char('|')))
        return QCoreApplication::translate("Messages",
                                           "A name cannot contain the character '|', which separates it from the date. "
                                           "Nothing was stored.");
    if (entry.size() > IniStore::kMaxValueLength)
        return QCoreApplication::translate(
                   "Messages",
                   "The name is too long: a stored profile holds at most %1 characters of name. "
                   "Nothing was stored.")
            .arg(IniStore::kMaxValueLength - (entry.size() - name.size()));
    return QString();
}

QString trimmedProfileName(const QString& name) {
    qsizetype first = 0, last = name.size() - 1;
    while (first <= last && name[first].unicode() <= 32) ++first;
    while (last >= first && name[last].unicode() <= 32) --last;
    return name.mid(first, last - first + 1);
}

}  // namespace rorovovo::profiles
