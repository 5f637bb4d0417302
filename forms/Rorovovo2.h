#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rorovovo::forms {

class BevelPanel;

// The profile editor: adds a profile or deletes a stored one; the main window shows one of its two panels.
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
};

}  // namespace rorovovo::forms
