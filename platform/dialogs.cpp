#include "platform/dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include "platform/app_info.h"

namespace rorovovo::platform {

namespace {

DialogHandler& handler() {
    static DialogHandler h;
    return h;
}

QString titleFor(DialogKind kind) {
    switch (kind) {
        case DialogKind::Warning:
            return QCoreApplication::translate("Dialogs", "Warning");
        case DialogKind::Information:
            return QCoreApplication::translate("Dialogs", "Information");
        case DialogKind::Confirmation:
            return QCoreApplication::translate("Dialogs", "Confirm");
        case DialogKind::Plain:
        case DialogKind::Error:
            break;
    }
    return applicationTitle();
}

QMessageBox::Icon iconFor(DialogKind kind) {
    switch (kind) {
        case DialogKind::Warning:
            return QMessageBox::Warning;
        case DialogKind::Information:
            return QMessageBox::Information;
        case DialogKind::Confirmation:
            return QMessageBox::Question;
        case DialogKind::Error:
            return QMessageBox::Critical;
        case DialogKind::Plain:
            break;
    }
    return QMessageBox::NoIcon;
}

DialogButton showReal(const DialogCall& call) {
    QString text = call.text;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(iconFor(call.kind), call.title, text, QMessageBox::NoButton, QApplication::activeWindow());
    for (DialogButton b : call.buttons) box.addButton(b == DialogButton::Ok ? QMessageBox::Ok : QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
    // Names typed by the user appear in these texts; markup in them is shown as typed.
    box.setTextFormat(Qt::PlainText);
    box.adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        box.move(area.center() - box.rect().center());
    }
    return box.exec() == QMessageBox::Ok ? DialogButton::Ok : DialogButton::Cancel;
}

DialogButton dispatch(const DialogCall& call) {
    const DialogHandler& h = handler();
    return h ? h(call) : showReal(call);
}

}  // namespace

void setDialogHandler(DialogHandler h) { handler() = std::move(h); }

void resetDialogHandler() { handler() = nullptr; }

void showMessage(const QString& text) {
    dispatch({DialogKind::Plain, titleFor(DialogKind::Plain), text, {DialogButton::Ok}});
}

DialogButton messageDlg(const QString& text, DialogKind kind, const QList<DialogButton>& buttons) {
    return dispatch({kind, titleFor(kind), text, buttons});
}

void showError(const QString& message) {
    dispatch({DialogKind::Error, titleFor(DialogKind::Error), message + QLatin1Char('.'), {DialogButton::Ok}});
}

}  // namespace rorovovo::platform
