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

TFormEditor* TForm1::profileEditor() {
    if (!FormEditor) FormEditor = new TFormEditor(this);
    return FormEditor;
}

void TForm1::MenuAddNewClick() {
    TFormEditor* editor = profileEditor();
    editor->Panel_add->move(0, editor->Panel_add->y());
    editor->Panel_del->move(kOutOfView, editor->Panel_del->y());
    editor->setProfileList(profileList_);
    // The list has told this window about the new profile, which is the last one.
    if (editor->exec() != QDialog::Accepted) return;
    ComboBox1->setCurrentIndex(ComboBox1->count() - 1);
    ComboBox1Change();
}

void TForm1::MenuDeleteClick() {
    TFormEditor* editor = profileEditor();
    QComboBox* editorList = editor->ComboBox1;
    editorList->clear();
    for (int i = 0; i < ComboBox1->count(); ++i) editorList->addItem(ComboBox1->itemText(i));
    editorList->setCurrentIndex(ComboBox1->currentIndex());
    editor->Panel_add->move(kOutOfView, editor->Panel_add->y());
    editor->Panel_del->move(0, editor->Panel_del->y());
    editor->setProfileList(profileList_);
    if (editor->exec() != QDialog::Accepted) return;
    // The selected profile was the one deleted: the first remaining one takes its place.
    if (profiles::trimmedProfileName(ComboBox1->currentText()).isEmpty() && ComboBox1->count() > 0) {
        // Picking it stores "Selected" as 0.
        ComboBox1->setCurrentIndex(0);
        ComboBox1Change();
    }
}

}  // namespace rorovovo::forms
