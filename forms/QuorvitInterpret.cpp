#include "forms/QuorvitInterpret.h"

#include <QLabel>
#include <QMouseEvent>

#include "forms/widgets.h"

namespace rorovovo::forms {

TFormInterpret::TFormInterpret(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormInterpret"));
    setWindowTitle(QStringLiteral("     Rhythm's interpretation ..."));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(492, 216);
    move(562, 231);
}

void TFormInterpret::FormClick() { hide(); }

void TFormInterpret::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
    FormClick();
}

}  // namespace rorovovo::forms
