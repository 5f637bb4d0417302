#include "forms/Rorovovo2.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "forms/widgets.h"

namespace rorovovo::forms {

TFormEditor::TFormEditor(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormEditor"));
    setWindowTitle(QStringLiteral("Profile editor"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    FormCreate();
}

void TFormEditor::FormCreate() { setFixedSize(202, 90); }

void TFormEditor::FormShow() {}

void TFormEditor::Button_addnewClick() {}

void TFormEditor::Button_deleteClick() {}

void TFormEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

}  // namespace rorovovo::forms
