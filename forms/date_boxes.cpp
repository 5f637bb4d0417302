#include "forms/date_boxes.h"

#include <QDate>
#include <QLineEdit>

#include "forms/widgets.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "rhythm/convert.h"
#include "rhythm/dates.h"

namespace rorovovo::forms {

namespace {

QString padded(int value, int digits) { return QString::fromStdString(rhythm::zeroPadded(value, digits)); }

QLineEdit* dateBox(QWidget* parent, const char* name, int left, int top, int width, int maxChars) {
    auto* box = place(new QLineEdit(parent), name, left, top, width, 21);
    limitTypedLength(box, maxChars);
    box->setTextMargins(0, 0, 0, 0);
    keepTextInside(box);
    return box;
}

}  // namespace

DateBoxes DateBoxes::create(QWidget* parent, int left, int top) {
    DateBoxes boxes;
    boxes.day = dateBox(parent, "Edit_day", left, top, 20, 2);
    boxes.month = dateBox(parent, "Edit_month", left + 27, top, 20, 2);
    boxes.year = dateBox(parent, "Edit_year", left + 54, top, 35, 4);
    return boxes;
}

void DateBoxes::fillToday() const {
    const QDate today = platform::now().date();
    year->setText(padded(today.year(), 4));
    month->setText(padded(today.month(), 2));
    day->setText(padded(today.day(), 2));
}

bool DateBoxes::anyEmpty() const { return day->text().isEmpty() || month->text().isEmpty() || year->text().isEmpty(); }

bool DateBoxes::check() const {
    if (rhythm::checkBirthDate(day->text().toStdString(), month->text().toStdString(), year->text().toStdString()))
        return true;
    platform::showMessage(
        QString::fromUtf8(rhythm::InvalidBirthDateMessage.data(), qsizetype(rhythm::InvalidBirthDateMessage.size())));
    day->setFocus(Qt::OtherFocusReason);
    return false;
}

}  // namespace rorovovo::forms
