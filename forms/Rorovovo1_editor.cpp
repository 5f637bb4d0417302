// Adding and deleting profiles through the profile editor.
#include <QComboBox>

#include "forms/Rorovovo1.h"
#include "forms/Rorovovo2.h"
#include "forms/widgets.h"
#include "profiles/profile_entry.h"
#include "profiles/profile_list.h"

namespace rorovovo::forms {

namespace {

// The panel out of view sits beyond the editor's client width.
constexpr int kOutOfView = 400;

}  // namespace

void TForm1::MenuAddNewClick() {
    FormEditor->Panel_add->move(0, FormEditor->Panel_add->y());
    FormEditor->Panel_del->move(kOutOfView, FormEditor->Panel_del->y());
    FormEditor->setProfileList(profileList_);
    // The list has told this window about the new profile, which is the last one.
    if (FormEditor->exec() != QDialog::Accepted) return;
    ComboBox1->setCurrentIndex(ComboBox1->count() - 1);
    ComboBox1Change();
}

void TForm1::MenuDeleteClick() {
    QComboBox* editorList = FormEditor->ComboBox1;
    editorList->clear();
    for (int i = 0; i < ComboBox1->count(); ++i) editorList->addItem(ComboBox1->itemText(i));
    editorList->setCurrentIndex(ComboBox1->currentIndex());
    FormEditor->Panel_add->move(kOutOfView, FormEditor->Panel_add->y());
    FormEditor->Panel_del->move(0, FormEditor->Panel_del->y());
    FormEditor->setProfileList(profileList_);
    if (FormEditor->exec() != QDialog::Accepted) return;
    // The selected profile was the one deleted: the first remaining one takes its place.
    if (profiles::trimmedProfileName(ComboBox1->currentText()).isEmpty() && ComboBox1->count() > 0) {
        // Picking it stores "Selected" as 0.
        ComboBox1->setCurrentIndex(0);
        ComboBox1Change();
    }
}

}  // namespace rorovovo::forms
