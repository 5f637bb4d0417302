#include "rhythm/zodiac.h"

#include "core/errors.h"

namespace rorovovo::rhythm {

const std::array<TZodiacSign, 12> ZodiacSigns = {{
    {"aquarius", "Jan 20 ~ Feb 18", 218},
    {"pisces", "Feb 19 ~ Mar 20", 320},
    {"aries", "Mar 21 ~ Apr 19", 419},
    {"taurus", "Apr 20 ~ May 20", 520},
    {"gemini", "May 21 ~ Jun 20", 620},
    {"cancer", "Jun 21 ~ Jul 22", 722},
    {"leo", "Jul 23 ~ Aug 22", 822},
    {"virgo", "Aug 23 ~ Sep 22", 922},
    {"libra", "Sep 23 ~ Oct 22", 1022},
    {"scorpio", "Oct 23 ~ Nov 21", 1121},
    {"sagittarius", "Nov 22 ~ Dec 21", 1221},
    {"capricorn", "Dec 22 ~ Jan 19", 119},
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
