// Tools > Planner...: the planner window, made on first use, offered the stored profiles and the celebrities.
#include "forms/Planner.h"
#include "forms/Rorovovo1.h"
#include "profiles/profile_list.h"

namespace rorovovo::forms {

void TForm1::MenuToolsPlannerClick() {
    if (!plannerWindow_) plannerWindow_ = new TFormPlanner(IniFile, this);
    QList<profiles::ProfileEntry> personal, celebrities;
    for (int k = 0; k < profileList_->count(); ++k) personal << profiles::parseProfileEntry(profileList_->entry(k));
    for (size_t i = 0; i < celebrities_.size(); ++i) {
        const profiles::Celebrity c = celebrities_[i];
        celebrities.push_back({c.name, c.datePart});
    }
    plannerWindow_->setPeople(personal, celebrities);
    if (!plannerWindow_->isVisible()) plannerWindow_->reset();
    plannerWindow_->show();
    plannerWindow_->raise();
    plannerWindow_->activateWindow();
}

}  // namespace rorovovo::forms
