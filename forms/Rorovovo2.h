#pragma once

#include <QDialog>
#include <QPointer>

#include "forms/person_panel.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rorovovo::profiles {
class ProfileList;
}

namespace rorovovo::forms {

class BevelPanel;

// The profile editor: adds a profile or deletes a stored one; the main window shows one of its two panels.
// It adds and deletes through the profile list it is given before it is shown; whoever shows that list hears
// of the change from the list.
class TFormEditor : public QDialog {
    Q_OBJECT
  public:
    explicit TFormEditor(QWidget* parent = nullptr);

    // Shows the add panel modally; true when a profile was added to `list` (as its last one).
    bool addProfile(profiles::ProfileList* list);
    // Shows the delete panel modally with `selected` preselected; true when a profile was deleted from `list`.
    bool deleteProfile(profiles::ProfileList* list, int selected);

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void FormCreate();
    void FormShow();
    void Button_addnewClick();
    void Button_deleteClick();
    void setProfileList(profiles::ProfileList* list);
    void createControls();

    BevelPanel* Panel_add;
    QLineEdit *Edit_name, *Edit_day, *Edit_month, *Edit_year;
    QPushButton* Button_addnew;
    BevelPanel* Panel_del;
    QComboBox* ComboBox1;
    QPushButton* Button_delete;
    DateBoxes dateBoxes_;
    profiles::ProfileList& profileList() const;
    QPointer<profiles::ProfileList> profileList_;
};

}  // namespace rorovovo::forms
