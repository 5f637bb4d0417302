#pragma once

#include <QList>
#include <QString>
#include <functional>

class QWidget;

namespace rorovovo::platform {

// The program's modal message windows. Texts break lines at each carriage return.
enum class DialogKind {
    Plain,         // application title, no icon
    Warning,       // "Warning", warning icon
    Information,   // "Information", information icon
    Confirmation,  // "Confirm", question-mark icon
    Error,         // application title, error icon
};
enum class DialogButton { Ok, Cancel };

struct DialogCall {
    DialogKind kind;
    QString title;
    QString text;
    QList<DialogButton> buttons;
};

// Tests answer dialogs in advance and see what was shown; the real handler shows a modal box.
using DialogHandler = std::function<DialogButton(const DialogCall&)>;
void setDialogHandler(DialogHandler handler);
void resetDialogHandler();

// A plain message box with one OK button.
void showMessage(const QString& text);
// A typed dialog with the given buttons; returns the button pressed (Cancel when closed otherwise).
DialogButton messageDlg(const QString& text, DialogKind kind, const QList<DialogButton>& buttons);
// The error box: application title, error icon, OK, the message with a full stop added.
void showError(const QString& message);

}  // namespace rorovovo::platform
