#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <memory>

#include "profiles/profile_entry.h"

namespace rorovovo::profiles {

class IniStore;

// The personal profiles of the "Records" section: "Profiles" counts them, the keys "0" up to count - 1 hold one
// entry each (name|DD.MM.YYYY), and "Selected" is the position picked last. A position and a key are the same
// number. The list keeps the entries as loaded, which is what the user sees. Another copy of the program or a
// hand edit may change the file meanwhile, so every pick, add and delete first compares the list with the file,
// reloads it when they differ, and acts on the entry the user saw, wherever it is now.
// As a list model (one row per profile, the name as display text) it drives the windows' lists and menus: adds
// and deletes arrive as inserted and removed rows, a load as a reset.
// Every call that touches the file throws AppError when no store is open, and core::WriteError when a write fails;
// a failed write changes neither the file nor the list.
class ProfileList : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit ProfileList(const std::unique_ptr<IniStore>& store, QObject* parent = nullptr);

    // Reads the entries the file holds, replacing what the list held. The count a file states is believed only
    // as far as its keys go, so a damaged count costs nothing. Keys left out make empty places; the list ends
    // before a key that would make them more than 1000 in all (the program leaves none), so a stray huge key does
    // not make the list a billion long.
    void load();
    // Reloads the list when the file holds other entries than the list.
    void refresh();

    int count() const { return int(entries_.size()); }
    // The name and the whole entry at a position, as loaded; empty outside the list.
    QString name(int position) const;
    QString entry(int position) const;
    // The first position whose name equals `name` without regard to letter case, or -1.
    int find(const QString& name) const;
    // The first position holding exactly this entry (name and date), or -1.
    int indexOf(const QString& entry) const;
    // Where the entry shown at `position` is in the file now, after a refresh; -1 when the file no longer holds it.
    int locate(int position);

    // The entry stored under the position's key now (empty text when there is none).
    ProfileEntry read(int position) const;
    // "Selected", -1 when missing.
    int storedSelection() const;
    void storeSelection(int position);

    // Adds a person as a new profile, checked as every add is: a name and date that would not read back as typed,
    // or a name already stored (letter case and blanks at the ends aside, and in the file as it is now), is refused
    // with the sentence for the user and nothing written; otherwise the position of the new profile.
    struct Added {
        int position = -1;
        QString refusal;
    };
    Added addProfile(const QString& name, int day, int month, int year);
    // Appends `entry` after the last entry the file holds (a key already in use is never overwritten) and makes it
    // the selected one, in one file write. Returns its position.
    int add(const QString& entry);
    // Removes the entry shown at `position`, wherever the file holds it now, in one file write: later entries move
    // down one key, the highest key goes and the count drops by one. Returns false, writing nothing, when the file
    // no longer holds that entry.
    bool remove(int position);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    IniStore& store() const;
    // The entries at the positions the list reaches, and the first position after the last key it reaches, where
    // an add goes.
    struct FileEntries {
        QStringList entries;
        int end = 0;
    };
    static FileEntries fileEntries(IniStore& store);
    // The file's entries, noting the store's revision and where an add goes.
    QStringList readFile(IniStore& store);
    void reset(QStringList entries);

    const std::unique_ptr<IniStore>& store_;
    QStringList entries_;
    bool loaded_ = false;
    quint64 loadedRevision_ = 0;  // the store's revision the entries were read at
    int fileEnd_ = 0;             // the first position after the last key read then
};

}  // namespace rorovovo::profiles
