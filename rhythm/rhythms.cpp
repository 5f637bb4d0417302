#include "rhythm/rhythms.h"

#include <algorithm>
#include <cctype>

#include "core/errors.h"
#include "core/marked_text.h"
#include "rhythm/convert.h"

namespace rorovovo::rhythm {

const std::array<Rhythm, 6> Rhythms = {{
    {1, QT_TRANSLATE_NOOP("Rhythm", "Physical"), 23, 0xFF0000, PenStyle::Solid, true, 'P', 0xD55E00, PenStyle::Solid},
    {2, QT_TRANSLATE_NOOP("Rhythm", "Emotional"), 28, 0xFF00FF, PenStyle::Solid, true, 'E', 0xCC79A7, PenStyle::Dash},
    {3, QT_TRANSLATE_NOOP("Rhythm", "Intellectual"), 33, 0x008000, PenStyle::Solid, true, 'I', 0x009E73, PenStyle::Dot},
    {4, QT_TRANSLATE_NOOP("Rhythm", "Intuitional"), 38, 0x0000FF, PenStyle::DashDotDot, true, 'N', 0x0072B2,
     PenStyle::DashDotDot},
    {5, QT_TRANSLATE_NOOP("Rhythm", "Spiritual"), 53, 0x00FFFF, PenStyle::DashDotDot, false, 'S', 0x56B4E9,
     PenStyle::DashDot},
    {6, QT_TRANSLATE_NOOP("Rhythm", "Aesthetics"), 48, 0x808000, PenStyle::DashDotDot, false, 'A', 0xE69F00,
     PenStyle::LongDash},
}};

namespace {
Palette palette_ = Palette::Design;
}

void usePalette(Palette palette) { palette_ = palette; }
Palette activePalette() { return palette_; }
std::uint32_t colourOf(const Rhythm& r) { return palette_ == Palette::ColourBlindSafe ? r.SafeColour : r.Colour; }
PenStyle penOf(const Rhythm& r) { return palette_ == Palette::ColourBlindSafe ? r.SafePen : r.Pen; }

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

std::optional<ShownRhythms> parseRhythmLetters(std::string_view list) {
    ShownRhythms shown{};
    bool any = false;
    std::size_t at = 0;
    while (at <= list.size()) {
        const std::size_t comma = std::min(list.find(',', at), list.size());
        const std::string_view item = list.substr(at, comma - at);
        if (item.size() != 1) return std::nullopt;
        const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(item[0])));
        const Rhythm* found = nullptr;
        for (const Rhythm& r : Rhythms)
            if (r.Letter == letter) found = &r;
        if (!found || shown[static_cast<std::size_t>(found->Number - 1)]) return std::nullopt;
        shown[static_cast<std::size_t>(found->Number - 1)] = any = true;
        at = comma + 1;
    }
    return any ? std::optional<ShownRhythms>(shown) : std::nullopt;
}

std::string shownRhythmNames(const ShownRhythms& shown) {
    std::string names;
    for (const Rhythm& r : Rhythms) {
        if (!shown[static_cast<std::size_t>(r.Number - 1)]) continue;
        if (!names.empty()) names += ", ";
        names += r.Name;
    }
    return names;
}

}  // namespace rorovovo::rhythm
