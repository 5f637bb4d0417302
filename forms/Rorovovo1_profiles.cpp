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
#include "profiles/profile_entry.h"
#include "profiles/profile_list.h"

namespace rorovovo::forms {

namespace {

const QString kPersonalPrefix = QStringLiteral("MenuProPers_");

}  // namespace

QAction* TForm1::newProfileItem(const QString& caption, void (TForm1::*handler)(QAction*), const QString& hint) {
    auto* item = new QAction(caption, this);
    item->setStatusTip(hint);
    item->setData(hint);
    connect(item, &QAction::triggered, this,
            [this, item, handler] { platform::guarded([this, item, handler] { (this->*handler)(item); }); });
    return item;
}

QAction* TForm1::AddProfileMenuItem(QMenu* parent, const QString& caption, void (TForm1::*handler)(QAction*),
                                    const QString& hint) {
    QAction* item = newProfileItem(caption, handler, hint);
    if (parent == MenuProfilePersonal) {
        item->setObjectName(kPersonalPrefix + QString::number(ComboBox1->count() - 1));
        item->setCheckable(true);
        PersonalGroup->addAction(item);
    }
    parent->addAction(item);
    return item;
}

void TForm1::connectProfileList() {
    connect(profileList_, &QAbstractItemModel::modelReset, this, [this] {
        ComboBox1->clear();
        for (QAction* item : PersonalGroup->actions()) delete item;
        for (int k = 0; k < profileList_->count(); ++k) appendProfile(k);
    });
    connect(profileList_, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first, int last) {
        for (int k = first; k <= last; ++k) appendProfile(k);
    });
    connect(profileList_, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex&, int first, int last) {
        for (int k = last; k >= first; --k) removeProfile(k);
    });
}

void TForm1::appendProfile(int position) {
    // Adds only ever append, so the list and the submenu grow at their ends.
    ComboBox1->addItem(profileList_->name(position));
    AddProfileMenuItem(MenuProfilePersonal, ComboBox1->itemText(ComboBox1->count() - 1), &TForm1::MenuPersonalItemClick,
                       QString());
}

void TForm1::removeProfile(int position) {
    if (QAction* item = findChild<QAction*>(kPersonalPrefix + QString::number(position))) delete item;
    // One pass over the submenu rather than one search per later item: the list may be long.
    for (QAction* item : MenuProfilePersonal->actions()) {
        const QString itemName = item->objectName();
        if (!itemName.startsWith(kPersonalPrefix)) continue;
        bool ok = false;
        const int k = itemName.mid(kPersonalPrefix.size()).toInt(&ok);
        if (ok && k > position) item->setObjectName(kPersonalPrefix + QString::number(k - 1));
    }
    const bool wasSelected = ComboBox1->currentIndex() == position;
    ComboBox1->removeItem(position);
    // The list must show no name when its selected profile went; the delete command then selects the first one.
    if (wasSelected) ComboBox1->setCurrentIndex(-1);
}

void TForm1::LoadCelebrities() {
    const auto celebrities = profiles::readCelebrityFile(platform::programFiles().celebrityFile);
    if (!celebrities) {
        platform::showMessage(
            QStringLiteral("Data file 'Cyclomat.dat' with Celebrity names does not exist on path.\r"
                           "Can't load extra data.. Get it from zip file, if you want it too."));
        return;
    }
    celebrities_ = std::move(*celebrities);
    if (!celebrityItems_) {
        celebrityItems_ = new LazyMenu(MenuProfileCelebrity, [this](int i) {
            const profiles::Celebrity& c = celebrities_[size_t(i)];
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
    if (QAction* item = findChild<QAction*>(kPersonalPrefix + QString::number(selected))) item->setChecked(true);
    show();
    ComboBox1->setFocus(Qt::OtherFocusReason);
    ComboBox1Change();
}

void TForm1::ComboBox1Change() {
    const int p = ComboBox1->currentIndex();
    const auto entry = profileList_->read(p);
    profileList_->storeSelection(p);
    Edit_name->setText(entry.name);
    Edit_day->setText(profiles::entryDay(entry.datePart));
    Edit_month->setText(profiles::entryMonth(entry.datePart));
    Edit_year->setText(profiles::entryYear(entry.datePart));
    Button_addnew->setEnabled(false);
    ButtonDrawBioClick();
    if (QAction* item = findChild<QAction*>(kPersonalPrefix + QString::number(p))) item->setChecked(true);
}

void TForm1::MenuPersonalItemClick(QAction* item) {
    ComboBox1->setCurrentIndex(profileList_->find(item->text()));
    ComboBox1Change();
}

void TForm1::MenuCelebrityItemClick(QAction* item) {
    const QString datePart = item->data().toString();
    Edit_day->setText(profiles::entryDay(datePart));
    Edit_month->setText(profiles::entryMonth(datePart));
    Edit_year->setText(profiles::entryYear(datePart));
    Edit_name->setText(item->text());
    Button_addnew->setEnabled(false);
    ButtonDrawBioClick();
}

void TForm1::Edit_nameChange() {
    Button_addnew->setEnabled(profileList_->find(profiles::trimmedProfileName(Edit_name->text())) < 0);
}

void TForm1::Button_addnewClick() {
    if (Edit_name->text().isEmpty() || Edit_day->text().isEmpty() || Edit_month->text().isEmpty() ||
        Edit_year->text().isEmpty())
        return;
    if (!CheckBirthDate()) return;
    profileList_->add(
        profiles::buildProfileEntry(Edit_name->text(), Edit_day->text(), Edit_month->text(), Edit_year->text()));
    Button_addnew->setEnabled(false);
    ComboBox1->setCurrentIndex(ComboBox1->count() - 1);
    ComboBox1Change();
}

}  // namespace rorovovo::forms
