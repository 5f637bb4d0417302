// Adding and deleting profiles through the profile editor.
#include <QComboBox>

#include "forms/Rorovovo1.h"
#include "forms/Rorovovo2.h"
#include "forms/widgets.h"
#include "profiles/profile_entry.h"
#include "profiles/profile_list.h"

namespace rorovovo::forms {

TFormEditor* TForm1::profileEditor() {
    if (!FormEditor) FormEditor = new TFormEditor(this);
    return FormEditor;
}

void TForm1::MenuAddNewClick() {
    // The list has told this window about the new profile, which is the last one.
    if (!profileEditor()->addProfile(profileList_)) return;
    ComboBox1->setCurrentIndex(ComboBox1->count() - 1);
    ComboBox1Change();
}

void TForm1::MenuDeleteClick() {
    if (!profileEditor()->deleteProfile(profileList_, ComboBox1->currentIndex())) return;
    // The selected profile was the one deleted: the first remaining one takes its place.
    if (profiles::trimmedProfileName(ComboBox1->currentText()).isEmpty() && ComboBox1->count() > 0) {
        // Picking it stores "Selected" as 0.
        ComboBox1->setCurrentIndex(0);
        ComboBox1Change();
    }
}

}  // namespace rorovovo::forms
