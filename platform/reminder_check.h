#pragma once

#include <QString>
#include <QStringList>

#include "platform/paths.h"
#include "platform/reminder_schedule.h"
#include "profiles/reminders_settings.h"

namespace rorovovo::profiles {
class IniStore;
}

namespace rorovovo::platform {

class DesktopNotifier;

// Writes the calendar of the settings' people, from today (platform::now()) on, when the settings keep one.
// Returns why it could not be written, empty when it was or none is kept.
QString refreshReminderCalendar(const profiles::ReminderSettings& settings, const QString& path);
QString refreshReminderCalendar(profiles::IniStore& store, const ProgramFiles& files);

// One check, as `--remind` runs it: the calendar rewritten, then, when reminders are on, a notification for each
// reminder due now that was not shown before. A reminder counts as shown once it is in the log, which is written
// before the notifications go out, so that no failure makes the next check show one twice.
struct ReminderCheck {
    enum Status { Done, NotShown, NotWritten } status = Done;
    int shown = 0;
    QString problem;  // one sentence, for a NotShown or NotWritten status
};
ReminderCheck runReminderCheck(profiles::IniStore& store, const ProgramFiles& files, bool atLogin,
                               DesktopNotifier& notifier);

// What "Remind me" and "Stop reminders" do: store the settings, then set up or remove the schedule and write or
// remove the calendar. Returns, a sentence each, what is set up, what could not be and what still works.
QStringList applyReminders(profiles::IniStore& store, const profiles::ReminderSettings& settings,
                           const ProgramFiles& files, const SchedulePlaces& places, DesktopNotifier& notifier);

// How reminders stand now, in a sentence, from the settings and the files on disk.
QString reminderState(const profiles::ReminderSettings& settings, const SchedulePlaces& places);

}  // namespace rorovovo::platform
