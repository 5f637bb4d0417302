#include "forms/CriticalDays.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/file_ops.h"
#include "core/qt_text.h"
#include "forms/day_reading.h"
#include "forms/widgets.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/guard.h"
#include "platform/output_dialogs.h"
#include "profiles/ini_store.h"
#include "rhythm/dates.h"
#include "rhythm/icalendar.h"

namespace rorovovo::forms {

namespace {

constexpr int kSpans[] = {30, 90, 180, 365};
constexpr int kDefaultSpan = 1;  // 90 days

// On a dark desktop each colour is lightened as far as it needs to read on the row's background.
QString colouredNames(rhythm::RhythmSet set, const QColor& background) {
    QStringList names;
    for (const rhythm::Rhythm& r : rhythm::Rhythms)
        if (set & (1u << (r.Number - 1))) {
            const QColor colour = readableText(QColor(QRgb(rhythm::colourOf(r))), background);
            names << QStringLiteral("<span style=\"color:%1\">%2</span>").arg(colour.name(), rhythmName(r));
        }
    return joinNames(names);
}

}  // namespace

TFormCritical::TFormCritical(const std::unique_ptr<profiles::IniStore>& settings, QWidget* parent)
    : QDialog(parent), prefs_(settings) {
    setObjectName(QStringLiteral("FormCritical"));
    setWindowTitle(tr("Critical days"));
    setModal(false);
    setSizeGripEnabled(true);

    LabelPerson = new QLabel(this);
    LabelPerson->setObjectName(QStringLiteral("LabelPerson"));
    LabelPerson->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelPerson);
    layout->addLayout(setupRange());
    layout->addLayout(setupRhythmChoice());
    layout->addWidget(LabelKindNote);
    setupTable();
    layout->addWidget(TableCritical, 1);
    LabelNext = new QLabel(this);
    LabelNext->setObjectName(QStringLiteral("LabelNext"));

    layout->addWidget(LabelNext);
    layout->addLayout(setupButtons());
    setupTabOrder();

    resize(460, 420);
    reset();
    connectHandlers();
}

QLayout* TFormCritical::setupRange() {
    DateFrom = new QDateEdit(this);
    DateFrom->setObjectName(QStringLiteral("DateFrom"));
    DateFrom->setCalendarPopup(true);
    DateFrom->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    DateFrom->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    DateFrom->setAccessibleName(tr("Start date"));
    auto* fromLabel = new QLabel(tr("&From:"), this);
    fromLabel->setBuddy(DateFrom);

    ComboSpan = new QComboBox(this);
    ComboSpan->setObjectName(QStringLiteral("ComboSpan"));
    for (int days : kSpans) ComboSpan->addItem(core::englishPlural(tr("%n day(s)", nullptr, days), days), days);
    ComboSpan->setAccessibleName(tr("Span"));
    auto* spanLabel = new QLabel(tr("&Span:"), this);
    spanLabel->setBuddy(ComboSpan);

    auto* range = new QHBoxLayout;
    range->addWidget(fromLabel);
    range->addWidget(DateFrom);
    range->addSpacing(12);
    range->addWidget(spanLabel);
    range->addWidget(ComboSpan);
    range->addStretch();
    return range;
}

QLayout* TFormCritical::setupRhythmChoice() {
    auto* rhythmsLabel = new QLabel(tr("Rhythms:"), this);
    auto* rhythms = new QGridLayout;
    rhythms->addWidget(rhythmsLabel, 0, 0);
    for (const rhythm::Rhythm& r : rhythm::Rhythms) {
        const int i = r.Number - 1;
        auto* box = new QCheckBox(rhythmName(r), this);
        box->setObjectName(QStringLiteral("CheckRhythm_") + core::qstr(r.Name));
        box->setChecked(true);
        rhythms->addWidget(box, i / 3, 1 + i % 3);
        CheckRhythm[i] = box;
    }
    rhythms->setColumnStretch(4, 1);
    // Which rhythms make a day double or triple, so that "single" beside two names explains itself.
    LabelKindNote = new QLabel(criticalKindNote(), this);
    LabelKindNote->setObjectName(QStringLiteral("LabelKindNote"));
    LabelKindNote->setWordWrap(true);
    return rhythms;
}

void TFormCritical::setupTable() {
    TableCritical = new QTableWidget(0, 3, this);
    TableCritical->setObjectName(QStringLiteral("TableCritical"));
    TableCritical->setHorizontalHeaderLabels({tr("Date"), tr("Critical rhythms"), tr("Kind")});
    TableCritical->verticalHeader()->hide();
    TableCritical->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    TableCritical->setSelectionBehavior(QAbstractItemView::SelectRows);
    TableCritical->setSelectionMode(QAbstractItemView::SingleSelection);
    TableCritical->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableCritical->setTabKeyNavigation(false);  // Tab moves on to the buttons
    TableCritical->setAccessibleName(tr("Critical days"));
}

QLayout* TFormCritical::setupButtons() {
    ButtonNextTriple = new QPushButton(tr("Next triple critical day"), this);
    ButtonNextTriple->setObjectName(QStringLiteral("ButtonNextTriple"));
    ButtonSaveCalendar = new QPushButton(tr("Save as calendar..."), this);
    ButtonSaveCalendar->setObjectName(QStringLiteral("ButtonSaveCalendar"));
    ButtonClose = new QPushButton(tr("Close"), this);
    ButtonClose->setObjectName(QStringLiteral("ButtonClose"));
    for (QPushButton* b : {ButtonNextTriple, ButtonSaveCalendar, ButtonClose}) b->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ButtonNextTriple);
    buttons->addWidget(ButtonSaveCalendar);
    buttons->addStretch();
    buttons->addWidget(ButtonClose);
    return buttons;
}

void TFormCritical::setupTabOrder() {
    setTabOrder(DateFrom, ComboSpan);
    setTabOrder(ComboSpan, CheckRhythm[0]);
    for (int i = 1; i < 6; ++i) setTabOrder(CheckRhythm[i - 1], CheckRhythm[i]);
    setTabOrder(CheckRhythm[5], TableCritical);
    setTabOrder(TableCritical, ButtonNextTriple);
    setTabOrder(ButtonNextTriple, ButtonSaveCalendar);
    setTabOrder(ButtonSaveCalendar, ButtonClose);
}

void TFormCritical::connectHandlers() {
    const auto refill = [this] { platform::guarded([this] { fill(spanDays()); }); };
    connect(DateFrom, &QDateEdit::dateChanged, this, refill);
    connect(ComboSpan, &QComboBox::currentIndexChanged, this, refill);
    for (QCheckBox* box : CheckRhythm) connect(box, &QCheckBox::toggled, this, refill);
    connect(&colourChanges(), &ColourChanges::changed, this, refill);  // the names are written in the rhythms' colours
    onSignal(this, ButtonNextTriple, &QPushButton::clicked, &TFormCritical::ButtonNextTripleClick);
    onSignal(this, ButtonSaveCalendar, &QPushButton::clicked, &TFormCritical::ButtonSaveCalendarClick);
    connect(ButtonClose, &QPushButton::clicked, this, &QDialog::close);
}

void TFormCritical::reset() {
    const QSignalBlocker blockDate(DateFrom), blockSpan(ComboSpan);
    DateFrom->setDate(platform::now().date());
    ComboSpan->setCurrentIndex(kDefaultSpan);
    platform::guarded([this] { fill(spanDays()); });
}

void TFormCritical::setPerson(const DrawnPerson& person) {
    hasPerson_ = true;
    name_ = person.name;
    birth_ = person.birthDate;
    platform::guarded([this] { fill(spanDays()); });
}

int TFormCritical::spanDays() const { return ComboSpan->currentData().toInt(); }

double TFormCritical::fromValue() const { return platform::toDateValue(DateFrom->date()); }

rhythm::ShownRhythms TFormCritical::listedRhythms() const {
    rhythm::ShownRhythms shown{};
    for (int i = 0; i < 6; ++i) shown[std::size_t(i)] = CheckRhythm[i]->isChecked();
    return shown;
}

void TFormCritical::fill(int days) {
    LabelNext->clear();
    const bool ready = hasPerson_;
    for (QWidget* w : {static_cast<QWidget*>(TableCritical), static_cast<QWidget*>(ButtonNextTriple),
                       static_cast<QWidget*>(ButtonSaveCalendar)})
        w->setEnabled(ready);
    if (!ready) {
        LabelPerson->setText(
            tr("No biorhythm has been drawn yet. Draw a person's biorhythm in the main window, and their "
               "critical days will be listed here."));
        TableCritical->setRowCount(0);
        days_.clear();
        return;
    }
    const QString birth = core::qstr(rhythm::formatDate(birth_));
    LabelPerson->setText(name_.isEmpty() ? tr("Critical days for the birth date %1").arg(birth)
                                         : tr("Critical days of %1, born %2").arg(name_, birth));
    listedDays_ = days;
    days_ = rhythm::criticalDays(birth_, fromValue(), days, listedRhythms());

    TableCritical->setRowCount(0);
    TableCritical->setRowCount(int(days_.size()));
    for (int row = 0; row < int(days_.size()); ++row) {
        const rhythm::CriticalDay& day = days_[std::size_t(row)];
        const QDate date = platform::toQDate(day.Date);
        auto* dateItem = new QTableWidgetItem(dateWithWeekday(date));
        auto* rhythmsItem = new QTableWidgetItem(rhythmNames(day.Rhythms));
        auto* kindItem = new QTableWidgetItem(kindName(day.Kind));
        TableCritical->setItem(row, 0, dateItem);
        TableCritical->setItem(row, 1, rhythmsItem);
        TableCritical->setItem(row, 2, kindItem);
        const bool multiple = day.Kind == rhythm::CriticalKind::Double || day.Kind == rhythm::CriticalKind::Triple;
        // Double and triple days are banded, warm and light, or warm and dark on a dark desktop.
        const bool triple = day.Kind == rhythm::CriticalKind::Triple;
        const QColor band = darkWindows() ? (triple ? QColor(0x5A2A20) : QColor(0x4A4020))
                                          : (triple ? QColor(0xFFD0C0) : QColor(0xFFF0B0));
        // The names in their chart colours; the item keeps the plain text for copying and screen readers.
        auto* names =
            new QLabel(colouredNames(day.Rhythms, multiple ? band : TableCritical->palette().color(QPalette::Base)));
        names->setTextFormat(Qt::RichText);
        names->setContentsMargins(3, 0, 3, 0);
        names->setAttribute(Qt::WA_TransparentForMouseEvents);
        TableCritical->setCellWidget(row, 1, names);
        if (multiple) {
            for (QTableWidgetItem* item : {dateItem, rhythmsItem, kindItem}) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
                item->setBackground(band);
            }
            QFont bold = names->font();
            bold.setBold(true);
            names->setFont(bold);
        }
    }
    TableCritical->resizeColumnToContents(0);
    TableCritical->resizeColumnToContents(2);
}

void TFormCritical::ButtonNextTripleClick() {
    if (!hasPerson_) return;
    const double from = fromValue();
    const double next = rhythm::nextTripleCriticalDay(birth_, from);
    const int offset = int(next - from);
    if (offset >= listedDays_) fill(offset + 1);  // the rows reach as far as the triple day
    for (int row = 0; row < int(days_.size()); ++row)
        if (days_[std::size_t(row)].Date == next) {
            TableCritical->selectRow(row);
            TableCritical->scrollToItem(TableCritical->item(row, 0));
            TableCritical->setFocus(Qt::OtherFocusReason);
        }
    const QDate today = platform::now().date();
    const qint64 away = today.daysTo(platform::toQDate(next));
    const QString when = QLocale().toString(platform::toQDate(next), QLocale::ShortFormat);
    if (away == 0)
        LabelNext->setText(tr("Today, %1, is a triple critical day.").arg(when));
    else if (away > 0)
        LabelNext->setText(
            core::englishPlural(tr("The next triple critical day, %1, is %n day(s) away.", nullptr, int(away)),
                                int(away))
                .arg(when));
    else
        LabelNext->setText(
            core::englishPlural(tr("The next triple critical day after the start date, %1, was %n day(s) "
                                   "ago.",
                                   nullptr, int(-away)),
                                int(-away))
                .arg(when));
}

void TFormCritical::ButtonSaveCalendarClick() {
    if (!hasPerson_) return;
    const QString suggested =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath((name_.isEmpty() ? tr("Critical days") : tr("%1 critical days", "file name").arg(name_)) +
                      QStringLiteral(".ics"));
    const QString path = platform::getSaveFileName(this, tr("Save as calendar"), suggested,
                                                   tr("iCalendar files (*.ics);;All files (*)"));
    if (path.isEmpty()) return;
    const double stamp = platform::toDateValue(platform::now().toUTC());
    const std::string text = rhythm::criticalDaysCalendar(days_, name_.toStdString(), birth_, stamp);
    core::writeFileAtomically(path, QByteArray::fromStdString(text));
    LabelNext->setText(
        core::englishPlural(tr("%n critical day(s) saved to %1", nullptr, int(days_.size())), int(days_.size()))
            .arg(QDir::toNativeSeparators(path)));
}

void TFormCritical::showEvent(QShowEvent* event) {
    if (!sizeRead_ && prefs_.isOpen()) {
        sizeRead_ = true;
        using namespace profiles::prefs;
        resize(QSize(prefs_.get(CriticalWidth, width()), prefs_.get(CriticalHeight, height()))
                   .expandedTo(minimumSizeHint()));
        storedSize_ = size();
        // What is not a "0" lists the rhythm.
        storedRhythms_ = prefs_.get(CriticalRhythms);
        for (int i = 0; i < 6; ++i) {
            const QSignalBlocker block(CheckRhythm[i]);
            CheckRhythm[i]->setChecked(i >= storedRhythms_.size() || storedRhythms_[i] != QLatin1Char('0'));
        }
        platform::guarded([this] { fill(spanDays()); });
    }
    QDialog::showEvent(event);
}

void TFormCritical::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    const QString rhythms = QString::fromStdString(rhythm::shownRhythmsValue(listedRhythms()));
    if (!prefs_.isOpen() || !sizeRead_ || (size() == storedSize_ && rhythms == storedRhythms_)) return;
    storedSize_ = size();
    storedRhythms_ = rhythms;
    platform::guarded([this, rhythms] {
        using namespace profiles::prefs;
        auto batch = prefs_.batch();
        prefs_.set(CriticalWidth, width());
        prefs_.set(CriticalHeight, height());
        prefs_.set(CriticalRhythms, rhythms);
        batch->commit();
    });
}

}  // namespace rorovovo::forms
