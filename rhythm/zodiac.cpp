#include "rhythm/zodiac.h"

#include "core/errors.h"
#include "core/marked_text.h"

namespace rorovovo::rhythm {

const std::array<TZodiacSign, 12> ZodiacSigns = {{
    {QT_TRANSLATE_NOOP("Zodiac", "aquarius"), QT_TRANSLATE_NOOP("Zodiac", "Jan 20 ~ Feb 18"), 218},
    {QT_TRANSLATE_NOOP("Zodiac", "pisces"), QT_TRANSLATE_NOOP("Zodiac", "Feb 19 ~ Mar 20"), 320},
    {QT_TRANSLATE_NOOP("Zodiac", "aries"), QT_TRANSLATE_NOOP("Zodiac", "Mar 21 ~ Apr 19"), 419},
    {QT_TRANSLATE_NOOP("Zodiac", "taurus"), QT_TRANSLATE_NOOP("Zodiac", "Apr 20 ~ May 20"), 520},
    {QT_TRANSLATE_NOOP("Zodiac", "gemini"), QT_TRANSLATE_NOOP("Zodiac", "May 21 ~ Jun 20"), 620},
    {QT_TRANSLATE_NOOP("Zodiac", "cancer"), QT_TRANSLATE_NOOP("Zodiac", "Jun 21 ~ Jul 22"), 722},
    {QT_TRANSLATE_NOOP("Zodiac", "leo"), QT_TRANSLATE_NOOP("Zodiac", "Jul 23 ~ Aug 22"), 822},
    {QT_TRANSLATE_NOOP("Zodiac", "virgo"), QT_TRANSLATE_NOOP("Zodiac", "Aug 23 ~ Sep 22"), 922},
    {QT_TRANSLATE_NOOP("Zodiac", "libra"), QT_TRANSLATE_NOOP("Zodiac", "Sep 23 ~ Oct 22"), 1022},
    {QT_TRANSLATE_NOOP("Zodiac", "scorpio"), QT_TRANSLATE_NOOP("Zodiac", "Oct 23 ~ Nov 21"), 1121},
    {QT_TRANSLATE_NOOP("Zodiac", "sagittarius"), QT_TRANSLATE_NOOP("Zodiac", "Nov 22 ~ Dec 21"), 1221},
    {QT_TRANSLATE_NOOP("Zodiac", "capricorn"), QT_TRANSLATE_NOOP("Zodiac", "Dec 22 ~ Jan 19"), 119},
}};

int zodiacSignNumber(int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > 31) throw RangeError();
    const std::int32_t monthDay = month * 100 + day;
    constexpr int Capricorn = 12;
    // Capricorn's range wraps round the new year, so it is what remains before aquarius and after sagittarius.
    if (monthDay < 120) return Capricorn;
    for (int n = 1; n < Capricorn; ++n)
        if (ZodiacSigns[n - 1].LastDay >= monthDay) return n;
    return Capricorn;
}

std::string zodiacHint(int number) {
    if (number < 1 || number > static_cast<int>(ZodiacSigns.size())) throw RangeError();
    const TZodiacSign& sign = ZodiacSigns[number - 1];
    std::string hint = " ";
    hint.append(sign.Name).append(" : ").append(sign.Dates).append(" ");
    return hint;
}

}  // namespace rorovovo::rhythm
