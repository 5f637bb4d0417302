#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rorovovo::profiles {
class IniStore;
}

namespace rorovovo::forms {

class BevelPanel;

// Stores `entry` under the next free key of "Records" and makes it the selected one, in one file write.
void addProfileEntry(profiles::IniStore& store, const QString& entry);
// Removes the entry at `position` from "Records" in one file write: the later entries move down one key, the
// highest key goes and "Profiles" drops by one. Returns false, writing nothing, when the file holds no entry
// at that position.
bool deleteProfileEntry(profiles::IniStore& store, int position);

// The profile editor: adds a profile or deletes a stored one; the main window shows one of its two panels.
// It works on the main window's list and the shared settings file, so Form1 and IniFile must exist when
// one of its buttons is pressed.
class TFormEditor : public QDialog {
    Q_OBJECT
  public:
    explicit TFormEditor(QWidget* parent = nullptr);

    BevelPanel* Panel_add;
    QLabel *Label10, *Label1, *Label2, *Label3;
    QLineEdit *Edit_name, *Edit_day, *Edit_month, *Edit_year;
    QPushButton* Button_addnew;
    BevelPanel* Panel_del;
    QComboBox* ComboBox1;
    QPushButton* Button_delete;

    void FormCreate();
    void FormShow();
    void Button_addnewClick();
    void Button_deleteClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void createControls();
};

}  // namespace rorovovo::forms
