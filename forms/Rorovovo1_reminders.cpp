// Tools > Reminders...: the dialog that hands reminders of critical days to the desktop.
#include <QAction>

#include "forms/Reminders.h"
#include "forms/Rorovovo1.h"
#include "profiles/profile_list.h"

namespace rorovovo::forms {

void TForm1::MenuToolsRemindersClick() {
    auto* dialog = findChild<TFormReminders*>(QStringLiteral("FormReminders"));
    if (!dialog) dialog = new TFormReminders(IniFile, this);
    QStringList stored;
    for (int k = 0; k < profileList_->count(); ++k) stored << profileList_->entry(k);
    dialog->load(stored);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

}  // namespace rorovovo::forms
