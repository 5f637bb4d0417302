#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <memory>

#include "profiles/profile_entry.h"

namespace rorovovo::profiles {

class IniStore;

// The personal profiles of the "Records" section: "Profiles" counts them, the keys "0" up to count - 1 hold one
// entry each (name|DD.MM.YYYY), and "Selected" is the position picked last. A position and a key are the same
// number. The list keeps the entries as loaded, which is what the user sees; the dates are read from the file
// when a profile is picked. As a list model (one row per profile, the name as display text) it drives the
// windows' lists and menus: adds and deletes arrive as inserted and removed rows, a load as a reset.
// Every call that touches the file throws AppError when no store is open, and WriteError when a write fails;
// a failed write changes neither the file nor the list.
class ProfileList : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit ProfileList(const std::unique_ptr<IniStore>& store, QObject* parent = nullptr);

    // Reads the count and every entry from the file, replacing what the list held.
    void load();
    bool isLoaded() const { return loaded_; }

    int count() const { return int(entries_.size()); }
    // The name and the whole entry at a position, as loaded; empty outside the list.
    QString name(int position) const;
    QString entry(int position) const;
    // The first position whose name equals `name` without regard to letter case, or -1.
    int find(const QString& name) const;

    // The entry stored under the position's key now (empty text when there is none).
    ProfileEntry read(int position) const;
    // "Selected", -1 when missing.
    int storedSelection() const;
    void storeSelection(int position);

    // Appends `entry` under the next key and makes it the selected one, in one file write. Returns its position.
    int add(const QString& entry);
    // Removes the entry at `position` in one file write: later entries move down one key, the highest key goes and
    // the count drops by one. Returns false, writing nothing, when the file holds no entry at that position.
    bool remove(int position);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    IniStore& store() const;

    const std::unique_ptr<IniStore>& store_;
    QStringList entries_;
    bool loaded_ = false;
};

}  // namespace rorovovo::profiles
