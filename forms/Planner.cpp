#include "forms/Planner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <functional>

#include "core/errors.h"
#include "core/file_ops.h"
#include "core/qt_text.h"
#include "forms/day_reading.h"
#include "forms/person_panel.h"
#include "forms/widgets.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/output_dialogs.h"
#include "profiles/groups.h"
#include "profiles/ini_store.h"
#include "rhythm/dates.h"
#include "rhythm/icalendar.h"

namespace rorovovo::forms {

namespace {

const QString kSection = QStringLiteral("Planner");
constexpr int kMinDays = 7;
constexpr int kMaxDays = 3653;  // ten years
constexpr int kDefaultDays = 30;
constexpr int kRankedStep = 10;
// Far more than a family or a team; it keeps a careless import from filling the memory.
constexpr int kMaxMembers = 10000;
const rhythm::ShownRhythms kDefaultRhythms{true, true, true, false, false, false};

QString dayText(double value) { return QLocale().toString(platform::toQDate(value), QStringLiteral("ddd dd.MM.yyyy")); }

QString entryDate(double birth) { return core::qstr(rhythm::formatDate(birth)); }

QString letters(const rhythm::ShownRhythms& shown) {
    QStringList list;
    for (const rhythm::Rhythm& r : rhythm::Rhythms)
        if (shown[std::size_t(r.Number - 1)]) list << QChar::fromLatin1(r.Letter);
    return list.join(QLatin1Char(','));
}

// A counted text of the planner, such as "%n (person|people)", in the program's language.
QString counted(const char* text, qsizetype n) {
    return core::englishPlural(QCoreApplication::translate("rorovovo::forms::TFormPlanner", text, nullptr, int(n)),
                               int(n));
}

QLineEdit* digitsBox(QWidget* parent, const char* name, int digits, const QString& accessible) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setMaxLength(digits);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    box->setAccessibleName(accessible);
    box->setPlaceholderText(digits == 4 ? QCoreApplication::translate("rorovovo::forms::TFormPlanner", "YYYY")
                            : qstrcmp(name, "Edit_day") == 0
                                ? QCoreApplication::translate("rorovovo::forms::TFormPlanner", "DD")
                                : QCoreApplication::translate("rorovovo::forms::TFormPlanner", "MM"));
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QString(digits + 2, QLatin1Char('0'))) + 8);
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QTableWidget* rankingTable(QWidget* parent, const char* name, const QString& accessible) {
    auto* t = new QTableWidget(0, 2, parent);
    t->setObjectName(QLatin1String(name));
    t->setHorizontalHeaderLabels({QCoreApplication::translate("rorovovo::forms::TFormPlanner", "Date"),
                                  QCoreApplication::translate("rorovovo::forms::TFormPlanner", "Score")});
    t->verticalHeader()->hide();
    t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setTabKeyNavigation(false);
    t->setAccessibleName(accessible);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    return t;
}

}  // namespace

// ---- the roster

RosterView::RosterView(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("Roster"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Roster"));
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    horizontalScrollBar()->setObjectName(QStringLiteral("RosterDays"));
    verticalScrollBar()->setObjectName(QStringLiteral("RosterMembers"));
}

void RosterView::setPlan(const rhythm::PlanTable* table, const std::vector<rhythm::PlanMember>* members,
                         const QStringList& names, double today) {
    table_ = table;
    members_ = members;
    names_ = names;
    today_ = today;
    metrics_ = chart::RosterMetrics::forFont(font(), names_, 22 * fontMetrics().averageCharWidth());
    fitted_ = chart::fittedRosterNames(names_, font(), metrics_);
    updateScrollBars();
    setCurrent(member_, day_);
    viewport()->update();
}

void RosterView::updateScrollBars() {
    if (!table_ || metrics_.cellWidth == 0) return;
    const int wide = viewport()->width() - metrics_.nameWidth;
    const int high = viewport()->height() - metrics_.headHeight - metrics_.rowHeight;
    QScrollBar* days = horizontalScrollBar();
    days->setRange(0, std::max(0, table_->Days * metrics_.cellWidth - wide));
    days->setSingleStep(metrics_.cellWidth);
    days->setPageStep(std::max(metrics_.cellWidth, wide));
    QScrollBar* rows = verticalScrollBar();
    rows->setRange(0, std::max(0, table_->Members * metrics_.rowHeight - high));
    rows->setSingleStep(metrics_.rowHeight);
    rows->setPageStep(std::max(metrics_.rowHeight, high));
    const int first = days->value() / metrics_.cellWidth;
    emit shownDaysChanged(first, std::min(table_->Days, (days->value() + wide - 1) / metrics_.cellWidth + 1) - 1);
}

QRect RosterView::cellRect(int member, int day) const {
    if (!table_) return {};
    const int x = metrics_.nameWidth + day * metrics_.cellWidth - horizontalScrollBar()->value();
    const int y = member >= table_->Members
                      ? viewport()->height() - metrics_.rowHeight
                      : metrics_.headHeight + member * metrics_.rowHeight - verticalScrollBar()->value();
    return QRect(x, y, metrics_.cellWidth, metrics_.rowHeight);
}

void RosterView::setCurrent(int member, int day) {
    if (!table_) return;
    member_ = std::clamp(member, 0, table_->Members);
    day_ = std::clamp(day, 0, table_->Days - 1);
    // The cell comes into view: its column right of the names, its row between the head and the group's row.
    const QRect cell = cellRect(member_, day_);
    QScrollBar* days = horizontalScrollBar();
    if (cell.left() < metrics_.nameWidth) days->setValue(day_ * metrics_.cellWidth);
    if (cell.right() >= viewport()->width())
        days->setValue((day_ + 1) * metrics_.cellWidth - (viewport()->width() - metrics_.nameWidth));
    if (member_ < table_->Members) {
        QScrollBar* rows = verticalScrollBar();
        if (cell.top() < metrics_.headHeight) rows->setValue(member_ * metrics_.rowHeight);
        if (cell.bottom() >= viewport()->height() - metrics_.rowHeight)
            rows->setValue((member_ + 1) * metrics_.rowHeight -
                           (viewport()->height() - metrics_.headHeight - metrics_.rowHeight));
    }
    viewport()->update();
}

void RosterView::showDay(int day) {
    if (!table_) return;
    const int wide = viewport()->width() - metrics_.nameWidth;
    horizontalScrollBar()->setValue(day * metrics_.cellWidth - (wide - metrics_.cellWidth) / 2);
    setCurrent(member_, day);
}

QString RosterView::cellToolTip(int member, int day) const {
    if (!table_ || !members_ || day < 0 || day >= table_->Days || member < 0 || member > table_->Members) return {};
    const double date = table_->From + day;
    QStringList lines;
    if (member == table_->Members) {
        int critical = 0;
        for (int m = 0; m < table_->Members; ++m) critical += table_->critical(m, day) != 0;
        lines << dayText(date)
              << tr("Group score %1 (the lowest of the members' scores)").arg(table_->Score[std::size_t(day)])
              << (critical == 0
                      ? tr("A clear day: nobody has a critical day")
                      : tr("A critical day for %1 of %2")
                            .arg(critical)
                            .arg(core::englishPlural(tr("%n member(s)", nullptr, table_->Members), table_->Members)));
        return lines.join(QLatin1Char('\n'));
    }
    const rhythm::PlanMember& person = (*members_)[std::size_t(member)];
    const rhythm::MemberDay m = rhythm::memberDay(person.Birth, date);
    const QString name = names_.value(member).isEmpty() ? tr("(no name)") : names_.value(member);
    lines << tr("%1, born %2").arg(name, entryDate(person.Birth)) << dayText(date);
    for (const rhythm::Rhythm& r : rhythm::Rhythms) {
        const auto i = std::size_t(r.Number - 1);
        if (!table_->Rhythms[i]) continue;
        lines << QCoreApplication::translate("DayReading", "%1 %2 % %3")
                     .arg(rhythmName(r))
                     .arg(m.Percent[i])
                     .arg(m.Rising[i] ? QCoreApplication::translate("DayReading", "rising")
                                      : QCoreApplication::translate("DayReading", "falling"));
    }
    const rhythm::RhythmSet critical = table_->critical(member, day);
    //: The rhythms critical that day, then the day's kind: "Critical: Physical, Emotional (double day)".
    lines << (critical == 0
                  ? tr("No critical rhythm")
                  : tr("Critical: %1 (%2 day)").arg(rhythmNames(critical), kindName(table_->kind(member, day))));
    return lines.join(QLatin1Char('\n'));
}

void RosterView::showCurrentToolTip() {
    const QRect cell = cellRect(member_, day_);
    QToolTip::showText(viewport()->mapToGlobal(cell.bottomLeft()), cellToolTip(member_, day_), viewport(), cell);
}

void RosterView::paintEvent(QPaintEvent* event) {
    QPainter p(viewport());
    if (!table_) {
        p.fillRect(viewport()->rect(), Qt::white);
        return;
    }
    p.setFont(font());
    chart::RosterView v;
    v.firstDay = horizontalScrollBar()->value() / metrics_.cellWidth;
    v.dayShift = horizontalScrollBar()->value() % metrics_.cellWidth;
    v.firstMember = verticalScrollBar()->value() / metrics_.rowHeight;
    v.memberShift = verticalScrollBar()->value() % metrics_.rowHeight;
    v.today = today_;
    if (hasFocus()) {
        v.focusMember = member_;
        v.focusDay = day_;
    }
    v.exposed = event->rect();
    chart::paintRoster(p, *table_, fitted_, metrics_, v, viewport()->size());
}

void RosterView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void RosterView::scrollContentsBy(int dx, int dy) {
    if (!table_) return;
    // The pixels on view move along and only what comes into view is painted: the days across, under the fixed names,
    // the members up or down, between the fixed head and the group's row.
    const QSize view = viewport()->size();
    if (dx) viewport()->scroll(dx, 0, QRect(metrics_.nameWidth, 0, view.width() - metrics_.nameWidth, view.height()));
    if (dy)
        viewport()->scroll(
            0, dy,
            QRect(0, metrics_.headHeight, view.width(), view.height() - metrics_.headHeight - metrics_.rowHeight));
    const int first = horizontalScrollBar()->value() / metrics_.cellWidth;
    const int wide = view.width() - metrics_.nameWidth;
    emit shownDaysChanged(
        first, std::min(table_->Days, (horizontalScrollBar()->value() + wide - 1) / metrics_.cellWidth + 1) - 1);
}

void RosterView::keyPressEvent(QKeyEvent* event) {
    if (!table_) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    int member = member_, day = day_;
    switch (event->key()) {
        case Qt::Key_Left:
            --day;
            break;
        case Qt::Key_Right:
            ++day;
            break;
        case Qt::Key_Up:
            --member;
            break;
        case Qt::Key_Down:
            ++member;
            break;
        case Qt::Key_PageUp:
            day -= std::max(1, (viewport()->width() - metrics_.nameWidth) / metrics_.cellWidth);
            break;
        case Qt::Key_PageDown:
            day += std::max(1, (viewport()->width() - metrics_.nameWidth) / metrics_.cellWidth);
            break;
        case Qt::Key_Home:
            day = 0;
            break;
        case Qt::Key_End:
            day = table_->Days - 1;
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
            return;
    }
    setCurrent(member, day);
    showCurrentToolTip();
}

bool RosterView::cellAt(QPoint at, int* member, int* day) const {
    if (!table_ || at.x() < metrics_.nameWidth || at.y() < metrics_.headHeight) return false;
    *day = (at.x() - metrics_.nameWidth + horizontalScrollBar()->value()) / metrics_.cellWidth;
    const int groupTop = viewport()->height() - metrics_.rowHeight;
    *member = at.y() >= groupTop ? table_->Members
                                 : (at.y() - metrics_.headHeight + verticalScrollBar()->value()) / metrics_.rowHeight;
    // Below the last member and above the group's row there is no cell.
    return *day < table_->Days && (*member < table_->Members || at.y() >= groupTop);
}

void RosterView::mousePressEvent(QMouseEvent* event) {
    QAbstractScrollArea::mousePressEvent(event);
    int member = 0, day = 0;
    if (cellAt(event->position().toPoint(), &member, &day)) setCurrent(member, day);
}

bool RosterView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QAbstractScrollArea::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    int member = 0, day = 0;
    if (cellAt(help->pos(), &member, &day))
        QToolTip::showText(help->globalPos(), cellToolTip(member, day), viewport(), cellRect(member, day));
    else
        QToolTip::hideText();
    return true;
}

void RosterView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange && table_) setPlan(table_, members_, names_, today_);
}

// ---- the window

TFormPlanner::TFormPlanner(const std::unique_ptr<profiles::IniStore>& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName(QStringLiteral("FormPlanner"));
    setWindowTitle(tr("Planner"));
    setModal(false);
    setSizeGripEnabled(true);

    auto* body = new QHBoxLayout;
    body->addLayout(setupMembersPanel(), 0);
    body->addLayout(setupDaysPanel(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(setupButtons());
    setupTabOrder();
    resize(1000, 680);
    if (parent) parent->installEventFilter(this);
    {
        const QSignalBlocker blockDays(SpinDays), blockDate(DateFrom);
        SpinDays->setValue(kDefaultDays);
        DateFrom->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31).addDays(1 - kDefaultDays));
    }
    reset();

    connectHandlers();
}

QLayout* TFormPlanner::setupMembersPanel() {
    LabelMembers = new QLabel(this);
    LabelMembers->setObjectName(QStringLiteral("LabelMembers"));
    ListMembers = new QListWidget(this);
    ListMembers->setObjectName(QStringLiteral("ListMembers"));
    ListMembers->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListMembers->setAccessibleName(tr("Members"));
    LabelMembers->setBuddy(ListMembers);
    ButtonRemove = button(this, "ButtonRemove", tr("&Remove"));
    ButtonRemoveAll = button(this, "ButtonRemoveAll", tr("Remove all"));

    auto* addLabel = new QLabel(tr("&Add people:"), this);
    EditFilter = new QLineEdit(this);
    EditFilter->setObjectName(QStringLiteral("EditFilter"));
    EditFilter->setPlaceholderText(tr("type to search"));
    showClearButton(EditFilter);
    EditFilter->setAccessibleName(tr("Search profiles and celebrities"));
    addLabel->setBuddy(EditFilter);
    ListPeople = new QListWidget(this);
    ListPeople->setObjectName(QStringLiteral("ListPeople"));
    ListPeople->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListPeople->setAccessibleName(tr("Profiles and celebrities"));
    ButtonAddPeople = button(this, "ButtonAddPeople", tr("Add &selected"));

    Edit_name = new QLineEdit(this);
    Edit_name->setObjectName(QStringLiteral("Edit_name"));
    Edit_name->setAccessibleName(tr("Name"));
    Edit_day = digitsBox(this, "Edit_day", 2, tr("Day"));
    Edit_month = digitsBox(this, "Edit_month", 2, tr("Month"));
    Edit_year = digitsBox(this, "Edit_year", 4, tr("Year"));
    ButtonAddTyped = button(this, "ButtonAddTyped", tr("A&dd"));

    auto* groupLabel = new QLabel(tr("&Group:"), this);
    ComboGroups = new QComboBox(this);
    ComboGroups->setObjectName(QStringLiteral("ComboGroups"));
    ComboGroups->setEditable(true);
    ComboGroups->setInsertPolicy(QComboBox::NoInsert);
    ComboGroups->setAccessibleName(tr("Group name"));
    groupLabel->setBuddy(ComboGroups);
    ButtonOpenGroup = button(this, "ButtonOpenGroup", tr("&Open"));
    ButtonSaveGroup = button(this, "ButtonSaveGroup", tr("Sa&ve"));
    ButtonDeleteGroup = button(this, "ButtonDeleteGroup", tr("Delete"));
    ButtonOpenFile = button(this, "ButtonOpenFile", tr("Open file..."));
    ButtonAddFile = button(this, "ButtonAddFile", tr("Add from file..."));
    ButtonSaveFile = button(this, "ButtonSaveFile", tr("Save to file..."));
    ButtonImportContacts = button(this, "ButtonImportContacts", tr("Import contacts..."));

    auto* left = new QVBoxLayout;
    left->addWidget(LabelMembers);
    left->addWidget(ListMembers, 2);
    auto* removing = new QHBoxLayout;
    removing->addWidget(ButtonRemove);
    removing->addWidget(ButtonRemoveAll);
    left->addLayout(removing);
    left->addWidget(addLabel);
    left->addWidget(EditFilter);
    left->addWidget(ListPeople, 1);
    left->addWidget(ButtonAddPeople);
    auto* typed = new QGridLayout;
    auto* nameLabel = new QLabel(tr("&Name:"), this);
    nameLabel->setBuddy(Edit_name);
    typed->addWidget(nameLabel, 0, 0);
    typed->addWidget(Edit_name, 0, 1, 1, 4);
    auto* dateLabel = new QLabel(tr("Da&te:"), this);
    dateLabel->setBuddy(Edit_day);
    typed->addWidget(dateLabel, 1, 0);
    typed->addWidget(Edit_day, 1, 1);
    typed->addWidget(Edit_month, 1, 2);
    typed->addWidget(Edit_year, 1, 3);
    typed->addWidget(ButtonAddTyped, 1, 4);
    left->addLayout(typed);
    auto* groupRow = new QHBoxLayout;
    groupRow->addWidget(groupLabel);
    groupRow->addWidget(ComboGroups, 1);
    left->addLayout(groupRow);
    auto* groupButtons = new QHBoxLayout;
    for (QPushButton* b : {ButtonOpenGroup, ButtonSaveGroup, ButtonDeleteGroup}) groupButtons->addWidget(b);
    left->addLayout(groupButtons);
    auto* files = new QGridLayout;
    files->addWidget(ButtonOpenFile, 0, 0);
    files->addWidget(ButtonSaveFile, 0, 1);
    files->addWidget(ButtonAddFile, 1, 0);
    files->addWidget(ButtonImportContacts, 1, 1);
    left->addLayout(files);
    return left;
}

QLayout* TFormPlanner::setupDaysPanel() {
    DateFrom = new QDateEdit(this);
    DateFrom->setObjectName(QStringLiteral("DateFrom"));
    DateFrom->setCalendarPopup(true);
    DateFrom->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    DateFrom->setAccessibleName(tr("Start date"));
    auto* fromLabel = new QLabel(tr("&From:"), this);
    fromLabel->setBuddy(DateFrom);
    SpinDays = new QSpinBox(this);
    SpinDays->setObjectName(QStringLiteral("SpinDays"));
    SpinDays->setRange(kMinDays, kMaxDays);
    SpinDays->setSuffix(tr(" days", "after the span's number"));
    SpinDays->setAccessibleName(tr("Span in days"));
    auto* spanLabel = new QLabel(tr("S&pan:"), this);
    spanLabel->setBuddy(SpinDays);

    auto* range = new QHBoxLayout;
    range->addWidget(fromLabel);
    range->addWidget(DateFrom);
    range->addSpacing(12);
    range->addWidget(spanLabel);
    range->addWidget(SpinDays);
    range->addStretch();
    auto* rhythms = new QHBoxLayout;
    rhythms->addWidget(new QLabel(tr("Rhythms:"), this));
    for (const rhythm::Rhythm& r : rhythm::Rhythms) {
        auto* box = new QCheckBox(rhythmName(r), this);
        box->setObjectName(QStringLiteral("CheckRhythm_") + core::qstr(r.Name));
        box->setChecked(kDefaultRhythms[std::size_t(r.Number - 1)]);
        CheckRhythm[r.Number - 1] = box;
        rhythms->addWidget(box);
    }
    rhythms->addStretch();

    LabelShown = new QLabel(this);
    LabelShown->setObjectName(QStringLiteral("LabelShown"));
    Roster = new RosterView(this);
    TableBest = rankingTable(this, "TableBest", tr("Best days"));
    TableWorst = rankingTable(this, "TableWorst", tr("Worst days"));
    auto* bestLabel = new QLabel(tr("&Best days (nobody critical):"), this);
    bestLabel->setBuddy(TableBest);
    auto* worstLabel = new QLabel(tr("&Worst days:"), this);
    worstLabel->setBuddy(TableWorst);
    ButtonMore = button(this, "ButtonMore", tr("Mor&e days"));
    LabelStatus = new QLabel(this);
    LabelStatus->setObjectName(QStringLiteral("LabelStatus"));
    LabelStatus->setWordWrap(true);

    auto* right = new QVBoxLayout;
    right->addLayout(range);
    right->addLayout(rhythms);
    right->addWidget(LabelShown);
    right->addWidget(Roster, 3);
    auto* rankings = new QGridLayout;
    rankings->addWidget(bestLabel, 0, 0);
    rankings->addWidget(worstLabel, 0, 1);
    rankings->addWidget(TableBest, 1, 0);
    rankings->addWidget(TableWorst, 1, 1);
    rankings->addWidget(ButtonMore, 1, 2, Qt::AlignTop);
    right->addLayout(rankings, 1);
    right->addWidget(LabelStatus);
    return right;
}

QLayout* TFormPlanner::setupButtons() {
    ButtonSavePdf = button(this, "ButtonSavePdf", tr("Save as PDF..."));
    ButtonPrint = button(this, "ButtonPrint", tr("Print..."));
    ButtonSaveCsv = button(this, "ButtonSaveCsv", tr("Save as CSV..."));
    ButtonSaveCalendar = button(this, "ButtonSaveCalendar", tr("Save best days as calendar..."));
    ButtonClose = button(this, "ButtonClose", tr("Close"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {ButtonSavePdf, ButtonPrint, ButtonSaveCsv, ButtonSaveCalendar}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(ButtonClose);
    return buttons;
}

void TFormPlanner::setupTabOrder() {
    // Down the members' side, then across the span, the roster and the results, then the buttons.
    QWidget* order[] = {ListMembers,
                        ButtonRemove,
                        ButtonRemoveAll,
                        EditFilter,
                        ListPeople,
                        ButtonAddPeople,
                        Edit_name,
                        Edit_day,
                        Edit_month,
                        Edit_year,
                        ButtonAddTyped,
                        ComboGroups,
                        ButtonOpenGroup,
                        ButtonSaveGroup,
                        ButtonDeleteGroup,
                        ButtonOpenFile,
                        ButtonSaveFile,
                        ButtonAddFile,
                        ButtonImportContacts,
                        DateFrom,
                        SpinDays,
                        CheckRhythm[0],
                        CheckRhythm[1],
                        CheckRhythm[2],
                        CheckRhythm[3],
                        CheckRhythm[4],
                        CheckRhythm[5],
                        Roster,
                        TableBest,
                        TableWorst,
                        ButtonMore,
                        ButtonSavePdf,
                        ButtonPrint,
                        ButtonSaveCsv,
                        ButtonSaveCalendar,
                        ButtonClose};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void TFormPlanner::connectHandlers() {
    const auto redo = [this] { platform::guarded([this] { rebuild(); }); };
    connect(DateFrom, &QDateEdit::dateChanged, this, redo);
    connect(SpinDays, &QSpinBox::valueChanged, this, [this] {
        platform::guarded([this] {
            // The span never runs past the calendar's last day; a later start date moves back.
            const QSignalBlocker block(DateFrom);
            DateFrom->setMaximumDate(QDate(9999, 12, 31).addDays(1 - SpinDays->value()));
            rebuild();
        });
    });
    for (QCheckBox* box : CheckRhythm) connect(box, &QCheckBox::toggled, this, redo);
    onSignal(this, EditFilter, &QLineEdit::textChanged, &TFormPlanner::EditFilterChange);
    connect(Roster, &RosterView::shownDaysChanged, this, [this](int first, int last) {
        if (table_.Days > 0)
            LabelShown->setText(tr("In view: %1 to %2 (the span: %3 to %4)")
                                    .arg(dayText(table_.From + first), dayText(table_.From + last),
                                         dayText(table_.From), dayText(table_.From + table_.Days - 1)));
    });
    for (QTableWidget* t : {TableBest, TableWorst})
        connect(t, &QTableWidget::currentCellChanged, this, [this, t](int row) {
            const auto& days = t == TableBest ? best_ : worst_;
            if (row >= 0 && row < int(days.size())) Roster->showDay(int(days[std::size_t(row)].Date - table_.From));
        });
    onSignal(this, ListPeople, &QListWidget::itemActivated, &TFormPlanner::ButtonAddPeopleClick);
    onSignal(this, ButtonAddPeople, &QPushButton::clicked, &TFormPlanner::ButtonAddPeopleClick);
    onSignal(this, ButtonAddTyped, &QPushButton::clicked, &TFormPlanner::ButtonAddTypedClick);
    onSignal(this, ButtonRemove, &QPushButton::clicked, &TFormPlanner::ButtonRemoveClick);
    onSignal(this, ButtonRemoveAll, &QPushButton::clicked, &TFormPlanner::ButtonRemoveAllClick);
    onSignal(this, ButtonOpenGroup, &QPushButton::clicked, &TFormPlanner::ButtonOpenGroupClick);
    onSignal(this, ButtonSaveGroup, &QPushButton::clicked, &TFormPlanner::ButtonSaveGroupClick);
    onSignal(this, ButtonDeleteGroup, &QPushButton::clicked, &TFormPlanner::ButtonDeleteGroupClick);
    onSignal(this, ButtonOpenFile, &QPushButton::clicked, &TFormPlanner::ButtonOpenFileClick);
    onSignal(this, ButtonAddFile, &QPushButton::clicked, &TFormPlanner::ButtonAddFileClick);
    onSignal(this, ButtonSaveFile, &QPushButton::clicked, &TFormPlanner::ButtonSaveFileClick);
    onSignal(this, ButtonImportContacts, &QPushButton::clicked, &TFormPlanner::ButtonImportContactsClick);
    onSignal(this, ButtonMore, &QPushButton::clicked, &TFormPlanner::ButtonMoreClick);
    onSignal(this, ButtonSavePdf, &QPushButton::clicked, &TFormPlanner::ButtonSavePdfClick);
    onSignal(this, ButtonPrint, &QPushButton::clicked, &TFormPlanner::ButtonPrintClick);
    onSignal(this, ButtonSaveCsv, &QPushButton::clicked, &TFormPlanner::ButtonSaveCsvClick);
    onSignal(this, ButtonSaveCalendar, &QPushButton::clicked, &TFormPlanner::ButtonSaveCalendarClick);
    connect(ButtonClose, &QPushButton::clicked, this, &QDialog::close);
}

void TFormPlanner::reset() {
    {
        const QSignalBlocker block(DateFrom);
        DateFrom->setDate(std::min(platform::now().date(), DateFrom->maximumDate()));
    }
    platform::guarded([this] { rebuild(); });
}

void TFormPlanner::setPeople(const QList<profiles::ProfileEntry>& personal,
                             const QList<profiles::ProfileEntry>& celebrities) {
    ListPeople->clear();
    for (const auto& [heading, people] :
         {std::pair{tr("Personal"), &personal}, std::pair{tr("Celebrity"), &celebrities}}) {
        if (people->isEmpty()) continue;
        auto* head = new QListWidgetItem(heading, ListPeople);
        head->setFlags(Qt::ItemIsEnabled);
        QFont bold = head->font();
        bold.setBold(true);
        head->setFont(bold);
        for (const auto& p : *people) {
            auto* item = new QListWidgetItem(QStringLiteral("%1 (%2)").arg(p.name, p.datePart), ListPeople);
            item->setData(Qt::UserRole, p.name);
            item->setData(Qt::UserRole + 1, p.datePart);
        }
    }
    EditFilterChange();
}

void TFormPlanner::EditFilterChange() {
    const QString wanted = EditFilter->text().trimmed();
    for (int i = 0; i < ListPeople->count(); ++i) {
        QListWidgetItem* item = ListPeople->item(i);
        const bool heading = !(item->flags() & Qt::ItemIsSelectable);
        item->setHidden(!heading && !item->text().contains(wanted, Qt::CaseInsensitive));
    }
}

int TFormPlanner::addMembers(const QList<profiles::ProfileEntry>& entries) {
    int skipped = 0;
    for (const profiles::ProfileEntry& e : entries) {
        if (int(members_.size()) >= kMaxMembers) {
            platform::showMessage(tr("The planner holds at most %1 people.").arg(kMaxMembers));
            break;
        }
        const auto birth = profiles::entryBirthDate(e.datePart);
        if (!birth) {
            ++skipped;
            continue;
        }
        entries_.push_back({e.name, entryDate(*birth)});
        members_.push_back({e.name.toStdString(), *birth});
        names_ << e.name;
    }
    membersChanged();
    return skipped;
}

void TFormPlanner::membersChanged() {
    LabelMembers->setText(tr("&Members (%1):").arg(members_.size()));
    ListMembers->clear();
    QStringList items;
    for (const auto& e : entries_)
        items << QStringLiteral("%1 (%2)").arg(e.name.isEmpty() ? tr("(no name)") : e.name, e.datePart);
    ListMembers->addItems(items);
    rebuild();
}

rhythm::ShownRhythms TFormPlanner::plannerRhythms() const {
    rhythm::ShownRhythms shown{};
    for (int i = 0; i < 6; ++i) shown[std::size_t(i)] = CheckRhythm[i]->isChecked();
    return shown;
}

void TFormPlanner::rebuild() {
    ++builds_;
    std::vector<double> births;
    births.reserve(members_.size());
    for (const auto& m : members_) births.push_back(m.Birth);
    table_ = rhythm::planTable(births, platform::toDateValue(DateFrom->date()), SpinDays->value(), plannerRhythms());
    Roster->setPlan(&table_, &members_, names_, platform::toDateValue(platform::now()));
    fillRankings();
    const bool any = !members_.empty();
    for (QWidget* w : {ButtonSavePdf, ButtonPrint, ButtonSaveCsv, ButtonSaveCalendar, ButtonSaveGroup, ButtonSaveFile,
                       ButtonRemove, ButtonRemoveAll})
        w->setEnabled(any);
}

void TFormPlanner::fillRankings() {
    const bool any = !members_.empty();
    best_ = any ? rhythm::bestDays(table_, std::size_t(ranked_)) : std::vector<rhythm::RankedDay>{};
    worst_ = any ? rhythm::worstDays(table_, std::size_t(ranked_)) : std::vector<rhythm::RankedDay>{};
    for (const auto& [t, days] : {std::pair{TableBest, &best_}, std::pair{TableWorst, &worst_}}) {
        const QSignalBlocker block(t);
        t->setRowCount(int(days->size()));
        for (int row = 0; row < int(days->size()); ++row) {
            const rhythm::RankedDay& d = (*days)[std::size_t(row)];
            t->setItem(row, 0, new QTableWidgetItem(dayText(d.Date)));
            auto* score = new QTableWidgetItem(QString::number(d.Score));
            score->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            t->setItem(row, 1, score);
        }
        t->resizeColumnToContents(1);
    }
    ButtonMore->setEnabled(any && ranked_ < table_.Days);
    if (any && best_.empty())
        LabelStatus->setText(tr("Every day of the span is a critical day for someone: no best day."));
}

QList<profiles::ProfileEntry> TFormPlanner::memberEntries() const { return entries_; }

void TFormPlanner::ButtonAddPeopleClick() {
    QList<profiles::ProfileEntry> picked;
    for (int i = 0; i < ListPeople->count(); ++i) {
        const QListWidgetItem* item = ListPeople->item(i);
        const bool wanted =
            ListPeople->selectedItems().isEmpty() ? item == ListPeople->currentItem() : item->isSelected();
        if (wanted && !item->isHidden() && (item->flags() & Qt::ItemIsSelectable))
            picked.push_back({item->data(Qt::UserRole).toString(), item->data(Qt::UserRole + 1).toString()});
    }
    const int skipped = addMembers(picked);
    LabelStatus->setText(
        skipped ? tr("%1 left out: no valid birth date").arg(counted(QT_TR_N_NOOP("%n (entry|entries)"), skipped))
                : QString());
}

void TFormPlanner::ButtonAddTypedClick() {
    if (!DateBoxes{Edit_day, Edit_month, Edit_year}.check()) return;
    const QString name = profiles::trimmedProfileName(Edit_name->text());
    const rhythm::Date date = DateBoxes{Edit_day, Edit_month, Edit_year}.value();
    const QString entry = profiles::buildProfileEntry(name, date.Day, date.Month, date.Year);
    if (const QString why = profiles::unstorableReason(name, entry); !why.isEmpty()) {
        platform::showMessage(why);
        return;
    }
    addMembers({profiles::parseProfileEntry(entry)});
    for (QLineEdit* box : {Edit_name, Edit_day, Edit_month, Edit_year}) box->clear();
    Edit_name->setFocus(Qt::OtherFocusReason);
}

void TFormPlanner::ButtonRemoveClick() {
    QList<int> rows;
    for (const QModelIndex& i : ListMembers->selectionModel()->selectedRows()) rows << i.row();
    if (rows.isEmpty() && ListMembers->currentRow() >= 0) rows << ListMembers->currentRow();
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (int row : rows) {
        entries_.removeAt(row);
        names_.removeAt(row);
        members_.erase(members_.begin() + row);
    }
    membersChanged();
}

void TFormPlanner::ButtonRemoveAllClick() {
    entries_.clear();
    names_.clear();
    members_.clear();
    membersChanged();
}

void TFormPlanner::fillGroups() {
    const QString typed = ComboGroups->currentText();
    ComboGroups->clear();
    if (settings_) ComboGroups->addItems(profiles::GroupStore(*settings_).names());
    ComboGroups->setCurrentText(typed);
}

void TFormPlanner::ButtonOpenGroupClick() {
    QString name = ComboGroups->currentText().trimmed();
    const auto members = settings_ ? profiles::GroupStore(*settings_).members(name) : std::nullopt;
    if (!members) {
        LabelStatus->setText(tr("There is no group named \"%1\".").arg(name));
        return;
    }
    // The name as the group was saved, whatever letter case was typed.
    for (const QString& stored : profiles::GroupStore(*settings_).names())
        if (stored.compare(name, Qt::CaseInsensitive) == 0) name = stored;
    ComboGroups->setCurrentText(name);
    entries_.clear();
    names_.clear();
    members_.clear();
    const int skipped = addMembers(*members);
    LabelStatus->setText(tr("Group \"%1\" opened: %2%3")
                             .arg(name, counted(QT_TR_N_NOOP("%n (person|people)"), qsizetype(members_.size())),
                                  skipped ? tr("; %1 without a valid birth date left out")
                                                .arg(counted(QT_TR_N_NOOP("%n (entry|entries)"), skipped))
                                          : QString()));
}

void TFormPlanner::ButtonSaveGroupClick() {
    const QString name = ComboGroups->currentText().trimmed();
    if (name.isEmpty()) {
        platform::showMessage(tr("Type a name for the group first."));
        ComboGroups->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!settings_) throw AppError("The settings file is not open");
    profiles::GroupStore(*settings_).save(name, memberEntries());
    fillGroups();
    LabelStatus->setText(tr("Group \"%1\" saved with %2")
                             .arg(name, counted(QT_TR_N_NOOP("%n (person|people)"), qsizetype(members_.size()))));
}

void TFormPlanner::ButtonDeleteGroupClick() {
    const QString name = ComboGroups->currentText().trimmed();
    if (!settings_ || name.isEmpty()) return;
    if (platform::messageDlg(tr("Delete the group \"%1\"?").arg(name), platform::DialogKind::Confirmation,
                             {platform::DialogButton::Ok, platform::DialogButton::Cancel}) !=
        platform::DialogButton::Ok)
        return;
    const bool removed = profiles::GroupStore(*settings_).remove(name);
    ComboGroups->setCurrentText(QString());
    fillGroups();
    LabelStatus->setText(removed ? tr("Group \"%1\" deleted.").arg(name)
                                 : tr("There is no group named \"%1\".").arg(name));
}

void TFormPlanner::ButtonOpenFileClick() { addFromFile(true); }

void TFormPlanner::ButtonAddFileClick() { addFromFile(false); }

void TFormPlanner::addFromFile(bool replace) {
    const QString path =
        platform::getOpenFileName(this, replace ? tr("Open a group file") : tr("Add people from a file"),
                                  QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                  tr("Group files (*.txt *.dat);;All files (*)"));
    if (path.isEmpty()) return;
    const auto entries = profiles::readGroupFile(path);
    // The file is read whole before the members it replaces go.
    if (replace) ButtonRemoveAllClick();
    const int skipped = addMembers(entries);
    LabelStatus->setText(tr("%1 added from %2%3")
                             .arg(counted(QT_TR_N_NOOP("%n (person|people)"), entries.size() - skipped),
                                  QFileInfo(path).fileName(),
                                  skipped ? tr("; %1 without a valid birth date left out")
                                                .arg(counted(QT_TR_N_NOOP("%n (entry|entries)"), skipped))
                                          : QString()));
}

QString TFormPlanner::title() const {
    const QString group = ComboGroups->currentText().trimmed();
    return group.isEmpty() ? tr("Planner") : group;
}

QString TFormPlanner::savePath(const QString& caption, const QString& suffix, const QString& filter) {
    const QString suggested =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(title() + suffix);
    return platform::getSaveFileName(this, caption, suggested, filter);
}

void TFormPlanner::ButtonSaveFileClick() {
    const QString path =
        savePath(tr("Save group to file"), QStringLiteral(".txt"), tr("Group files (*.txt);;All files (*)"));
    if (path.isEmpty()) return;
    core::writeFileAtomically(path, profiles::groupFileBytes(memberEntries()));
    LabelStatus->setText(tr("%1 saved to %2")
                             .arg(counted(QT_TR_N_NOOP("%n (person|people)"), qsizetype(members_.size())),
                                  QDir::toNativeSeparators(path)));
}

void TFormPlanner::ButtonImportContactsClick() {
    const QString path = platform::getOpenFileName(this, tr("Import birthdays from contacts"), QDir::homePath(),
                                                   tr("Contacts (*.vcf *.vcard);;All files (*)"));
    if (path.isEmpty()) return;
    QByteArray bytes;
    QString reason;
    if (core::readRegularFile(path, &bytes, &reason) != core::ReadResult::Read)
        throw AppError(core::readErrorMessage(path, reason).toStdString());
    const profiles::ContactsImport contacts = profiles::parseContacts(bytes);
    addMembers(contacts.people);
    platform::messageDlg(profiles::importSummary(contacts), platform::DialogKind::Information,
                         {platform::DialogButton::Ok});
}

void TFormPlanner::ButtonMoreClick() {
    ranked_ += kRankedStep;
    fillRankings();
}

void TFormPlanner::ButtonSavePdfClick() {
    const QString path = savePath(tr("Save roster as PDF"), tr(" roster.pdf", "file name after the group's"),
                                  tr("PDF documents (*.pdf)"));
    if (path.isEmpty()) return;
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                             QPageLayout::Millimeter);
    const QByteArray pdf = chart::rosterPdf(table_, names_, title(), platform::toDateValue(platform::now()), layout);
    if (pdf.isEmpty()) throw AppError(("Unable to write to " + QDir::toNativeSeparators(path)).toStdString());
    core::writeFileAtomically(path, pdf);
}

void TFormPlanner::ButtonPrintClick() {
    extras::PrintJob job;
    job.parent = this;
    job.docName = title() + tr(" roster.pdf", "file name after the group's");
    job.orientation = QPageLayout::Landscape;
    const double today = platform::toDateValue(platform::now());
    job.printToFile = [&](const QString& path, const QPageLayout& layout) {
        const QByteArray pdf = chart::rosterPdf(table_, names_, title(), today, layout);
        if (pdf.isEmpty()) throw AppError(("Unable to write to " + QDir::toNativeSeparators(path)).toStdString());
        core::writeFileAtomically(path, pdf);
    };
    job.printOnDevice = [&](QPagedPaintDevice& printer) {
        return chart::printRoster(printer, table_, names_, title(), today);
    };
    const extras::PrintOutcome outcome = platform::print(job);
    if (outcome.status == extras::PrintOutcome::Failed)
        platform::showMessage(tr("Unable to print on %1").arg(outcome.printerName));
}

void TFormPlanner::ButtonSaveCsvClick() {
    const QString path = savePath(tr("Save as CSV"), QStringLiteral(".csv"), tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty()) return;
    core::writeFileAtomically(path, QByteArray::fromStdString(rhythm::planCsv(table_, members_)));
}

void TFormPlanner::ButtonSaveCalendarClick() {
    const QString path = savePath(tr("Save best days as calendar"), tr(" best days.ics", "file name after the group's"),
                                  tr("iCalendar files (*.ics);;All files (*)"));
    if (path.isEmpty()) return;
    const double stamp = platform::toDateValue(platform::now().toUTC());
    const QString group = ComboGroups->currentText().trimmed();
    core::writeFileAtomically(
        path, QByteArray::fromStdString(rhythm::bestDaysCalendar(best_, members_, group.toStdString(), stamp)));
    LabelStatus->setText(
        tr("%1 saved to %2")
            .arg(counted(QT_TR_N_NOOP("%n best day(s)"), qsizetype(best_.size())), QDir::toNativeSeparators(path)));
}

// ---- the settings file: [Planner] Width, Height, Members, Member<i>, Rhythms

QStringList TFormPlanner::settingsSnapshot() const {
    QStringList values = {QString::number(width()), QString::number(height()), letters(plannerRhythms())};
    for (const auto& e : entries_) values << e.name + QLatin1Char('|') + e.datePart;
    return values;
}

void TFormPlanner::readSettings() {
    const int w = settings_->readInteger(kSection, QStringLiteral("Width"), width());
    const int h = settings_->readInteger(kSection, QStringLiteral("Height"), height());
    resize(QSize(w, h).expandedTo(minimumSizeHint()));
    const auto shown = rhythm::parseRhythmLetters(
        settings_->readString(kSection, QStringLiteral("Rhythms"), letters(kDefaultRhythms)).toStdString());
    for (int i = 0; i < 6; ++i) {
        const QSignalBlocker block(CheckRhythm[i]);
        CheckRhythm[i]->setChecked((shown ? *shown : kDefaultRhythms)[std::size_t(i)]);
    }
    int keys = 0;
    settings_->forEachValue(kSection, [&keys](QStringView, QStringView) { ++keys; });
    const int count = std::min(settings_->readInteger(kSection, QStringLiteral("Members"), 0), keys);
    QList<profiles::ProfileEntry> stored;
    for (int i = 0; i < count; ++i) {
        const QString entry = settings_->readString(kSection, QStringLiteral("Member%1").arg(i), QString());
        if (!entry.isNull()) stored << profiles::parseProfileEntry(entry);
    }
    entries_.clear();
    names_.clear();
    members_.clear();
    addMembers(stored);
}

void TFormPlanner::showEvent(QShowEvent* event) {
    if (!settingsRead_ && settings_) {
        settingsRead_ = true;
        platform::guarded([this] { readSettings(); });
        storedSettings_ = settingsSnapshot();
        fillGroups();
    }
    QDialog::showEvent(event);
}

void TFormPlanner::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    saveSettings();
}

bool TFormPlanner::eventFilter(QObject* watched, QEvent* event) {
    // The main window releases the settings file as it closes: an open planner keeps its state first.
    if (watched == parentWidget() && event->type() == QEvent::Close && isVisible()) saveSettings();
    return QDialog::eventFilter(watched, event);
}

void TFormPlanner::saveSettings() {
    const QStringList now = settingsSnapshot();
    if (!settings_ || !settingsRead_ || now == storedSettings_) return;
    storedSettings_ = now;
    platform::guarded([this] {
        profiles::IniStore::Batch batch(*settings_);
        settings_->eraseSection(kSection);
        settings_->writeInteger(kSection, QStringLiteral("Width"), width());
        settings_->writeInteger(kSection, QStringLiteral("Height"), height());
        settings_->writeInteger(kSection, QStringLiteral("Members"), int(entries_.size()));
        for (int i = 0; i < entries_.size(); ++i)
            settings_->writeString(kSection, QStringLiteral("Member%1").arg(i),
                                   entries_[i].name + QLatin1Char('|') + entries_[i].datePart);
        settings_->writeString(kSection, QStringLiteral("Rhythms"), letters(plannerRhythms()));
        batch.commit();
    });
}

}  // namespace rorovovo::forms
