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

// "Ann+1 double, ...": who, how many days ahead, which kind.
std::string described(const std::vector<Reminder>& due) {
    std::string text;
    for (const Reminder& r : due)
        text += (text.empty() ? "" : ", ") + kPeople[r.Person].Name + "+" + std::to_string(r.DaysAway) + " " +
                std::string(criticalKindName(r.Day.Kind));
    return text;
}

TEST(Reminders, due_byLeadKindsAndTimeOfDay_catchingUpOnMissedChecks) {
    const std::string shownTomorrow = reminderKey(kPeople[0], kToday + 1, 1);
    const struct {
        int lead;
        KindSet kinds;
        int minuteNow;  // the reminders' time is 08:00
        bool anyTime;
        std::set<std::string> shown;
        std::string expected;
    } cases[] = {
        {1, D | T, 630, false, {}, "Ann+1 double"},
        {1, D | T, 420, false, {}, ""},
        {1, D | T, 420, true, {}, "Ann+1 double"},
        {0, S, 630, false, {}, "Ann+0 single"},
        {3, S | D, 630, false, {}, "Ann+0 single, Ann+1 double, Ann+3 single"},
        {7, T, 630, false, {}, "Bo+7 triple"},
        {7, T, 420, false, {}, ""},
        {1, D | T, 630, false, {shownTomorrow}, ""},
        {2, D | T, 630, false, {shownTomorrow}, "Ann+1 double"},  // shown with another lead
    };
    for (const auto& c : cases) {
        const auto due =
            dueReminders(kPeople, kToday + c.minuteNow / 1440.0, {c.lead, c.kinds, 480}, c.anyTime, c.shown);
        EXPECT_EQ(described(due), c.expected) << "lead " << c.lead << ", minute " << c.minuteNow;
    }
}

TEST(Reminders, forgettingPastDays_keepsTodaysKeys) {
    const auto due = dueReminders(kPeople, kToday + 0.5, {7, S | D | T, 480}, false, {});
    ASSERT_EQ(described(due), "Ann+0 single, Ann+1 double, Ann+3 single, Ann+5 single, Bo+7 triple");
    std::set<std::string> shown = {due[0].Key, due[4].Key, reminderKey(kPeople[0], kToday - 1, 7)};
    forgetPastReminders(shown, kToday + 0.9);
    EXPECT_EQ(shown, (std::set<std::string>{due[0].Key, due[4].Key}));
}

}  // namespace
