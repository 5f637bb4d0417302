#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <set>
#include <string>
#include <vector>

#include "rhythm/reminders.h"

namespace rorovovo::profiles {

class IniStore;

// The "Reminders" section, which scripts and other copies of the program read and write too:
//     Enabled=0|1  Lead=0|1|2|3|7  Kinds=single,double,triple  Time=HH:MM  Calendar=0|1
//     People=N  Person0=Name|DD.MM.YYYY ...
// People are kept by name and birth date, so deleting or re-ordering profiles never changes whom they are.
struct ReminderSettings {
    bool Enabled = false;
    rhythm::ReminderOptions Options;
    bool Calendar = false;
    QStringList People;  // profile entries, in the order stored
};

// A value that is missing or not one of those above reads as its default (off, 1 day, double and triple, 08:00);
// an empty Kinds is a choice of none. Person keys are read as far as the file holds them, below People.
ReminderSettings readReminderSettings(IniStore& store);
// Replaces the section in one file write; core::WriteError when that fails, the file then as it was.
void writeReminderSettings(IniStore& store, const ReminderSettings& settings);

// The people of these entries as the reminder plan takes them, leaving out an entry whose date is no date.
std::vector<rhythm::RemindedPerson> remindedPeople(const QStringList& entries);

// A group of the planner, read from its "Groups" section (NameK, MembersK, MemberK_J), which only the planner writes.
struct PeopleGroup {
    QString Name;
    QStringList Members;  // profile entries
};
QList<PeopleGroup> plannerGroups(IniStore& store);

// The reminders already shown, one key a line (see rhythm::reminderKey). A missing or unreadable file holds none.
std::set<std::string> readShownReminders(const QString& path);
// Written whole or not at all; core::WriteError when that fails.
void writeShownReminders(const QString& path, const std::set<std::string>& shown);

}  // namespace rorovovo::profiles
