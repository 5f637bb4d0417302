#include "profiles/profile_list.h"

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

void ProfileList::load() {
    IniStore& s = store();
    const int n = s.readInteger(kRecords, kCount, 0);
    QStringList entries;
    for (int k = 0; k < n; ++k) entries << s.readString(kRecords, QString::number(k), QString());
    beginResetModel();
    entries_ = std::move(entries);
    loaded_ = true;
    endResetModel();
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
    {
        IniStore::Batch batch(s);
        const int n = s.readInteger(kRecords, kCount, 0);
        s.writeInteger(kRecords, kCount, n + 1);
        s.writeInteger(kRecords, kSelected, n);
        s.writeString(kRecords, QString::number(n), entry);
        batch.commit();
    }
    const int position = count();
    beginInsertRows(QModelIndex(), position, position);
    entries_ << entry;
    endInsertRows();
    return position;
}

bool ProfileList::remove(int position) {
    IniStore& s = store();
    {
        // The whole shift is one file write: a failure leaves the file as it was, never with a gap or a twin.
        IniStore::Batch batch(s);
        const int n = s.readInteger(kRecords, kCount, 0);
        // A file holding fewer profiles than the list (edited meanwhile) is left alone: shifting would drop
        // another person's entry.
        if (position < 0 || position >= n) return false;
        for (int k = position + 1; k < n; ++k)
            s.writeString(kRecords, QString::number(k - 1), s.readString(kRecords, QString::number(k), QString()));
        s.deleteKey(kRecords, QString::number(n - 1));
        s.writeInteger(kRecords, kCount, n - 1);
        batch.commit();
    }
    if (position < count()) {
        beginRemoveRows(QModelIndex(), position, position);
        entries_.removeAt(position);
        endRemoveRows();
    }
    return true;
}

int ProfileList::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : count(); }

QVariant ProfileList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    return name(index.row());
}

}  // namespace rorovovo::profiles
