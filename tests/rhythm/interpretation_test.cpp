#include "rhythm/interpretation.h"

#include <gtest/gtest.h>

#include <vector>

#include "rhythm/dates.h"

namespace rorovovo::rhythm {
namespace {

struct Opening {
    int firstDay;
    int lastDay;
    std::string_view words;
};

// Opening words every text must begin with, one entry per run of days.
const std::vector<Opening> PhysicalOpenings = {
    {0, 0, "If you have planned big physical activities for today"},
    {1, 1, "Physically, you had a critical day yesterday."},
    {2, 3, "Your fitness and motivation are increasing."},
    {4, 5, "Your efficiency is high."},
    {6, 7, "You are in very good physical shape."},
    {8, 10, "Give yourself a rest."},
    {11, 11, "Don't exert yourself today!"},
    {12, 12, "Today you feel beaten"},
    {13, 14, "Your energy seems to be gone."},
    {15, 18, "You feel tired and drained."},
    {19, 20, "Slowly your vitality is increasing."},
    {21, 22, "You're still not exactly full of beans."},
};

const std::vector<Opening> EmotionalOpenings = {
    {0, 0, "Today your barometer of emotions is jumping"},
    {1, 1, "There are still some after-effects"},
    {2, 3, "You feel well and are in a good mood."},
    {4, 5, "You are even-tempered and in an emotional balance."},
    {6, 8, "You are on an emotional 'high' today."},
    {9, 10, "You feel even-tempered and harmonious."},
    {11, 12, "You are unsure about your emotions."},
    {13, 13, "Inside you feel restlessness."},
    {14, 14, "Emotional breakdown?"},
    {15, 17, "You feel unsettled and restless."},
    {18, 19, "You're nervous or unsure"},
    {20, 21, "You want to hide away in the furthest corner."},
    {22, 23, "Back down, if you can."},
    {24, 25, "There will be light at the end of the tunnel!"},
    {26, 27, "Now you can see the light at the end of the tunnel."},
};

const std::vector<Opening> IntellectualOpenings = {
    {0, 0, "Do you have an exam today?"},
    {1, 3, "Now it's getting better with your intellectual skills."},
    {4, 5, "Your intellect and decision-making skills are admirable."},
    {6, 7, "You are quick at repartee"},
    {8, 10, "You can finish demanding tasks"},
    {11, 14, "Thinking logical? No problem!"},
    {15, 15, "Let's hope you've finished all the difficult tasks"},
    {16, 16, "You can't concentrate today."},
    {17, 18, "You are irresolute"},
    {19, 21, "The period of creativity is over."},
    {22, 24, "You spend these days without any plan or aim."},
    {25, 27, "Making resolutions?"},
    {28, 29, "Even if you haven't accomplished much"},
    {30, 32, "If you have to make important decisions"},
};

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

template <std::size_t N>
void checkTable(const std::array<InterpretationRow, N>& table, const std::vector<Opening>& openings, int period,
                std::string_view (*textOf)(int)) {
    ASSERT_EQ(table.size(), openings.size());
    int next = 0;
    for (std::size_t i = 0; i < N; ++i) {
        const InterpretationRow& row = table[i];
        EXPECT_EQ(row.FirstDay, next) << "gap or overlap before row " << i;
        EXPECT_LE(row.FirstDay, row.LastDay);
        EXPECT_EQ(row.FirstDay, openings[i].firstDay);
        EXPECT_EQ(row.LastDay, openings[i].lastDay);
        EXPECT_TRUE(startsWith(row.Text, openings[i].words)) << row.Text;
        EXPECT_GT(row.Text.size(), openings[i].words.size()) << row.Text;
        EXPECT_LE(row.Text.size(), 163u) << row.Text;
        for (int day = row.FirstDay; day <= row.LastDay; ++day) EXPECT_EQ(textOf(day), row.Text) << day;
        next = row.LastDay + 1;
    }
    EXPECT_EQ(next, period);
    EXPECT_EQ(textOf(period), textOf(0));
    EXPECT_TRUE(textOf(-1).empty());
    EXPECT_TRUE(textOf(period + 1).empty());
    EXPECT_TRUE(textOf(1000).empty());
}

TEST(Interpretation, physicalTable_coversCycleWithItsOpenings) {
    checkTable(PhysicalInterpretation, PhysicalOpenings, 23, physicalText);
}

TEST(Interpretation, emotionalTable_coversCycleWithItsOpenings) {
    checkTable(EmotionalInterpretation, EmotionalOpenings, 28, emotionalText);
}

TEST(Interpretation, intellectualTable_coversCycleWithItsOpenings) {
    checkTable(IntellectualInterpretation, IntellectualOpenings, 33, intellectualText);
}

TEST(Interpretation, birthday_sameDayAndMonthAnyYearAndTime) {
    EXPECT_EQ(BirthdayGreeting, "By the way: HAPPY BIRTHDAY!");
    const double birth = encodeDate(1958, 3, 15);
    EXPECT_TRUE(isBirthday(birth, birth));
    EXPECT_TRUE(isBirthday(birth, encodeDate(2024, 3, 15) + 0.75));
    EXPECT_FALSE(isBirthday(birth, encodeDate(2024, 3, 14) + 0.99));
    EXPECT_FALSE(isBirthday(birth, encodeDate(2024, 3, 16)));
    EXPECT_FALSE(isBirthday(birth, encodeDate(2024, 4, 15)));
}

TEST(Interpretation, leapDayBirthday_fallsOn28FebruaryInCommonYears) {
    const double birth = encodeDate(1996, 2, 29);
    EXPECT_TRUE(isBirthday(birth, encodeDate(2023, 2, 28) + 0.5));
    EXPECT_FALSE(isBirthday(birth, encodeDate(2023, 3, 1)));
    EXPECT_TRUE(isBirthday(birth, encodeDate(2024, 2, 29)));
    EXPECT_FALSE(isBirthday(birth, encodeDate(2024, 2, 28)));
    EXPECT_FALSE(isBirthday(encodeDate(1995, 2, 28), encodeDate(2024, 2, 29)));
}

}  // namespace
}  // namespace rorovovo::rhythm
