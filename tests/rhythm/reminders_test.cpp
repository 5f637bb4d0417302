// Which reminders are due for a clock, a lead and the kinds chosen, and never one twice.
#include "rhythm/reminders.h"

#include <gtest/gtest.h>

#include "rhythm/dates.h"

using namespace rorovovo::rhythm;

namespace {

// Friday 15 March 2024. Ann: Intellectual on the 15th, Physical and Emotional on the 16th, Intuitional on the 18th,
// Aesthetics on the 20th. Bo: a triple day on the 22nd, nothing in the week before.
const double kToday = encodeDate(2024, 3, 15);
const std::vector<RemindedPerson> kPeople = {{"Ann", encodeDate(2022, 6, 11)}, {"Bo", encodeDate(1966, 1, 14)}};
constexpr KindSet S = kindBit(CriticalKind::Single), D = kindBit(CriticalKind::Double),
                  T = kindBit(CriticalKind::Triple);

struct Due {
    std::size_t person;
    int daysAway;
    CriticalKind kind;
    bool operator==(const Due& o) const { return person == o.person && daysAway == o.daysAway && kind == o.kind; }
};

TEST(Reminders, due_byLeadKindsAndTimeOfDay_catchingUpOnMissedChecks) {
    const auto key = [](int person, int day, int lead) {
        return reminderKey(kPeople[std::size_t(person)], kToday + day, lead);
    };
    const struct {
        const char* name;
        int lead;
        KindSet kinds;
        int minuteNow;
        bool anyTime;
        std::set<std::string> shown;
        std::vector<Due> expected;
    } cases[] = {
        {"the day before, after the time", 1, D | T, 630, false, {}, {{0, 1, CriticalKind::Double}}},
        {"the day before, before the time", 1, D | T, 420, false, {}, {}},
        {"at login, before the time", 1, D | T, 420, true, {}, {{0, 1, CriticalKind::Double}}},
        {"the same day, singles", 0, S, 630, false, {}, {{0, 0, CriticalKind::Single}}},
        {"three days ahead, missed days caught up",
         3,
         S | D,
         630,
         false,
         {},
         {{0, 0, CriticalKind::Single}, {0, 1, CriticalKind::Double}, {0, 3, CriticalKind::Single}}},
        {"a week ahead", 7, T, 630, false, {}, {{1, 7, CriticalKind::Triple}}},
        {"a week ahead, before the time", 7, T, 420, false, {}, {}},
        {"shown already", 1, D | T, 630, false, {key(0, 1, 1)}, {}},
        {"shown with another lead", 1, D | T, 630, false, {key(0, 1, 2)}, {{0, 1, CriticalKind::Double}}},
    };
    for (const auto& c : cases) {
        const ReminderOptions options{c.lead, c.kinds, 8 * 60};
        const auto due = dueReminders(kPeople, kToday + c.minuteNow / 1440.0, options, c.anyTime, c.shown);
        std::vector<Due> got;
        for (const Reminder& r : due) {
            got.push_back({r.Person, r.DaysAway, r.Day.Kind});
            EXPECT_EQ(r.Key, reminderKey(kPeople[r.Person], r.Day.Date, c.lead)) << c.name;
        }
        EXPECT_EQ(got, c.expected) << c.name;
    }
}

TEST(Reminders, textsKeysAndForgettingPastDays) {
    const auto due = dueReminders(kPeople, kToday + 0.5, {7, S | D | T, 480}, false, {});
    ASSERT_EQ(due.size(), 5u);
    EXPECT_EQ(reminderSummary(due[0]), "Today: single critical day");
    EXPECT_EQ(reminderSummary(due[1]), "Tomorrow: double critical day");
    EXPECT_EQ(reminderBody(due[1], kPeople[0]), "Ann, Saturday 16.03.2024: Physical, Emotional");
    EXPECT_EQ(reminderSummary(due[4]), "In 7 days: triple critical day");
    EXPECT_EQ(reminderBody(due[4], {"", kPeople[1].Birth}),
              "Born 14.01.1966, Friday 22.03.2024: Physical, Emotional, Intellectual");
    EXPECT_EQ(due[1].Key, "2024-03-16|7|11.06.2022|Ann");

    std::set<std::string> shown;
    for (const Reminder& r : due) shown.insert(r.Key);
    shown.insert(reminderKey(kPeople[0], kToday - 1, 7));
    forgetPastReminders(shown, kToday + 0.9);
    EXPECT_EQ(shown.size(), due.size());
    EXPECT_TRUE(shown.count(due[0].Key));  // today's may still be due
}

TEST(Reminders, calendarAlarms_ringAtTheChosenTimeAndLead) {
    const struct {
        int lead, minute;
        const char* trigger;
    } cases[] = {{1, 480, "-PT16H"}, {0, 510, "PT8H30M"}, {7, 480, "-P6DT16H"}, {0, 0, "PT0M"}, {2, 0, "-P2D"}};
    for (const auto& c : cases) {
        const std::string ics = remindersCalendar(kPeople, kToday, {c.lead, D, c.minute}, kToday);
        EXPECT_NE(ics.find(std::string("\r\nTRIGGER:") + c.trigger + "\r\n"), std::string::npos) << c.trigger;
    }
}

}  // namespace
