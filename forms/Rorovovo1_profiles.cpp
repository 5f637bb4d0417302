// Profiles: the selection list, the Personal and Celebrity submenus, and "add new" on the main window.
#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "forms/Rorovovo1.h"
#include "forms/lazy_menu.h"
#include "forms/widgets.h"
#include "platform/app_info.h"
#include "platform/dialogs.h"
#include "platform/guard.h"
#include "platform/paths.h"
#include "profiles/celebrities.h"
#include "profiles/ini_store.h"
#include "profiles/profile_entry.h"
#include "profiles/profile_list.h"

namespace rorovovo::forms {

namespace {

const QString kPersonalPrefix = QStringLiteral("MenuProPers_");

}  // namespace

QAction* TForm1::newProfileItem(const QString& caption, void (TForm1::*handler)(QAction*), const QString& hint) {
    // A caption shows "&" as typed rather than as a keyboard mark; the name itself stays for the look-up.
    auto* item = new QAction(QString(caption).replace(QLatin1Char('&'), QStringLiteral("&&")), this);
    item->setProperty("profileName", caption);
    item->setStatusTip(hint);
    item->setData(hint);
    connect(item, &QAction::triggered, this,
            [this, item, handler] { platform::guarded([this, item, handler] { (this->*handler)(item); }); });
    return item;
}

void TForm1::connectProfileList() {
    // The list box shows the profile list itself; the Personal submenu makes its items as it first opens.
    ComboBox1->setModel(profileList_);
    personalItems_ = new LazyMenu(
        MenuProfilePersonal, [this](int k) { return newPersonalItem(k); }, PersonalGroup);
    connect(profileList_, &QAbstractItemModel::modelReset, this, [this] {
        personalItems_->clear();
        checkedPersonal_ = -1;
        personalItems_->setCount(profileList_->count());
        // A reload keeps the profile shown in the boxes selected, wherever it is now.
        selectShownEntry();
    });
    connect(profileList_, &QAbstractItemModel::rowsInserted, this,
            [this] { personalItems_->setCount(profileList_->count()); });
    // The list box moves its selection to a neighbour when the selected row goes; it must show no name instead.
    connect(profileList_, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) {
                const int selected = ComboBox1->currentIndex();
                removingSelected_ = selected >= first && selected <= last;
            });
    connect(profileList_, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex&, int first, int last) {
        for (int k = last; k >= first; --k) removeProfile(k);
        if (removingSelected_) ComboBox1->setCurrentIndex(-1);
    });
}

QAction* TForm1::newPersonalItem(int position) {
    QAction* item = newProfileItem(profileList_->name(position), &TForm1::MenuPersonalItemClick, QString());
    item->setObjectName(kPersonalPrefix + QString::number(position));
    item->setCheckable(true);
    if (position == checkedPersonal_) item->setChecked(true);
    return item;
}

QString TForm1::profileName(const QAction* item) { return item->property("profileName").toString(); }

void TForm1::selectShownEntry() {
    const int p = selectedEntry_ ? profileList_->indexOf(*selectedEntry_) : -1;
    ComboBox1->setCurrentIndex(p);
    checkPersonalItem(p);
}

void TForm1::removeProfile(int position) {
    personalItems_->removeAt(position);
    // Later items take the positions, and so the names, of the ones before them.
    for (int k = position; k < personalItems_->built(); ++k)
        personalItems_->item(k)->setObjectName(kPersonalPrefix + QString::number(k));
    if (checkedPersonal_ == position)
        checkedPersonal_ = -1;
    else if (checkedPersonal_ > position)
        --checkedPersonal_;
}

void TForm1::checkPersonalItem(int position) {
    if (position < 0) return;
    // Only the items the menu holds are in the radio group, so the one marked before is unmarked here.
    if (QAction* previous = personalItems_->item(checkedPersonal_); previous && checkedPersonal_ != position)
        previous->setChecked(false);
    checkedPersonal_ = position;
    // An item not made yet is made marked.
    if (QAction* item = personalItems_->item(position)) item->setChecked(true);
}

void TForm1::LoadCelebrities() {
    std::optional<profiles::CelebrityList> celebrities;
    try {
        celebrities = profiles::readCelebrityFile(platform::programFiles().celebrityFile);
    } catch (const std::exception& error) {
        // A data file that cannot be read (a folder, a FIFO) is reported, and the start-up goes on without it.
        platform::reportUncaught(error);
        return;
    }
    if (!celebrities) {
        platform::showMessage(
            tr("Data file 'Cyclomat.dat' with Celebrity names does not exist on path.\r"
               "Can't load extra data.. Get it from zip file, if you want it too."));
        return;
    }
    celebrities_ = std::move(*celebrities);
    if (!celebrityItems_) {
        celebrityItems_ = new LazyMenu(MenuProfileCelebrity, [this](int i) {
            const profiles::Celebrity c = celebrities_[size_t(i)];
            return newProfileItem(c.name, &TForm1::MenuCelebrityItemClick, c.datePart);
        });
    }
    celebrityItems_->setCount(int(celebrities_.size()));
}

void TForm1::LoadProfiles() {
    profileList_->load();
    if (profileList_->count() == 0) return;
    const int selected = profileList_->storedSelection();
    // A stored position that names no loaded profile starts with no selection and no chart.
    if (selected < 0 || selected >= ComboBox1->count()) {
        ComboBox1->setCurrentIndex(-1);
        return;
    }
    ComboBox1->setCurrentIndex(selected);
    checkPersonalItem(selected);
    show();
    ComboBox1->setFocus(Qt::OtherFocusReason);
    ComboBox1Change();
}

void TForm1::ComboBox1Change() {
    const int picked = ComboBox1->currentIndex();
    const QString seen = profileList_->entry(picked);
    // The file may have changed under the list; act on the entry the user picked, wherever it is now.
    const int p = profileList_->locate(picked);
    if (p < 0) {
        selectShownEntry();
        if (picked >= 0)
            platform::showMessage(
                tr("The profile '%1' is no longer in the settings file.").arg(profiles::parseProfileEntry(seen).name));
        return;
    }
    ComboBox1->setCurrentIndex(p);
    const auto entry = profileList_->read(p);
    selectedEntry_ = seen;
    // Remembering the pick for the next start may fail (a read-only folder); the pick itself goes on.
    QString unremembered;
    try {
        profileList_->storeSelection(p);
    } catch (const core::WriteError& error) {
        if (!selectionWriteReported_) unremembered = platform::errorText(error);
    }
    Edit_name->setText(entry.name);
    Edit_day->setText(profiles::entryDay(entry.datePart));
    Edit_month->setText(profiles::entryMonth(entry.datePart));
    Edit_year->setText(profiles::entryYear(entry.datePart));
    Button_addnew->setEnabled(false);
    ButtonDrawBioClick();
    checkPersonalItem(p);
    if (!unremembered.isEmpty()) {
        selectionWriteReported_ = true;
        platform::showError(tr("The profile is shown, but the selection could not be remembered for the "
                               "next start (no more reports of this in this run). %1")
                                .arg(unremembered));
    }
}

void TForm1::MenuPersonalItemClick(QAction* item) {
    // Choosing an item marked it; the mark follows the selection, which the pick may or may not change.
    if (item != personalItems_->item(checkedPersonal_)) item->setChecked(false);
    const int p = profileList_->find(profileName(item));
    if (p < 0) return;
    ComboBox1->setCurrentIndex(p);
    ComboBox1Change();
}

void TForm1::MenuCelebrityItemClick(QAction* item) {
    const QString datePart = item->data().toString();
    Edit_day->setText(profiles::entryDay(datePart));
    Edit_month->setText(profiles::entryMonth(datePart));
    Edit_year->setText(profiles::entryYear(datePart));
    Edit_name->setText(profileName(item));
    Button_addnew->setEnabled(false);
    ButtonDrawBioClick();
}

void TForm1::Edit_nameChange() {
    Button_addnew->setEnabled(profileList_->find(profiles::trimmedProfileName(Edit_name->text())) < 0);
}

void TForm1::Button_addnewClick() {
    if (Edit_name->text().isEmpty() || dateBoxes_.anyEmpty()) return;
    if (!CheckBirthDate()) return;
    const rhythm::Date date = dateBoxes_.value();
    const auto added = profileList_->addProfile(Edit_name->text(), date.Day, date.Month, date.Year);
    if (!added.refusal.isEmpty()) {
        platform::showMessage(added.refusal);
        return;
    }
    Button_addnew->setEnabled(false);
    ComboBox1->setCurrentIndex(added.position);
    ComboBox1Change();
}

}  // namespace rorovovo::forms
