// Profiles: the selection list, the Personal and Celebrity submenus, and "add new" on the main window.
#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "forms/Rorovovo1.h"
#include "forms/widgets.h"
#include "platform/app_info.h"
#include "platform/dialogs.h"
#include "platform/guard.h"
#include "platform/paths.h"
#include "profiles/celebrities.h"
#include "profiles/ini_store.h"
#include "profiles/profile_entry.h"

namespace rorovovo::forms {

namespace {

const QString kRecords = QStringLiteral("Records");

}  // namespace

QAction* TForm1::AddProfileMenuItem(QMenu* parent, const QString& caption, void (TForm1::*handler)(QAction*),
                                    const QString& hint) {
    auto* item = new QAction(caption, this);
    if (parent == MenuProfilePersonal) {
        item->setObjectName(QStringLiteral("MenuProPers_%1").arg(ComboBox1->count() - 1));
        item->setCheckable(true);
        PersonalGroup->addAction(item);
    }
    item->setStatusTip(hint);
    item->setData(hint);
    connect(item, &QAction::triggered, this,
            [this, item, handler] { platform::guarded([this, item, handler] { (this->*handler)(item); }); });
    parent->addAction(item);
    return item;
}

void TForm1::LoadCelebrities() {
    const auto celebrities = profiles::readCelebrityFile(platform::programFiles().celebrityFile);
    if (!celebrities) {
        platform::showMessage(
            QStringLiteral("Data file 'Cyclomat.dat' with Celebrity names does not exist on path.\r"
                           "Can't load extra data.. Get it from zip file, if you want it too."));
        return;
    }
    MenuProfileCelebrity->setUpdatesEnabled(false);
    for (const auto& c : *celebrities)
        AddProfileMenuItem(MenuProfileCelebrity, c.name, &TForm1::MenuCelebrityItemClick, c.datePart);
    MenuProfileCelebrity->setUpdatesEnabled(true);
}

void TForm1::LoadProfiles() {
    const int count = IniFile->readInteger(kRecords, QStringLiteral("Profiles"), 0);
    if (count == 0) return;
    for (int k = 0; k < count; ++k) {
        const QString entry = IniFile->readString(kRecords, QString::number(k), QString());
        ComboBox1->addItem(profiles::parseProfileEntry(entry).name);
        AddProfileMenuItem(MenuProfilePersonal, ComboBox1->itemText(ComboBox1->count() - 1),
                           &TForm1::MenuPersonalItemClick, QString());
    }
    const int selected = IniFile->readInteger(kRecords, QStringLiteral("Selected"), -1);
    // A stored position that names no loaded profile starts with no selection and no chart.
    if (selected < 0 || selected >= ComboBox1->count()) {
        ComboBox1->setCurrentIndex(-1);
        return;
    }
    ComboBox1->setCurrentIndex(selected);
    if (QAction* item = findChild<QAction*>(QStringLiteral("MenuProPers_%1").arg(selected))) item->setChecked(true);
    show();
    ComboBox1->setFocus(Qt::OtherFocusReason);
    ComboBox1Change();
}

void TForm1::ComboBox1Change() {
    const int p = ComboBox1->currentIndex();
    IniFile->writeInteger(kRecords, QStringLiteral("Selected"), p);
    const auto entry = profiles::parseProfileEntry(IniFile->readString(kRecords, QString::number(p), QString()));
    Edit_name->setText(entry.name);
    Edit_day->setText(profiles::entryDay(entry.datePart));
    Edit_month->setText(profiles::entryMonth(entry.datePart));
    Edit_year->setText(profiles::entryYear(entry.datePart));
    Button_addnew->setEnabled(false);
    ButtonDrawBioClick();
    if (QAction* item = findChild<QAction*>(QStringLiteral("MenuProPers_%1").arg(p))) item->setChecked(true);
}

void TForm1::MenuPersonalItemClick(QAction* item) {
    ComboBox1->setCurrentIndex(findListName(ComboBox1, item->text()));
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
    Button_addnew->setEnabled(findListName(ComboBox1, profiles::trimmedProfileName(Edit_name->text())) < 0);
}

void TForm1::Button_addnewClick() {
    if (Edit_name->text().isEmpty() || Edit_day->text().isEmpty() || Edit_month->text().isEmpty() ||
        Edit_year->text().isEmpty())
        return;
    if (!CheckBirthDate()) return;
    {
        // The three writes of one add reach the file together or not at all.
        profiles::IniStore::Batch batch(*IniFile);
        const int n = IniFile->readInteger(kRecords, QStringLiteral("Profiles"), 0);
        IniFile->writeInteger(kRecords, QStringLiteral("Profiles"), n + 1);
        IniFile->writeInteger(kRecords, QStringLiteral("Selected"), n);
        IniFile->writeString(kRecords, QString::number(n),
                             Edit_name->text() + QLatin1Char('|') + Edit_day->text() + QLatin1Char('.') +
                                 Edit_month->text() + QLatin1Char('.') + Edit_year->text());
        batch.commit();
    }
    ComboBox1->addItem(Edit_name->text());
    AddProfileMenuItem(MenuProfilePersonal, Edit_name->text(), &TForm1::MenuPersonalItemClick, QString());
    Button_addnew->setEnabled(false);
    ComboBox1->setCurrentIndex(ComboBox1->count() - 1);
    ComboBox1Change();
}

}  // namespace rorovovo::forms
