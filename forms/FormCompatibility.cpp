#include "forms/FormCompatibility.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>

#include "chart/chart_drawing.h"
#include "chart/colors.h"
#include "chart/strip_geometry.h"
#include "core/qt_text.h"
#include "forms/day_reading.h"
#include "forms/person_panel.h"
#include "forms/widgets.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "rhythm/compatibility.h"
#include "rhythm/dates.h"
#include "rhythm/daycount.h"
#include "rhythm/rhythms.h"

namespace rorovovo::forms {

namespace {

using chart::Strip;  // as the main window's: today's column where the view opens
constexpr int kNameRole = Qt::UserRole;
constexpr int kDateRole = Qt::UserRole + 1;

chart::BaseOffsets offsetsOf(double birthDate) {
    const int lived = rhythm::daysLived(birthDate, platform::toDateValue(platform::now()));
    chart::BaseOffsets offsets{};
    for (int i = 0; i < rhythm::BaseRhythmCount; ++i)
        offsets[i] = rhythm::leftEdgeCycleDay(lived, Strip.TodayX, rhythm::Rhythms[i].Period);
    return offsets;
}

}  // namespace

PercentBar::PercentBar(QWidget* parent, const QColor& color) : QWidget(parent), color_(color) {}

void PercentBar::setValue(int percent) {
    value_ = std::clamp(percent, 0, 100);
    update();
}

void PercentBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.fillRect(QRect(0, 0, width() * value_ / 100, height()), color_);
    p.setPen(QColor(0xA0A0A0));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

TFormCompatibility::TFormCompatibility(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormCompatibility"));
    setWindowTitle(tr("Compatibility"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(false);
    setFont(designFont(12));
    setFixedSize(Strip.ViewWidth + 20, 470);
    setupSecondPerson();
    setupFigures();
    setupPairChart();
    connectHandlers();
    showResult();
}

void TFormCompatibility::setupSecondPerson() {
    LabelFirst = place(new QLabel(this), "LabelFirst", 10, 8, Strip.ViewWidth, 18);
    place(new QLabel(tr("Second person: pick or type"), this), "LabelSecond", 10, 32);
    EditFilter = place(new QLineEdit(this), "EditFilter", 10, 50, 230, 21);
    EditFilter->setPlaceholderText(tr("type to search"));
    showClearButton(EditFilter);
    EditFilter->setAccessibleName(tr("Search profiles and celebrities"));
    ListPeople = place(new QListWidget(this), "ListPeople", 10, 74, 230, 118);
    ListPeople->setAccessibleName(tr("Profiles and celebrities"));

    const PersonPanel second = PersonPanel::create(this, {{"LabelName2", "LabelDay2", "LabelMonth2", "LabelYear2"},
                                                          {QPoint(12, 196), {121, 196}, {144, 196}, {182, 196}},
                                                          {10, 210, 105, 21},
                                                          {120, 210},
                                                          "2",
                                                          true});
    Edit_name2 = second.name;
    Edit_day2 = second.date.day;
    Edit_month2 = second.date.month;
    Edit_year2 = second.date.year;
    Button_compare = place(new QPushButton(tr("compare"), this), "Button_compare", 215, 209, 64, 23);
    // Enter is handled by the window itself (keyPressEvent): it picks a match in the search or compares, never
    // both, and never with nobody to compare.
    Button_compare->setAutoDefault(false);
}

void TFormCompatibility::setupFigures() {
    for (int i = 0; i < rhythm::BaseRhythmCount; ++i) {
        const rhythm::Rhythm& r = rhythm::Rhythms[i];
        const int top = 50 + 26 * i;
        auto* name = place(new QLabel(rhythmName(r), this), ("LabelRhythm_" + std::string(r.Name)).c_str(), 292, top);
        setRhythmColour(name, r);
        Bar[i] = place(new PercentBar(this, QColor(QRgb(rhythm::colourOf(r)))), ("Bar_" + std::string(r.Name)).c_str(),
                       372, top, 100, 14);
        setRhythmColour(Bar[i], r);
        LabelPercent[i] = place(new QLabel(this), ("LabelPercent_" + std::string(r.Name)).c_str(), 478, top, 40, 16);
    }
    // The bold face is set before placing, so the caption is sized for it.
    auto* overall = new QLabel(tr("Overall"), this);
    overall->setFont(designFont(13, true));
    place(overall, "LabelOverallCaption", 292, 160);
    LabelOverall = place(new QLabel(this), "LabelOverall", 372, 158, 80, 20);
    LabelOverall->setFont(designFont(15, true));
    // Four bars are shown, three make the overall figure: say which.
    auto* overallNote = new QLabel(
        tr("mean of %1, %2, %3")
            .arg(rhythmName(rhythm::Rhythms[0]), rhythmName(rhythm::Rhythms[1]), rhythmName(rhythm::Rhythms[2])),
        this);
    overallNote->setFont(designFont(11));
    place(overallNote, "LabelOverallNote", 292, 178);
    ImageLegend = place(new PictureBox(this), "ImageLegend", 292, 190, 226, 40);
}

void TFormCompatibility::setupPairChart() {
    auto* panel = new BevelPanel(this, BevelPanel::Style::SingleBorder);
    place(panel, "PanelPair", 8, 242, Strip.ViewWidth + 4, 202);
    ImagePair = place(new PictureBox(panel->clientArea()), "ImagePair", 0, 0, Strip.ViewWidth + Strip.ExtraWidth,
                      Strip.ChartHeight);
    ScrollPair = place(new QScrollBar(Qt::Horizontal, panel->clientArea()), "ScrollPair", 0, 182, Strip.ViewWidth, 16);
    ScrollPair->setRange(0, Strip.ExtraWidth);
    ScrollPair->setSingleStep(10);
    ScrollPair->setPageStep(300);
    ScrollPair->setValue(Strip.TodayX);
    ScrollPair->raise();
    ImagePair->move(-Strip.TodayX, 0);
    ImagePair->canvas().setPenWidth(1);
    chart::drawChartFrame(ImagePair->canvas(), Strip.TodayX, ImagePair->width(), Strip.ChartHeight, screenChart());
    place(new QLabel(tr("solid: first person, dashed: second person; today is the silver column"), this),
          "LabelChartNote", 10, 448);
}

void TFormCompatibility::connectHandlers() {
    const auto on = [this](auto* sender, auto signal, void (TFormCompatibility::*handler)()) {
        onSignal(this, sender, signal, handler);
    };
    on(EditFilter, &QLineEdit::textChanged, &TFormCompatibility::EditFilterChange);
    on(ListPeople, &QListWidget::itemClicked, &TFormCompatibility::ListPeopleClick);
    on(ListPeople, &QListWidget::itemActivated, &TFormCompatibility::ListPeopleClick);
    on(Button_compare, &QPushButton::clicked, &TFormCompatibility::Button_compareClick);
    on(ScrollPair, &QScrollBar::valueChanged, &TFormCompatibility::ScrollPairChange);
    on(&colourChanges(), &ColourChanges::changed, &TFormCompatibility::showResult);
}

void TFormCompatibility::setFirstPerson(const DrawnPerson& person) {
    first_ = std::make_pair(person.name, person.birthDate);
    showResult();
}

void TFormCompatibility::setPeople(const QList<profiles::ProfileEntry>& people) {
    ListPeople->clear();
    for (const auto& p : people) {
        auto* item = new QListWidgetItem(QStringLiteral("%1  (%2)").arg(p.name, p.datePart), ListPeople);
        item->setData(kNameRole, p.name);
        item->setData(kDateRole, p.datePart);
    }
    EditFilterChange();
}

void TFormCompatibility::EditFilterChange() {
    const QString wanted = EditFilter->text().trimmed();
    for (int i = 0; i < ListPeople->count(); ++i) {
        QListWidgetItem* item = ListPeople->item(i);
        item->setHidden(!item->text().contains(wanted, Qt::CaseInsensitive));
    }
}

void TFormCompatibility::ListPeopleClick() {
    const QListWidgetItem* item = ListPeople->currentItem();
    if (!item) return;
    const QString datePart = item->data(kDateRole).toString();
    Edit_name2->setText(item->data(kNameRole).toString());
    Edit_day2->setText(profiles::entryDay(datePart));
    Edit_month2->setText(profiles::entryMonth(datePart));
    Edit_year2->setText(profiles::entryYear(datePart));
    Button_compareClick();
}

void TFormCompatibility::Button_compareClick() {
    const auto birth = rhythm::birthDateValue(Edit_day2->text().toStdString(), Edit_month2->text().toStdString(),
                                              Edit_year2->text().toStdString());
    if (!birth) {
        // The figures of an earlier comparison would now stand beside a date they are not for.
        second_.reset();
        showResult();
        platform::showMessage(core::translated("Messages", rhythm::InvalidBirthDateMessage));
        Edit_day2->setFocus(Qt::OtherFocusReason);
        return;
    }
    second_ = std::make_pair(profiles::trimmedProfileName(Edit_name2->text()), *birth);
    showResult();
}

bool TFormCompatibility::secondPersonTyped() const {
    return !Edit_day2->text().isEmpty() && !Edit_month2->text().isEmpty() && !Edit_year2->text().isEmpty();
}

void TFormCompatibility::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QDialog::keyPressEvent(event);
        return;
    }
    QWidget* focused = focusWidget();
    if (focused == EditFilter || focused == ListPeople) {
        // Enter in the search takes the current match, or the first one shown, as a click on it does.
        QListWidgetItem* item = ListPeople->currentItem();
        if (!item || item->isHidden()) {
            item = nullptr;
            for (int i = 0; i < ListPeople->count() && !item; ++i)
                if (!ListPeople->item(i)->isHidden()) item = ListPeople->item(i);
        }
        if (item) {
            ListPeople->setCurrentItem(item);
            platform::guarded([this] { ListPeopleClick(); });
        }
        return;
    }
    if (focused == Button_compare || (first_ && secondPersonTyped()))
        platform::guarded([this] { Button_compareClick(); });
}

void TFormCompatibility::ScrollPairChange() { ImagePair->move(-ScrollPair->value(), ImagePair->y()); }

void TFormCompatibility::showResult() {
    if (!first_) {
        LabelFirst->setText(tr("Nobody drawn yet: draw a chart in the main window first."));
    } else {
        const QString name = first_->first.isEmpty() ? tr("(no name)") : first_->first;
        LabelFirst->setText(tr("First person: %1, born %2").arg(name, core::qstr(rhythm::formatDate(first_->second))));
    }
    const bool both = first_ && second_;
    const auto c = both ? rhythm::compareBirthDates(first_->second, second_->second) : rhythm::Compatibility{};
    const int values[] = {c.physical, c.emotional, c.intellectual, c.intuitional};
    for (int i = 0; i < rhythm::BaseRhythmCount; ++i) {
        Bar[i]->setValue(values[i]);
        LabelPercent[i]->setText(both ? QStringLiteral("%1 %").arg(values[i]) : QStringLiteral("-"));
    }
    LabelOverall->setText(both ? QStringLiteral("%1 %").arg(c.overall) : QStringLiteral("-"));

    // The legend: a solid and a dashed stroke with the names they stand for.
    auto& legend = ImageLegend->canvas();
    legend.setBrushColor(chart::kWhite);
    legend.fillRect(0, 0, legend.width(), legend.height());
    legend.setBrushStyle(chart::BrushStyle::Clear);
    // The names in the window's own face, not the picture's default one.
    const QFont face = font();
    legend.setFont({face.family().toStdString(), 0, face.pixelSize(), false, false, 0});
    legend.setFontColor(chart::kBlack);
    legend.setPenColor(chart::kBlack);
    const QString names[] = {first_ ? first_->first : QString(), second_ ? second_->first : QString()};
    const PenStyle pens[] = {PenStyle::Solid, PenStyle::Dash};
    for (int row = 0; row < 2; ++row) {
        const int y = 8 + 20 * row;
        legend.setPenStyle(pens[row]);
        legend.moveTo(2, y);
        legend.lineTo(40, y);
        const QString caption = (row == 0 ? first_.has_value() : second_.has_value())
                                    ? (names[row].isEmpty() ? tr("(no name)") : names[row])
                                    : QStringLiteral("-");
        legend.textOut(48, y - 7, caption.toStdString());
    }
    legend.setPenStyle(PenStyle::Solid);

    auto& canvas = ImagePair->canvas();
    if (both) {
        chart::drawPairChart(canvas, Strip.TodayX, ImagePair->width(), Strip.ChartHeight, offsetsOf(first_->second),
                             offsetsOf(second_->second), screenChart());
    } else {
        canvas.setPenStyle(PenStyle::Solid);
        chart::drawChartFrame(canvas, Strip.TodayX, ImagePair->width(), Strip.ChartHeight, screenChart());
    }
}

}  // namespace rorovovo::forms
