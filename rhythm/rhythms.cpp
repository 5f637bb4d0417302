#include "rhythm/rhythms.h"

#include "rhythm/convert.h"
#include "rhythm/errors.h"

namespace rorovovo::rhythm {

const std::array<Rhythm, 6> Rhythms = {{
    {1, "Physical", 23, 0xFF0000, PenStyle::Solid, "Edit2", "Image_Physical", "MenuOptionsShowPhysical",
     "Physical rhythm", true},
    {2, "Emotional", 28, 0xFF00FF, PenStyle::Solid, "Edit3", "Image_Emotional", "MenuOptionsShowEmotional",
     "Emotional rhythm", true},
    {3, "Intellectual", 33, 0x008000, PenStyle::Solid, "Edit4", "Image_Intellectual", "MenuOptionsShowIntellectual",
     "Intellectual rhythm", true},
    {4, "Intuitional", 38, 0x0000FF, PenStyle::DashDotDot, "Edit5", "Image_Intuitional", "MenuOptionsShowIntuitional",
     "Intuitional rhythm", true},
    {5, "Spiritual", 53, 0x00FFFF, PenStyle::DashDotDot, "", "", "MenuOptionsShowSpiritual", "Spiritual rhythm", false},
    {6, "Aesthetics", 48, 0x808000, PenStyle::DashDotDot, "", "", "MenuOptionsShowAesthetics", "Aesthetics rhytm",
     false},
}};

const Rhythm& rhythmByNumber(int number) {
    if (number < 1 || number > static_cast<int>(Rhythms.size())) throw RangeError();
    return Rhythms[number - 1];
}

const Rhythm* rhythmByPeriod(int period) {
    for (const Rhythm& r : Rhythms)
        if (r.Period == period) return &r;
    return nullptr;
}

ShownRhythms parseShownRhythms(std::string_view value) {
    ShownRhythms shown{};
    for (std::size_t i = 0; i < shown.size(); ++i) {
        // Each position is read as a number on its own, so a stray character fails the way a number box does.
        const std::string_view digit = i < value.size() ? value.substr(i, 1) : DefaultRhytmsValue.substr(i, 1);
        shown[i] = strToInt(digit) == 1;
    }
    return shown;
}

std::string shownRhythmsValue(const ShownRhythms& shown) {
    std::string value(shown.size(), '0');
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (shown[i]) value[i] = '1';
    return value;
}

}  // namespace rorovovo::rhythm
