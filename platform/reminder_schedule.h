#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace rorovovo::platform {

// What runs the reminder check while the program is not running: a systemd user timer and service in
// ~/.config/systemd/user/, enabled through the user's systemd instance, or, where none answers, an XDG autostart
// entry in ~/.config/autostart/ that runs it at login. The files are named after the executable's path, so a
// portable copy and an installed program each keep their own.
struct SchedulePlaces {
    QString configHome;  // with its separator
    QString systemctl;   // the systemctl found on PATH; empty when there is none
    QString executable;  // the program the check runs
};
// From HOME, XDG_CONFIG_HOME and PATH of `env`.
SchedulePlaces schedulePlaces(const QProcessEnvironment& env, const QString& executable);

// "rorovovo-reminders-<ten hex digits of the executable's path>"; the timer, service and autostart entry take it.
QString scheduleName(const SchedulePlaces& places);
QString timerFile(const SchedulePlaces& places);
QString serviceFile(const SchedulePlaces& places);
QString autostartFile(const SchedulePlaces& places);

enum class ScheduledBy { Nothing, Timer, Autostart };

struct ScheduleOutcome {
    ScheduledBy by = ScheduledBy::Nothing;
    QString timerProblem;      // why no timer was set up, when none was
    QString autostartProblem;  // why the autostart entry could not be written, when it was needed
};

// Sets the check up for every day at `minuteOfDay` (local time), catching up at the next login when the time was
// missed; a set-up of the other kind goes. A timer that cannot be enabled leaves no unit file behind.
ScheduleOutcome installSchedule(const SchedulePlaces& places, int minuteOfDay);
// Disables and removes whatever installSchedule set up. Returns what could not be undone, empty when nothing.
QString removeSchedule(const SchedulePlaces& places);
// What the files on disk say is set up.
ScheduledBy installedSchedule(const SchedulePlaces& places);

}  // namespace rorovovo::platform
