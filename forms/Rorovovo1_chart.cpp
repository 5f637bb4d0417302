// The chart, the cycle-day panel, the zodiac sign, moving through time and the date boxes.
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <vector>

#include "chart/chart_drawing.h"
#include "chart/colors.h"
#include "chart/indicator.h"
#include "chart/strip_geometry.h"
#include "chart/vertical_text.h"
#include "core/qt_text.h"
#include "forms/CriticalDays.h"
#include "forms/Rorovovo1.h"
#include "forms/day_reading.h"
#include "forms/widgets.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "profiles/profile_entry.h"
#include "rhythm/convert.h"
#include "rhythm/dates.h"
#include "rhythm/daycount.h"
#include "rhythm/rhythms.h"
#include "rhythm/zodiac.h"

namespace rorovovo::forms {

namespace {

// The desktop colours the indicators and the date marker are drawn in.
constexpr chart::Rgb kInactiveBorder = 0xD4D0C8, kWindowText = 0x000000, kButtonHighlight = 0xFFFFFF;

using core::utf8;

QString paddedText(const QString& text, int digits) { return padded(rhythm::strToInt(utf8(text)), digits); }

chart::Rgb desktopColour(const QWidget* w, QPalette::ColorRole role) {
    return w->palette().color(role).rgb() & 0xFFFFFF;
}
chart::Rgb buttonFace(const QWidget* w) { return desktopColour(w, QPalette::Window); }

}  // namespace

bool TForm1::CheckBirthDate() { return dateBoxes_.check(); }

void TForm1::DrawChartFrame() {
    drawnRhythms_ = 0;
    chart::drawChartFrame(ImageBio->canvas(), chart::Strip.TodayX, ImageBio->width(), ImageBio->height(),
                          screenChart());
}

void TForm1::DrawRhythmCurve(int period, int offset) {
    if (const rhythm::Rhythm* r = rhythm::rhythmByPeriod(period))
        drawnRhythms_ = static_cast<rhythm::RhythmSet>(drawnRhythms_ | (1u << (r->Number - 1)));
    chart::drawRhythmCurve(ImageBio->canvas(), period, offset, chart::Strip.ChartHeight, chart::Strip.ArcTop,
                           ImageBio->width());
}

void TForm1::ButtonDrawBioClick() {
    if (!CheckBirthDate()) return;
    Panel2->resize(Panel2->width(), Label9->y() + 20);
    showExtraLegend(false);
    // One reading of the clock for the whole drawing, so its curves and the age agree on the day at midnight.
    const double today = platform::toDateValue(platform::now());
    DrawnPerson person;
    person.name = profiles::trimmedProfileName(Edit_name->text());
    person.birthDate =
        rhythm::encodeDate(rhythm::strToInt(utf8(Edit_year->text())), rhythm::strToInt(utf8(Edit_month->text())),
                           rhythm::strToInt(utf8(Edit_day->text())));
    person.daysLived = rhythm::daysLived(person.birthDate, today);
    person.cycleDays = shownCycleDays_;
    ImageBio->canvas().setPenStyle(PenStyle::Solid);
    DrawChartFrame();
    for (const auto& r : rhythm::Rhythms)
        if (r.Base && rhythmOption(r)->isChecked()) drawRhythm(r, person);
    // One decimal, written with the user's decimal separator.
    Edit_age->setText(QString::fromStdString(rhythm::formatAge(rhythm::ageYears(person.birthDate, today)))
                          .replace(QLatin1Char('.'), QLocale().decimalPoint()));
    ShowZodiacSign(person.birthDate);
    for (PictureBox* image : {Image_Physical, Image_Emotional, Image_Intellectual, Image_Intuitional})
        ClearIndicator(image);
    for (const auto& r : rhythm::Rhythms)
        if (r.Base)
            DrawPhaseIndicator(phaseIndicator(r), person.cycleDays[r.Number - 1], r.Period, rhythm::colourOf(r));
    drawn_ = person;
    extraDrawn_ = false;
    MenuToolsSave->setEnabled(true);
    MenuToolsPrint->setEnabled(true);
    afterDraw();
    emit personDrawn(person);
}

void TForm1::MenuProgramDrawExtraClick(QObject* sender) {
    // Before any draw the extra curves are drawn for the birth date of day 0, as for everything else then.
    DrawnPerson person = drawn_.value_or(DrawnPerson{});
    person.daysLived = rhythm::daysLived(person.birthDate, platform::toDateValue(platform::now()));
    for (const auto& r : rhythm::Rhythms)
        if (!r.Base && (rhythmOption(r)->isChecked() || sender == MenuProgramDrawExtra)) drawRhythm(r, person);
    Panel2->resize(Panel2->width(), Label17->y() + 18);
    showExtraLegend(true);
    extraDrawn_ = true;
    if (drawn_) DrawCriticalMarks();
}

rhythm::ShownRhythms TForm1::checkedRhythms() const {
    rhythm::ShownRhythms shown{};
    for (const auto& r : rhythm::Rhythms) shown[std::size_t(r.Number - 1)] = rhythmOption(r)->isChecked();
    return shown;
}

void TForm1::showExtraLegend(bool shown) {
    // While the panel's edge hides it, a script whose letters reach a line's top would still show a row of them.
    for (QWidget* w : std::initializer_list<QWidget*>{Label16, Label17, Shape5, Shape6, Shape7, Shape8})
        w->setVisible(shown);
}

void TForm1::afterDraw() { DrawCriticalMarks(); }

std::optional<DayReading> TForm1::chartDay(int column) const {
    if (!drawn_ || drawnRhythms_ == 0 || column < 0 || column >= chart::Strip.Days) return std::nullopt;
    const double date = std::floor(platform::toDateValue(platform::now())) - chart::Strip.daysBefore() + column;
    return readDay(drawn_->birthDate, date, drawnRhythms_);
}

QString TForm1::chartDayText(int column) const {
    const std::optional<DayReading> day = chartDay(column);
    return day ? dayReadingText(*day) : QString();
}

void TForm1::DrawCriticalMarks() {
    if (!MenuOptionsCriticalMarks->isChecked() || !drawn_) return;
    const int lived = rhythm::daysLived(drawn_->birthDate, platform::toDateValue(platform::now()));
    const int firstDayCount = lived - chart::Strip.daysBefore();  // the day of the leftmost column
    std::vector<chart::Rgb> colours;
    for (int column = 0; chart::Strip.DayWidth * column < ImageBio->width(); ++column) {
        const rhythm::RhythmSet critical = rhythm::criticalRhythms(firstDayCount + column);
        if (critical == 0) continue;
        colours.clear();
        for (const rhythm::Rhythm& r : rhythm::Rhythms)
            if (critical & drawnRhythms_ & (1u << (r.Number - 1))) colours.push_back(rhythm::colourOf(r));
        const rhythm::CriticalKind kind = rhythm::criticalKind(critical);
        chart::drawCriticalMark(ImageBio->canvas(), column, colours,
                                kind == rhythm::CriticalKind::Double || kind == rhythm::CriticalKind::Triple,
                                screenChart());
    }
}

void TForm1::MenuToolsCriticalClick() {
    if (!criticalWindow_) {
        criticalWindow_ = new TFormCritical(IniFile, this);
        if (drawn_) criticalWindow_->setPerson(*drawn_);
        connect(this, &TForm1::personDrawn, criticalWindow_, &TFormCritical::setPerson);
    }
    if (!criticalWindow_->isVisible()) criticalWindow_->reset();
    criticalWindow_->show();
    criticalWindow_->raise();
    criticalWindow_->activateWindow();
}

void TForm1::drawRhythm(const rhythm::Rhythm& r, DrawnPerson& person) {
    auto& canvas = ImageBio->canvas();
    canvas.setPenColor(chart::onChart(rhythm::colourOf(r), screenChart()));
    canvas.setPenStyle(rhythm::penOf(r));
    Edit6->setText(QString::number(person.daysLived));
    if (QLineEdit* box = cycleDayBox(r)) {
        const int day = rhythm::cycleDay(person.daysLived, r.Period);
        person.cycleDays[r.Number - 1] = shownCycleDays_[r.Number - 1] = day;
        box->setText(QString::number(day));
        // Writing the text a box already holds notifies nobody (a design text "4" and day 4), so the box is
        // brought to two digits here as well; on a box already formatted this changes nothing.
        Edit2Change(box);
    }
    DrawRhythmCurve(r.Period, rhythm::leftEdgeCycleDay(person.daysLived, chart::Strip.TodayX, r.Period));
}

void TForm1::MenuOptionsShowCyclesClick(QAction* sender) {
    // The toolkit flips a checkable item's mark as it is chosen; nothing is redrawn until the next draw.
    Q_UNUSED(sender);
}

void TForm1::Edit2Change(QLineEdit* sender) {
    const QString text = paddedText(sender->text(), 2);
    // Writing the same text again notifies nobody, which ends the chain of change notifications.
    if (text != sender->text()) sender->setText(text);
}

namespace {
// What the indicators are drawn on: white, which the picture shows the window through, or on a dark desktop the
// window's own colour, so that no light edge rings them.
chart::Rgb indicatorPaper(const QWidget* w) { return darkWindows() ? buttonFace(w) : chart::kWhite; }
}  // namespace

void TForm1::ClearIndicator(PictureBox* image) { chart::clearIndicator(image->canvas(), indicatorPaper(this)); }

void TForm1::DrawPhaseIndicator(PictureBox* image, int dayNo, int period, unsigned color) {
    // The white of the picture shows the window through it, so on a dark desktop the percentage is written in the
    // desktop's text colour.
    const chart::Rgb text = darkWindows() ? desktopColour(this, QPalette::WindowText) : kWindowText;
    const std::string hint =
        chart::drawPhaseIndicator(image->canvas(), dayNo, period, color, kInactiveBorder, text, indicatorPaper(this));
    image->setToolTip(core::translated("Indicator", hint));
}

void TForm1::ShowZodiacSign(double date) {
    const auto ymd = rhythm::decodeDate(date);
    const int n = rhythm::zodiacSignNumber(ymd.Month, ymd.Day);
    const auto& sign = rhythm::ZodiacSigns[n - 1];
    Label_Sign->setText(core::translated("Zodiac", sign.Name));
    // A name longer than the label grows it equally on both sides of its place above the picture.
    const int grow = std::max(0, textWidth(Label_Sign) - signLabelPlace_.width());
    Label_Sign->setGeometry(signLabelPlace_.adjusted(-(grow + 1) / 2, 0, (grow + 1) / 2, 0));
    ImageSign->clearPicture();
    const QImage& strip = myImageList->picture();
    // The picture has as many device pixels as the control shows, from the strip of the screen's resolution.
    const double ratio = strip.isNull() ? 1.0 : strip.devicePixelRatio();
    QImage picture(ImageSign->size() * ratio, QImage::Format_RGB32);
    picture.fill(Qt::white);
    if (!strip.isNull()) {
        const int side = strip.height();  // a cell is square
        const QImage cell = strip.copy(side * (n - 1), 0, side, side);
        // A plain stretch keeps the background exactly white, so all of it is transparent on the panel.
        picture = cell.scaled(picture.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                      .convertToFormat(QImage::Format_RGB32);
    }
    picture.setDevicePixelRatio(ratio);
    ImageSign->setPicture(picture);
    //: The sign picture's hint: " aquarius : Jan 20 ~ Feb 18 ".
    ImageSign->setToolTip(
        tr(" %1 : %2 ").arg(core::translated("Zodiac", sign.Name), core::translated("Zodiac", sign.Dates)));
}

void TForm1::ScrollBar1Change() {
    ImageBio->move(-ScrollBar1->value(), ImageBio->y());
    // Truncating toward zero keeps the marker on the day whose column is at the view's left edge.
    const int k = (ImageBio->x() + chart::Strip.TodayX) / chart::Strip.DayWidth;
    const QDate date = platform::now().date().addDays(-k);
    const QString text = QLocale().toString(date, QLocale::ShortFormat);
    DrawVerticalText(Image_date, text);
    Image_date->setAccessibleName(text);  // what a screen reader says of the marker
}

void TForm1::Button_nowClick() {
    ScrollBar1->setValue(chart::Strip.TodayX);
    if (QWidget* focused = focusWidget()) focused->clearFocus();
    setFocus(Qt::OtherFocusReason);
}

void TForm1::DrawVerticalText(PictureBox* image, const QString& text) {
    image->setTransparent(false);
    auto& canvas = image->canvas();
    const std::string t = utf8(text);
    const auto extent = chart::setVerticalTextFont(canvas, t);
    // The control stands the text on end: as wide as a line is high, as high as the text is long.
    image->resize(extent.height, extent.width);
    canvas.resize(extent.height, extent.width);
    // On a dark desktop the engraving turns round: a shadow under letters in the window's text colour.
    if (darkWindows())
        chart::drawVerticalText(canvas, t, extent.width, buttonFace(this), chart::kBlack,
                                desktopColour(this, QPalette::WindowText));
    else
        chart::drawVerticalText(canvas, t, extent.width, buttonFace(this), kButtonHighlight);
}

bool TForm1::Edit_dateKeyPress(QLineEdit* sender, QChar& key) {
    Q_UNUSED(sender);
    if (key.unicode() == 8 || (key >= QLatin1Char('0') && key <= QLatin1Char('9'))) return true;
    key = QChar(0);
    return false;
}

void TForm1::Edit_dayClick() { Edit_day->selectAll(); }

void TForm1::Edit_monthClick() { Edit_month->selectAll(); }

void TForm1::Edit_yearClick() { Edit_year->selectAll(); }

void TForm1::Edit_dayExit(QLineEdit* sender) { sender->setText(paddedText(sender->text(), 2)); }

void TForm1::Edit_yearExit(QLineEdit* sender) { sender->setText(paddedText(sender->text(), 4)); }

}  // namespace rorovovo::forms
