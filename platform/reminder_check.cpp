#include "platform/reminder_check.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

#include "core/errors.h"
#include "platform/clock.h"
#include "platform/notifications.h"
#include "profiles/ini_store.h"

namespace rorovovo::platform {

namespace {

QString timeText(int minuteOfDay) { return QString::asprintf("%02d:%02d", minuteOfDay / 60, minuteOfDay % 60); }

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace

QString refreshReminderCalendar(const profiles::ReminderSettings& s, const QString& path) {
    if (!s.Calendar) return {};
    const double today = std::floor(toDateValue(now()));
    try {
        const std::string text =
            rhythm::remindersCalendar(profiles::remindedPeople(s.People), today, s.Options, toDateValue(now().toUTC()));
        preparePrivateFolder(path);
        core::writeFileAtomically(path, QByteArray::fromStdString(text));
    } catch (const AppError& e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

QString refreshReminderCalendar(profiles::IniStore& store, const ProgramFiles& files) {
    return refreshReminderCalendar(profiles::readReminderSettings(store), files.reminderCalendar);
}

ReminderCheck runReminderCheck(profiles::IniStore& store, const ProgramFiles& files, bool atLogin,
                               DesktopNotifier& notifier) {
    ReminderCheck check;
    const profiles::ReminderSettings s = profiles::readReminderSettings(store);
    if (const QString problem = refreshReminderCalendar(s, files.reminderCalendar); !problem.isEmpty())
        check = {ReminderCheck::NotWritten, 0, problem};
    if (!s.Enabled) return check;

    const auto people = profiles::remindedPeople(s.People);
    const double moment = toDateValue(now());
    std::set<std::string> shown = profiles::readShownReminders(files.shownReminders);
    rhythm::forgetPastReminders(shown, moment);
    const auto due = rhythm::dueReminders(people, moment, s.Options, atLogin, shown);
    if (due.empty()) return check;
    for (const auto& r : due) shown.insert(r.Key);
    try {
        preparePrivateFolder(files.shownReminders);
        profiles::writeShownReminders(files.shownReminders, shown);
    } catch (const AppError& e) {
        return {ReminderCheck::NotWritten, 0, QString::fromStdString(e.what())};
    }
    for (const auto& r : due) {
        const auto& person = people[r.Person];
        if (notifier.notify(QString::fromStdString(rhythm::reminderSummary(r)),
                            QString::fromStdString(rhythm::reminderBody(r, person)))) {
            ++check.shown;
            continue;
        }
        // What was not shown goes back out of the log, for the next check to try again.
        for (std::size_t i = std::size_t(check.shown); i < due.size(); ++i) shown.erase(due[i].Key);
        try {
            profiles::writeShownReminders(files.shownReminders, shown);
        } catch (const AppError&) {
            // Then those reminders stay unshown rather than risk showing them twice.
        }
        return {ReminderCheck::NotShown, check.shown, notifier.problem()};
    }
    return check;
}

QStringList applyReminders(profiles::IniStore& store, const profiles::ReminderSettings& s, const ProgramFiles& files,
                           const SchedulePlaces& places, DesktopNotifier& notifier) {
    try {
        profiles::writeReminderSettings(store, s);
    } catch (const AppError& e) {
        return {QString::fromStdString(e.what()) + QStringLiteral(" Nothing was changed.")};
    }
    QStringList said;
    if (s.Enabled) {
        const ScheduleOutcome o = installSchedule(places, s.Options.MinuteOfDay);
        const QString time = timeText(s.Options.MinuteOfDay);
        if (o.by == ScheduledBy::Timer)
            said << QStringLiteral(
                        "Reminders are on: a systemd user timer (%1) checks every day at %2, or at the "
                        "next login when the computer was off then.")
                        .arg(scheduleName(places), time);
        else if (o.by == ScheduledBy::Autostart)
            said << QStringLiteral(
                        "No systemd user instance could take a timer (%1), so the check runs each time "
                        "you log in instead (%2).")
                        .arg(o.timerProblem, native(autostartFile(places)));
        else
            said << QStringLiteral(
                        "Nothing could be set up to run the check (%1; %2). 'Rorovovo --remind' still "
                        "checks when run by hand.")
                        .arg(o.timerProblem, o.autostartProblem);
        if (o.by == ScheduledBy::Timer && !o.autostartProblem.isEmpty()) said << o.autostartProblem;
        if (const QString problem = notifier.problem(); !problem.isEmpty())
            said << problem + QStringLiteral(
                                  " Reminders show once the desktop has one; the calendar file does not "
                                  "need it.");
    } else {
        const QString problem = removeSchedule(places);
        said << (problem.isEmpty() ? QStringLiteral("Reminders are off; nothing runs the check any more.") : problem);
    }
    if (s.Calendar) {
        const QString problem = refreshReminderCalendar(s, files.reminderCalendar);
        said << (problem.isEmpty() ? QStringLiteral("The calendar file is up to date.")
                                   : problem + QStringLiteral(" The reminders do not need it."));
    } else if (QFileInfo::exists(files.reminderCalendar)) {
        // A calendar no longer kept would go stale in every calendar subscribed to it.
        said << (QFile::remove(files.reminderCalendar)
                     ? QStringLiteral("The calendar file was removed.")
                     : QStringLiteral("Unable to remove %1.").arg(native(files.reminderCalendar)));
    }
    return said;
}

QString reminderState(const profiles::ReminderSettings& s, const SchedulePlaces& places) {
    const ScheduledBy by = installedSchedule(places);
    if (!s.Enabled)
        return by == ScheduledBy::Nothing ? QStringLiteral("Reminders are off.")
                                          : QStringLiteral(
                                                "Reminders are off, but a schedule is still set up: "
                                                "\"Stop reminders\" removes it.");
    switch (by) {
        case ScheduledBy::Timer:
            return QStringLiteral("Reminders are on: a systemd user timer checks every day at %1.")
                .arg(timeText(s.Options.MinuteOfDay));
        case ScheduledBy::Autostart:
            return QStringLiteral("Reminders are on: the check runs each time you log in.");
        case ScheduledBy::Nothing:
            break;
    }
    return QStringLiteral("Reminders are on, but nothing runs the check: \"Remind me\" sets it up again.");
}

}  // namespace rorovovo::platform
