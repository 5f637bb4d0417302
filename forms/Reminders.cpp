#include "forms/Reminders.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTimeEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/qt_text.h"
#include "forms/widgets.h"
#include "platform/app_info.h"
#include "platform/notifications.h"
#include "platform/reminder_check.h"
#include "profiles/ini_store.h"
#include "profiles/profile_entry.h"

namespace rorovovo::forms {

namespace {

constexpr rhythm::CriticalKind kKinds[] = {rhythm::CriticalKind::Single, rhythm::CriticalKind::Double,
                                           rhythm::CriticalKind::Triple};

QString personCaption(const QString& entry) {
    const profiles::ProfileEntry e = profiles::parseProfileEntry(entry);
    return e.name.isEmpty() ? e.datePart : QStringLiteral("%1 (%2)").arg(e.name, e.datePart);
}

}  // namespace

TFormReminders::TFormReminders(const std::unique_ptr<profiles::IniStore>& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName(QStringLiteral("FormReminders"));
    setWindowTitle(tr("Reminders"));
    setModal(false);
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    setupPeople(layout);
    setupWhen(layout);
    setupCalendar(layout);
    layout->addLayout(setupButtons());
    resize(440, 520);
    connectHandlers();

    files_ = platform::programFiles();
    places_ = platform::schedulePlaces(QProcessEnvironment::systemEnvironment(), platform::executablePath());
    EditCalendarPath->setText(QDir::toNativeSeparators(files_.reminderCalendar));
}

void TFormReminders::setupPeople(QBoxLayout* layout) {
    TreePeople = new QTreeWidget(this);
    TreePeople->setObjectName(QStringLiteral("TreePeople"));
    TreePeople->setHeaderHidden(true);
    TreePeople->setAccessibleName(tr("People"));
    auto* peopleLabel = new QLabel(tr("&People to be reminded of:"), this);
    peopleLabel->setBuddy(TreePeople);
    layout->addWidget(peopleLabel);
    layout->addWidget(TreePeople, 1);
}

void TFormReminders::setupWhen(QBoxLayout* layout) {
    ComboLead = new QComboBox(this);
    ComboLead->setObjectName(QStringLiteral("ComboLead"));
    for (const int lead : rhythm::ReminderLeads)
        ComboLead->addItem(
            lead == 0 ? tr("The same day") : core::englishPlural(tr("%n day(s) before", nullptr, lead), lead), lead);

    auto* kinds = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        const auto name = rhythm::criticalKindName(kKinds[i]);
        QString caption = QString::fromLatin1(name.data(), int(name.size()));
        caption[0] = caption[0].toUpper();
        const char* const captions[] = {QT_TR_NOOP("Single"), QT_TR_NOOP("Double"), QT_TR_NOOP("Triple")};
        CheckKind[i] = new QCheckBox(tr(captions[i]), this);
        CheckKind[i]->setObjectName(QStringLiteral("CheckKind_") + caption);
        kinds->addWidget(CheckKind[i]);
    }
    kinds->addStretch();

    TimeOfDay = new QTimeEdit(this);
    TimeOfDay->setObjectName(QStringLiteral("TimeOfDay"));
    TimeOfDay->setDisplayFormat(QStringLiteral("HH:mm"));
    auto* form = new QFormLayout;
    form->addRow(tr("&How far ahead:"), ComboLead);
    form->addRow(tr("Which days:"), kinds);
    form->addRow(tr("&Time of day:"), TimeOfDay);
    layout->addLayout(form);
}

void TFormReminders::setupCalendar(QBoxLayout* layout) {
    CheckCalendar = new QCheckBox(tr("&Keep a calendar file"), this);
    CheckCalendar->setObjectName(QStringLiteral("CheckCalendar"));
    EditCalendarPath = new QLineEdit(this);
    EditCalendarPath->setObjectName(QStringLiteral("EditCalendarPath"));
    EditCalendarPath->setReadOnly(true);
    EditCalendarPath->setAccessibleName(tr("Calendar file"));

    LabelStatus = new QLabel(this);
    LabelStatus->setObjectName(QStringLiteral("LabelStatus"));
    LabelStatus->setWordWrap(true);
    LabelStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(CheckCalendar);
    layout->addWidget(EditCalendarPath);
    layout->addWidget(LabelStatus);
}

QLayout* TFormReminders::setupButtons() {
    ButtonRemind = new QPushButton(tr("&Remind me"), this);
    ButtonRemind->setObjectName(QStringLiteral("ButtonRemind"));
    ButtonStop = new QPushButton(tr("&Stop reminders"), this);
    ButtonStop->setObjectName(QStringLiteral("ButtonStop"));
    ButtonClose = new QPushButton(tr("Close"), this);
    ButtonClose->setObjectName(QStringLiteral("ButtonClose"));
    for (QPushButton* b : {ButtonRemind, ButtonStop, ButtonClose}) b->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ButtonRemind);
    buttons->addWidget(ButtonStop);
    buttons->addStretch();
    buttons->addWidget(ButtonClose);
    return buttons;
}

void TFormReminders::connectHandlers() {
    connect(TreePeople, &QTreeWidget::itemChanged, this,
            [this](QTreeWidgetItem* item) { platform::guarded([this, item] { TreePeopleItemChanged(item); }); });
    onSignal(this, ButtonRemind, &QPushButton::clicked, &TFormReminders::ButtonRemindClick);
    onSignal(this, ButtonStop, &QPushButton::clicked, &TFormReminders::ButtonStopClick);
    connect(ButtonClose, &QPushButton::clicked, this, &QDialog::close);
}

QTreeWidgetItem* TFormReminders::addGroup(const QString& caption, const QStringList& entries,
                                          const QSet<QString>& ticked) {
    if (entries.isEmpty()) return nullptr;
    auto* group = new QTreeWidgetItem(TreePeople, {caption});
    group->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
    for (const QString& entry : entries) {
        auto* item = new QTreeWidgetItem(group, {personCaption(entry)});
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setData(0, Qt::UserRole, entry);
        item->setCheckState(0, ticked.contains(entry) ? Qt::Checked : Qt::Unchecked);
        itemsOf_.insert(entry, item);
    }
    return group;
}

void TFormReminders::load(const QStringList& storedProfiles) {
    const profiles::ReminderSettings s =
        settings_ ? profiles::readReminderSettings(*settings_) : profiles::ReminderSettings{};
    {
        const QSignalBlocker block(TreePeople);
        TreePeople->clear();
        itemsOf_.clear();
        const QSet<QString> ticked(s.People.begin(), s.People.end());
        QSet<QString> listed(storedProfiles.begin(), storedProfiles.end());
        addGroup(tr("Stored profiles"), storedProfiles, ticked);
        if (settings_)
            for (const profiles::PeopleGroup& g : profiles::plannerGroups(*settings_)) {
                addGroup(tr("Group: %1").arg(g.Name), g.Members, ticked);
                for (const QString& member : g.Members) listed.insert(member);
            }
        // Whoever the settings name but no list holds any more is still reminded of until unticked.
        QStringList kept;
        for (const QString& entry : s.People)
            if (!listed.contains(entry)) kept << entry;
        addGroup(tr("No longer stored"), kept, ticked);
        TreePeople->expandAll();
        if (TreePeople->topLevelItemCount() > 0) TreePeople->setCurrentItem(TreePeople->topLevelItem(0));
    }
    ComboLead->setCurrentIndex(std::max(0, ComboLead->findData(s.Options.LeadDays)));
    for (int i = 0; i < 3; ++i) CheckKind[i]->setChecked(s.Options.Kinds & rhythm::kindBit(kKinds[i]));
    TimeOfDay->setTime(QTime(s.Options.MinuteOfDay / 60, s.Options.MinuteOfDay % 60));
    CheckCalendar->setChecked(s.Calendar);
    LabelStatus->setText(TreePeople->topLevelItemCount() == 0
                             ? tr("No profiles are stored yet: add a person in the main window first.")
                             : platform::reminderState(s, places_));
    TreePeople->setFocus(Qt::OtherFocusReason);
}

void TFormReminders::TreePeopleItemChanged(QTreeWidgetItem* item) {
    const QString entry = item->data(0, Qt::UserRole).toString();
    if (syncing_ || entry.isEmpty()) return;
    syncing_ = true;
    for (QTreeWidgetItem* twin : itemsOf_.values(entry))
        if (twin != item) twin->setCheckState(0, item->checkState(0));
    syncing_ = false;
}

profiles::ReminderSettings TFormReminders::chosen(bool enabled) const {
    profiles::ReminderSettings s;
    s.Enabled = enabled;
    s.Options.LeadDays = ComboLead->currentData().toInt();
    s.Options.Kinds = 0;
    for (int i = 0; i < 3; ++i)
        if (CheckKind[i]->isChecked()) s.Options.Kinds = rhythm::KindSet(s.Options.Kinds | rhythm::kindBit(kKinds[i]));
    s.Options.MinuteOfDay = TimeOfDay->time().hour() * 60 + TimeOfDay->time().minute();
    s.Calendar = CheckCalendar->isChecked();
    QSet<QString> seen;
    for (int g = 0; g < TreePeople->topLevelItemCount(); ++g)
        for (int i = 0; i < TreePeople->topLevelItem(g)->childCount(); ++i) {
            const QTreeWidgetItem* item = TreePeople->topLevelItem(g)->child(i);
            const QString entry = item->data(0, Qt::UserRole).toString();
            if (item->checkState(0) == Qt::Checked && !seen.contains(entry)) {
                seen.insert(entry);
                s.People << entry;
            }
        }
    return s;
}

void TFormReminders::apply(bool enabled) {
    if (!settings_) return;
    const profiles::ReminderSettings s = chosen(enabled);
    if (enabled && s.People.isEmpty()) {
        LabelStatus->setText(tr("Tick at least one person to be reminded of first."));
        return;
    }
    platform::DesktopNotifier notifier;
    LabelStatus->setText(platform::applyReminders(*settings_, s, files_, places_, notifier).join(QLatin1Char('\n')));
}

void TFormReminders::ButtonRemindClick() { apply(true); }

void TFormReminders::ButtonStopClick() { apply(false); }

}  // namespace rorovovo::forms
