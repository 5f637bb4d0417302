#include "rhythm/interpretation.h"

#include "core/marked_text.h"
#include "rhythm/dates.h"

namespace rorovovo::rhythm {

const std::array<InterpretationRow, 12> PhysicalInterpretation = {{
    {0, 0,
     QT_TRANSLATE_NOOP(
         "Interpretation",
         "If you have planned big physical activities for today, put them off until the day after tomorrow. "
         "It's a critical day, so relax and take it easy.")},
    {1, 1,
     QT_TRANSLATE_NOOP(
         "Interpretation",
         "Physically, you had a critical day yesterday. Give your body one more day before you take on anything "
         "strenuous.")},
    {2, 3,
     QT_TRANSLATE_NOOP(
         "Interpretation",
         "Your fitness and motivation are increasing. The couch potato days are behind you, so get moving!")},
    {4, 5,
     QT_TRANSLATE_NOOP("Interpretation",
                       "Your efficiency is high. Make good use of it and tackle whatever needs strength and stamina.")},
    {6, 7,
     QT_TRANSLATE_NOOP("Interpretation",
                       "You are in very good physical shape. Why not go for a jog or a long walk today?")},
    {8, 10,
     QT_TRANSLATE_NOOP("Interpretation",
                       "Give yourself a rest. Save your energy, you will need it over the next few days.")},
    {11, 11,
     QT_TRANSLATE_NOOP("Interpretation",
                       "Don't exert yourself today! Better to relax now than to over-strain your body.")},
    {12, 12,
     QT_TRANSLATE_NOOP("Interpretation",
                       "Today you feel beaten and would rather lie down all day. If you can manage it, just do that.")},
    {13, 14,
     QT_TRANSLATE_NOOP("Interpretation",
                       "Your energy seems to be gone. You feel listless, so don't expect too much of yourself.")},
    {15, 18,
     QT_TRANSLATE_NOOP("Interpretation", "You feel tired and drained. Avoid any exertion and let your body recover.")},
    {19, 20,
     QT_TRANSLATE_NOOP("Interpretation",
                       "Slowly your vitality is increasing. Help it along with some light exercise.")},
    {21, 22,
     QT_TRANSLATE_NOOP("Interpretation",
                       "You're still not exactly full of beans. Be patient, your strength will soon be back.")},
}};

const std::array<InterpretationRow, 15> EmotionalInterpretation = {{
    {0, 0,
     QT_TRANSLATE_NOOP(
         "Interpretation",
         "Today your barometer of emotions is jumping from high to very low. It's a critical day, so take it easy: "
         "tomorrow is another day.")},
    {1, 1,
     QT_TRANSLATE_NOOP(
         "Interpretation",
         "There are still some after-effects of yesterday. Better stay at home and put off that date until "
         "tomorrow.")},
    {2, 3,
     QT_TRANSLATE_NOOP("Interpretation", "You feel well and are in a good mood. And it's going to get even better!")},
    {4, 5,
     QT_TRANSLATE_NOOP("Interpretation",
                       "You are even-tempered and in an emotional balance. A good day to meet people.")},
    {6, 8,
     QT_TRANSLATE_NOOP(
         "Interpretation",
         "You are on an emotional 'high' today. Getting on with others is easy and you are in great demand.")},
    {9, 10, QT_TRANSLATE_NOOP("Interpretation", "You feel even-tempered and harmonious. Enjoy it while it lasts!")},
    {11, 12,
     QT_TRANSLATE_NOOP("Interpretation", "You are unsure about your emotions. Sadly, all good things come to an end.")},
    {13, 13,
     QT_TRANSLATE_NOOP(
         "Interpretation",
         "Inside you feel restlessness. You are unsure of your feelings and have doubts about yourself.")},
    {14, 14,
     QT_TRANSLATE_NOOP("Interpretation",
                       "Emotional breakdown? No wonder, your feelings are pulling you up and down today.")},
    {15, 17,
     QT_TRANSLATE_NOOP("Interpretation",
                       "You feel unsettled and restless. Better plan no affairs of the heart for the next few days.")},
    {18, 19,
     QT_TRANSLATE_NOOP("Interpretation",
                       "You're nervous or unsure and feel empty inside. That's just how it is right now.")},
    {20, 21,
     QT_TRANSLATE_NOOP("Interpretation",
                       "You want to hide away in the furthest corner. Do so if you can, it's a bad day.")},
    {22, 23,
     QT_TRANSLATE_NOOP(
         "Interpretation",
         "Back down, if you can. Avoid the people you have plans with, you won't make your best impression.")},
    {24, 25,
     QT_TRANSLATE_NOOP("Interpretation",
                       "There will be light at the end of the tunnel! Still, staying in your shell is no fun.")},
    {26, 27,
     QT_TRANSLATE_NOOP(
         "Interpretation",
         "Now you can see the light at the end of the tunnel. The self-pity is over, one more hurdle to pass.")},
}};

const std::array<InterpretationRow, 14> IntellectualInterpretation = {{
    {0, 0,
     QT_TRANSLATE_NOOP(
         "Interpretation",
         "Do you have an exam today? It's a critical day and your mind may be a bit foggy, so check everything "
         "twice.")},
    {1, 3,
     QT_TRANSLATE_NOOP(
         "Interpretation",
         "Now it's getting better with your intellectual skills. Do the work that needs concentration within the "
         "next ten days.")},
    {4, 5,
     QT_TRANSLATE_NOOP(
         "Interpretation",
         "Your intellect and decision-making skills are admirable. Brain-twisters are no problem for you now.")},
    {6, 7,
     QT_TRANSLATE_NOOP("Interpretation",
                       "You are quick at repartee and see everything clearly. Mistakes are spotted early.")},
    {8, 10,
     QT_TRANSLATE_NOOP("Interpretation",
                       "You can finish demanding tasks without great effort, and you're full of good ideas.")},
    {11, 14,
     QT_TRANSLATE_NOOP("Interpretation",
                       "Thinking logical? No problem! Finish pending tasks now, before things get worse.")},
    {15, 15,
     QT_TRANSLATE_NOOP("Interpretation",
                       "Let's hope you've finished all the difficult tasks, because today you could bungle them.")},
    {16, 16,
     QT_TRANSLATE_NOOP("Interpretation",
                       "You can't concentrate today. Your thinking is muddy, so leave tricky work for later.")},
    {17, 18,
     QT_TRANSLATE_NOOP("Interpretation", "You are irresolute and don't know where to start. Just start anywhere!")},
    {19, 21,
     QT_TRANSLATE_NOOP("Interpretation", "The period of creativity is over. Your brain has gone into stand-by mode.")},
    {22, 24,
     QT_TRANSLATE_NOOP("Interpretation",
                       "You spend these days without any plan or aim. Your reactions leave much to be desired, too.")},
    {25, 27, QT_TRANSLATE_NOOP("Interpretation", "Making resolutions? Better leave that for later.")},
    {28, 29,
     QT_TRANSLATE_NOOP("Interpretation",
                       "Even if you haven't accomplished much lately, take it easy. Better days are coming.")},
    {30, 32,
     QT_TRANSLATE_NOOP(
         "Interpretation",
         "If you have to make important decisions, put them off for a few days. You will see more clearly then.")},
}};

namespace {

template <std::size_t N>
std::string_view lookUp(const std::array<InterpretationRow, N>& table, int day) {
    const int period = table.back().LastDay + 1;
    if (day == period) day = 0;
    for (const InterpretationRow& row : table)
        if (day >= row.FirstDay && day <= row.LastDay) return row.Text;
    return {};
}

}  // namespace

std::string_view physicalText(int day) { return lookUp(PhysicalInterpretation, day); }
std::string_view emotionalText(int day) { return lookUp(EmotionalInterpretation, day); }
std::string_view intellectualText(int day) { return lookUp(IntellectualInterpretation, day); }

bool isBirthday(double birthDate, double now) {
    const Date birth = decodeDate(birthDate);
    const Date today = decodeDate(now);
    if (birth.Month == today.Month && birth.Day == today.Day) return true;
    // A leap-day birthday moves to the last day of February when the year has no 29th.
    return birth.Month == 2 && birth.Day == 29 && today.Month == 2 && today.Day == 28 && !isLeapYear(today.Year);
}

}  // namespace rorovovo::rhythm
