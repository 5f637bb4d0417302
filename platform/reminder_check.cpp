#include "platform/reminder_check.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

#include "core/errors.h"
#include "core/qt_text.h"
#include "platform/clock.h"
#include "platform/guard.h"
#include "platform/notifications.h"
#include "platform/rhythm_texts.h"
#include "profiles/ini_store.h"
#include "rhythm/dates.h"

namespace rorovovo::platform {

namespace {

QString timeText(int minuteOfDay) { return QString::asprintf("%02d:%02d", minuteOfDay / 60, minuteOfDay % 60); }

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

QString notificationSummary(const rhythm::Reminder& r) {
    const QString kind = platform::kindName(r.Day.Kind);
    if (r.DaysAway == 0) return QCoreApplication::translate("Reminders", "Today: %1 critical day").arg(kind);
    if (r.DaysAway == 1) return QCoreApplication::translate("Reminders", "Tomorrow: %1 critical day").arg(kind);
    return core::englishPlural(
               QCoreApplication::translate("Reminders", "In %n day(s): %1 critical day", nullptr, r.DaysAway),
               r.DaysAway)
        .arg(kind);
}

QString notificationBody(const rhythm::Reminder& r, const rhythm::RemindedPerson& person) {
    // Day 0 of the date values, 30 December 1899, was a Saturday.
    static const char* const weekdays[] = {
        QT_TRANSLATE_NOOP("Reminders", "Saturday"),  QT_TRANSLATE_NOOP("Reminders", "Sunday"),
        QT_TRANSLATE_NOOP("Reminders", "Monday"),    QT_TRANSLATE_NOOP("Reminders", "Tuesday"),
        QT_TRANSLATE_NOOP("Reminders", "Wednesday"), QT_TRANSLATE_NOOP("Reminders", "Thursday"),
        QT_TRANSLATE_NOOP("Reminders", "Friday")};
    const long long n = static_cast<long long>(std::floor(r.Day.Date));
    const QString who =
        person.Name.empty()
            ? QCoreApplication::translate("Reminders", "Born %1").arg(core::qstr(rhythm::formatDate(person.Birth)))
            : core::qstr(person.Name);
    //: Whom, the weekday, the date and the critical rhythms: "Ada, Monday 18.03.2024: Physical, Emotional".
    return QCoreApplication::translate("Reminders", "%1, %2 %3: %4")
        .arg(who, QCoreApplication::translate("Reminders", weekdays[(n % 7 + 7) % 7]),
             core::qstr(rhythm::formatDate(r.Day.Date)), platform::rhythmNames(r.Day.Rhythms));
}

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
        return errorText(e);
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
        return {ReminderCheck::NotWritten, 0, errorText(e)};
    }
    for (const auto& r : due) {
        const auto& person = people[r.Person];
        if (notifier.notify(notificationSummary(r), notificationBody(r, person))) {
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
        return {QCoreApplication::translate("Reminders", "%1 Nothing was changed.").arg(errorText(e))};
    }
    QStringList said;
    if (s.Enabled) {
        const ScheduleOutcome o = installSchedule(places, s.Options.MinuteOfDay);
        const QString time = timeText(s.Options.MinuteOfDay);
        if (o.by == ScheduledBy::Timer)
            said << QCoreApplication::translate(
                        "Reminders",
                        "Reminders are on: a systemd user timer (%1) checks every day at %2, or at the "
                        "next login when the computer was off then.")
                        .arg(scheduleName(places), time);
        else if (o.by == ScheduledBy::Autostart)
            said << QCoreApplication::translate(
                        "Reminders",
                        "No systemd user instance could take a timer (%1), so the check runs each time "
                        "you log in instead (%2).")
                        .arg(o.timerProblem, native(autostartFile(places)));
        else
            said << QCoreApplication::translate(
                        "Reminders",
                        "Nothing could be set up to run the check (%1; %2). 'Rorovovo --remind' still "
                        "checks when run by hand.")
                        .arg(o.timerProblem, o.autostartProblem);
        if (o.by == ScheduledBy::Timer && !o.autostartProblem.isEmpty()) said << o.autostartProblem;
        if (const QString problem = notifier.problem(); !problem.isEmpty())
            said << QCoreApplication::translate("Reminders",
                                                "%1 Reminders show once the desktop has one; the calendar file does "
                                                "not need it.")
                        .arg(problem);
    } else {
        const QString problem = removeSchedule(places);
        said << (problem.isEmpty()
                     ? QCoreApplication::translate("Reminders", "Reminders are off; nothing runs the check any more.")
                     : problem);
    }
    if (s.Calendar) {
        const QString problem = refreshReminderCalendar(s, files.reminderCalendar);
        said << (problem.isEmpty()
                     ? QCoreApplication::translate("Reminders", "The calendar file is up to date.")
                     : QCoreApplication::translate("Reminders", "%1 The reminders do not need it.").arg(problem));
    } else if (QFileInfo::exists(files.reminderCalendar)) {
        // A calendar no longer kept would go stale in every calendar subscribed to it.
        said << (QFile::remove(files.reminderCalendar)
                     ? QCoreApplication::translate("Reminders", "The calendar file was removed.")
                     : QCoreApplication::translate("Reminders", "Unable to remove %1.")
                           .arg(native(files.reminderCalendar)));
    }
    return said;
}

QString reminderState(const profiles::ReminderSettings& s, const SchedulePlaces& places) {
    const ScheduledBy by = installedSchedule(places);
    if (!s.Enabled)
        return by == ScheduledBy::Nothing
                   ? QCoreApplication::translate("Reminders", "Reminders are off.")
                   : QCoreApplication::translate("Reminders",
                                                 "Reminders are off, but a schedule is still set up: "
                                                 "\"Stop reminders\" removes it.");
    switch (by) {
        case ScheduledBy::Timer:
            return QCoreApplication::translate("Reminders",
                                               "Reminders are on: a systemd user timer checks every day at %1.")
                .arg(timeText(s.Options.MinuteOfDay));
        case ScheduledBy::Autostart:
            return QCoreApplication::translate("Reminders", "Reminders are on: the check runs each time you log in.");
        case ScheduledBy::Nothing:
            break;
    }
    return QCoreApplication::translate("Reminders",
                                       "Reminders are on, but nothing runs the check: \"Remind me\" sets it up again.");
}

}  // namespace rorovovo::platform
