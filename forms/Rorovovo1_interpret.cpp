// Today's interpretation for the person last drawn.
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include "core/qt_text.h"
#include "forms/QuorvitInterpret.h"
#include "forms/Rorovovo1.h"
#include "platform/clock.h"
#include "rhythm/convert.h"
#include "rhythm/interpretation.h"

namespace rorovovo::forms {

void TForm1::MenuProgramIterpretClick() { ShowInterpretation(); }

void TForm1::ShowInterpretation() {
    // Everything that can fail comes first, so a box that does not hold a number leaves the window as it was.
    const int physical = rhythm::strToInt(Edit2->text().toStdString());
    const int emotional = rhythm::strToInt(Edit3->text().toStdString());
    const int intellectual = rhythm::strToInt(Edit4->text().toStdString());
    const QDateTime now = platform::now();
    // Until the first drawing there is nobody to have a birthday.
    const bool birthday = drawn_ && rhythm::isBirthday(drawn_->birthDate, platform::toDateValue(now));

    // The texts describe the person last drawn; the caption names whoever the name box holds now.
    interpretWindow()->showTexts(
        //: The interpretation window's caption: today's date, then the name in the name box.
        tr("     Rhythm's interpretation @  %1  -  for %2")
            .arg(QLocale().toString(now.date(), QLocale::ShortFormat), Edit_name->text()),
        core::translated("Interpretation", rhythm::physicalText(physical)),
        core::translated("Interpretation", rhythm::emotionalText(emotional)),
        core::translated("Interpretation", rhythm::intellectualText(intellectual)), birthday);
}

TFormInterpret* TForm1::interpretWindow() {
    if (!FormInterpret) FormInterpret = new TFormInterpret(this);
    return FormInterpret;
}

}  // namespace rorovovo::forms
