#include "forms/person_panel.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "core/qt_text.h"
#include "forms/widgets.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "rhythm/convert.h"
#include "rhythm/dates.h"

namespace rorovovo::forms {

namespace {

QLineEdit* dateBox(QWidget* parent, const QString& name, QPoint place_, int width, int maxChars, bool digitsOnly) {
    auto* box = place(new QLineEdit(parent), name.toLatin1().constData(), place_.x(), place_.y(), width, 21);
    if (digitsOnly) {
        box->setMaxLength(maxChars);
        box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    } else {
        limitTypedLength(box, maxChars);
    }
    box->setTextMargins(0, 0, 0, 0);
    keepTextInside(box);
    return box;
}

}  // namespace

PersonPanel PersonPanel::create(QWidget* parent, const Layout& layout) {
    PersonPanel panel;
    const char* const texts[] = {QT_TRANSLATE_NOOP("PersonPanel", "name"), QT_TRANSLATE_NOOP("PersonPanel", "day"),
                                 QT_TRANSLATE_NOOP("PersonPanel", "month"), QT_TRANSLATE_NOOP("PersonPanel", "year")};
    for (std::size_t i = 0; i < panel.captions.size(); ++i)
        panel.captions[i] = place(new QLabel(QCoreApplication::translate("PersonPanel", texts[i]), parent),
                                  layout.captionNames[i], layout.captionPlaces[i].x(), layout.captionPlaces[i].y());
    const QString suffix = QLatin1String(layout.suffix);
    const QRect& n = layout.nameBox;
    panel.name = place(new QLineEdit(parent), (QStringLiteral("Edit_name") + suffix).toLatin1().constData(), n.x(),
                       n.y(), n.width(), n.height());
    const QPoint at = layout.dateBoxes;
    panel.date.day = dateBox(parent, QStringLiteral("Edit_day") + suffix, at, 20, 2, layout.digitsOnly);
    panel.date.month =
        dateBox(parent, QStringLiteral("Edit_month") + suffix, at + QPoint(27, 0), 20, 2, layout.digitsOnly);
    panel.date.year =
        dateBox(parent, QStringLiteral("Edit_year") + suffix, at + QPoint(54, 0), 35, 4, layout.digitsOnly);
    // A screen reader names each box by its caption.
    QLineEdit* const boxes[] = {panel.name, panel.date.day, panel.date.month, panel.date.year};
    for (std::size_t i = 0; i < panel.captions.size(); ++i) boxes[i]->setAccessibleName(panel.captions[i]->text());
    return panel;
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
    platform::showMessage(core::translated("Messages", rhythm::InvalidBirthDateMessage));
    day->setFocus(Qt::OtherFocusReason);
    return false;
}

rhythm::Date DateBoxes::value() const {
    return {rhythm::strToInt(core::utf8(year->text())), rhythm::strToInt(core::utf8(month->text())),
            rhythm::strToInt(core::utf8(day->text()))};
}

}  // namespace rorovovo::forms
