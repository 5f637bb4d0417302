#include "profiles/profile_list.h"

#include <algorithm>

#include "profiles/ini_store.h"
#include "profiles/preferences.h"

namespace rorovovo::profiles {

namespace {

const QString kRecords = QStringLiteral("Records");
const QString kCount = QStringLiteral("Profiles");
const QString kSelected = QStringLiteral("Selected");

}  // namespace

ProfileList::ProfileList(const std::unique_ptr<IniStore>& store, QObject* parent)
    : QAbstractListModel(parent), store_(store) {}

IniStore& ProfileList::store() const { return openStore(store_); }

int ProfileList::nextKey(IniStore& store) {
    int highest = -1;
    for (const QString& key : store.keyNames(kRecords)) {
        bool ok = false;
        const int k = key.toInt(&ok);
        // Only keys as the program writes them: "007" or "+7" name no position.
        if (ok && k >= 0 && QString::number(k) == key) highest = std::max(highest, k);
    }
    return highest + 1;
}

QStringList ProfileList::fileEntries(IniStore& store) {
    const int n = std::min(store.readInteger(kRecords, kCount, 0), nextKey(store));
    QStringList entries;
    for (int k = 0; k < n; ++k) entries << store.readString(kRecords, QString::number(k), QString());
    return entries;
}

void ProfileList::reset(QStringList entries) {
    beginResetModel();
    entries_ = std::move(entries);
    loaded_ = true;
    endResetModel();
}

void ProfileList::load() {
    IniStore& s = store();
    loadedRevision_ = s.revision();
    reset(fileEntries(s));
}

void ProfileList::refresh() {
    IniStore& s = store();
    // Reading every entry again is the cost of a pick in a long list; nothing to read while the store is unchanged.
    const quint64 revision = s.revision();
    if (loaded_ && revision == loadedRevision_) return;
    QStringList now = fileEntries(s);
    loadedRevision_ = revision;
    if (!loaded_ || now != entries_) reset(std::move(now));
}

int ProfileList::indexOf(const QString& entry) const {
    for (int i = 0; i < entries_.size(); ++i)
        if (entries_[i] == entry) return i;
    return -1;
}

int ProfileList::locate(int position) {
    if (position < 0 || position >= count()) return -1;
    const QString seen = entries_[position];
    refresh();
    return entry(position) == seen ? position : indexOf(seen);
}

QString ProfileList::name(int position) const { return parseProfileEntry(entry(position)).name; }

QString ProfileList::entry(int position) const {
    return position >= 0 && position < entries_.size() ? entries_[position] : QString();
}

int ProfileList::find(const QString& name) const {
    for (int i = 0; i < entries_.size(); ++i)
        if (parseProfileEntry(entries_[i]).name.compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

ProfileEntry ProfileList::read(int position) const {
    return parseProfileEntry(store().readString(kRecords, QString::number(position), QString()));
}

int ProfileList::storedSelection() const { return store().readInteger(kRecords, kSelected, -1); }

void ProfileList::storeSelection(int position) { store().writeInteger(kRecords, kSelected, position); }

int ProfileList::add(const QString& entry) {
    IniStore& s = store();
    // The lock is held from the look at the file to the write, so no other copy can slip in between.
    IniStore::Batch batch(s);
    refresh();
    const int n = nextKey(s);
    s.writeInteger(kRecords, kCount, n + 1);
    s.writeInteger(kRecords, kSelected, n);
    s.writeString(kRecords, QString::number(n), entry);
    batch.commit();
    if (n == count()) {
        beginInsertRows(QModelIndex(), n, n);
        entries_ << entry;
        endInsertRows();
    } else {
        // The stated count was short of the keys present; the write has put it right.
        load();
    }
    return n;
}

bool ProfileList::remove(int position) {
    IniStore& s = store();
    // The whole shift is one file write: a failure leaves the file as it was, never with a gap or a twin.
    IniStore::Batch batch(s);
    const int at = locate(position);
    if (at < 0) return false;
    const int n = count();
    for (int k = at + 1; k < n; ++k) s.writeString(kRecords, QString::number(k - 1), entries_[k]);
    s.deleteKey(kRecords, QString::number(n - 1));
    s.writeInteger(kRecords, kCount, n - 1);
    batch.commit();
    beginRemoveRows(QModelIndex(), at, at);
    entries_.removeAt(at);
    endRemoveRows();
    return true;
}

int ProfileList::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : count(); }

QVariant ProfileList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    return name(index.row());
}

}  // namespace rorovovo::profiles
