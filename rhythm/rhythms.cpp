#include "rhythm/rhythms.h"

#include "core/errors.h"
#include "rhythm/convert.h"

namespace rorovovo::rhythm {

const std::array<Rhythm, 6> Rhythms = {{
    {1, "Physical", 23, 0xFF0000, PenStyle::Solid, true},
    {2, "Emotional", 28, 0xFF00FF, PenStyle::Solid, true},
    {3, "Intellectual", 33, 0x008000, PenStyle::Solid, true},
    {4, "Intuitional", 38, 0x0000FF, PenStyle::DashDotDot, true},
    {5, "Spiritual", 53, 0x00FFFF, PenStyle::DashDotDot, false},
    {6, "Aesthetics", 48, 0x808000, PenStyle::DashDotDot, false},
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
        shown[i] = i < value.size() ? strToInt(value.substr(i, 1)) == 1 : Rhythms[i].Base;
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
