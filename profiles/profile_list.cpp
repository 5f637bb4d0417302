#include "profiles/profile_list.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

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

namespace {

// The most empty places a list holds in all, where a hand edit left keys out; the program itself leaves none.
constexpr int kMostEmptyPlaces = 1000;

// The position a key names: only keys as the program writes them, so "007" or "+7" name none (-1).
int positionOf(QStringView key) {
    // Read digit by digit: this runs once for every entry of a long list.
    if (key.isEmpty() || key.size() > 10 || (key.size() > 1 && key.front() == u'0')) return -1;
    qint64 k = 0;
    for (const QChar c : key) {
        if (c < u'0' || c > u'9') return -1;
        k = k * 10 + (c.unicode() - u'0');
    }
    return k <= std::numeric_limits<int>::max() ? int(k) : -1;
}

}  // namespace

ProfileList::FileEntries ProfileList::fileEntries(IniStore& store) {
    // One pass over the section: a lookup per key would cost a long list more than reading it.
    std::vector<std::pair<int, QString>> found;
    store.forEachValue(kRecords, [&found](QStringView key, QStringView value) {
        if (const int k = positionOf(key); k >= 0) found.emplace_back(k, value.toString());
    });
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    FileEntries file;
    int empty = 0;
    for (const auto& [k, value] : found) {
        if (k < file.end) continue;  // the same key again
        empty += k - file.end;
        if (empty > kMostEmptyPlaces) break;
        file.end = k + 1;
    }
    const int n = std::clamp(store.readInteger(kRecords, kCount, 0), 0, file.end);
    file.entries = QStringList(n);
    // From the last to the first, so the first of a key written twice is the one kept, as a read gives it.
    for (auto it = found.rbegin(); it != found.rend(); ++it)
        if (it->first < n) file.entries[it->first] = it->second;
    return file;
}

void ProfileList::reset(QStringList entries) {
    beginResetModel();
    entries_ = std::move(entries);
    loaded_ = true;
    endResetModel();
}

QStringList ProfileList::readFile(IniStore& store) {
    loadedRevision_ = store.revision();
    FileEntries file = fileEntries(store);
    fileEnd_ = file.end;
    return std::move(file.entries);
}

void ProfileList::load() { reset(readFile(store())); }

void ProfileList::refresh() {
    IniStore& s = store();
    // Reading every entry again is the cost of a pick in a long list; nothing to read while the store is unchanged.
    if (loaded_ && s.revision() == loadedRevision_) return;
    QStringList now = readFile(s);
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

ProfileList::Added ProfileList::addProfile(const QString& name, int day, int month, int year) {
    // The stored date is written afresh from the numbers, however the boxes held them.
    const QString entry = buildProfileEntry(name, day, month, year);
    if (QString why = unstorableReason(name, entry); !why.isEmpty()) return {-1, why};
    // Another copy may have stored the name since this list was loaded.
    refresh();
    if (find(trimmedProfileName(name)) >= 0)
        return {-1, QCoreApplication::translate("Messages",
                                                "The name you are trying to add already exists on the database..")};
    return {add(entry), {}};
}

int ProfileList::add(const QString& entry) {
    IniStore& s = store();
    // The lock is held from the look at the file to the write, so no other copy can slip in between.
    IniStore::Batch batch(s);
    refresh();
    const int n = fileEnd_;
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
