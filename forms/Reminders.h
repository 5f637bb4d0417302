#pragma once

#include <QDialog>
#include <QMultiHash>
#include <QSet>
#include <memory>

#include "platform/paths.h"
#include "platform/reminder_schedule.h"
#include "profiles/reminders_settings.h"

class QBoxLayout;
class QCheckBox;
class QLayout;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimeEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace rorovovo::forms {

// Whom to remind of which critical days, how far ahead and when; "Remind me" hands the check to the desktop's
// own services, so no program stays running. Never modal; the main window makes it once.
class TFormReminders : public QDialog {
    Q_OBJECT
  public:
    // The reminders are kept in this settings file.
    explicit TFormReminders(const std::unique_ptr<profiles::IniStore>& settings, QWidget* parent = nullptr);

    // Shows what the settings file holds, with these stored profiles (entries) to choose from.
    void load(const QStringList& storedProfiles);

  private:
    // Building the window, in this order.
    void setupPeople(QBoxLayout* layout);
    void setupWhen(QBoxLayout* layout);
    void setupCalendar(QBoxLayout* layout);
    QLayout* setupButtons();
    void connectHandlers();

    void ButtonRemindClick();
    void ButtonStopClick();

    QTreeWidget* TreePeople;  // the stored profiles, the planner's groups, and people kept from before
    QComboBox* ComboLead;
    QCheckBox* CheckKind[3];  // single, double, triple
    QTimeEdit* TimeOfDay;
    QCheckBox* CheckCalendar;
    QLineEdit* EditCalendarPath;
    QLabel* LabelStatus;
    QPushButton *ButtonRemind, *ButtonStop, *ButtonClose;

    QTreeWidgetItem* addGroup(const QString& caption, const QStringList& entries, const QSet<QString>& ticked);
    // A person ticked or unticked in one place is so wherever else the dialog lists them.
    void TreePeopleItemChanged(QTreeWidgetItem* item);
    profiles::ReminderSettings chosen(bool enabled) const;
    void apply(bool enabled);

    platform::ProgramFiles files_;
    platform::SchedulePlaces places_;
    QMultiHash<QString, QTreeWidgetItem*> itemsOf_;  // by entry
    bool syncing_ = false;
    const std::unique_ptr<profiles::IniStore>& settings_;
};

}  // namespace rorovovo::forms
