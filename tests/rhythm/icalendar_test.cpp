#include "rhythm/icalendar.h"

#include <gtest/gtest.h>

#include "rhythm/dates.h"

namespace rorovovo::rhythm {
namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
        out.push_back(text.substr(at, end - at));
    return out;
}

// Undoes the folding: a line that starts with a blank continues the one before.
std::vector<std::string> unfolded(const std::vector<std::string>& folded) {
    std::vector<std::string> out;
    for (const std::string& line : folded) {
        if (!line.empty() && line[0] == ' ')
            out.back() += line.substr(1);
        else
            out.push_back(line);
    }
    return out;
}

TEST(CriticalCalendar, summaryNamesKindRhythmsAndPerson) {
    const double day = encodeDate(2026, 12, 8);
    const struct {
        CriticalDay day;
        std::string_view name;
        std::string summary;
    } cases[] = {{{day, 0b000011, CriticalKind::Double},
                  "Ada Lovelace",
                  "Double critical day: Physical, Emotional (Ada Lovelace)"},
                 {{day, 0b100111, CriticalKind::Triple},
                  "",
                  "Triple critical day: Physical, Emotional, Intellectual, Aesthetics"},
                 {{day, 0b001000, CriticalKind::Single}, "X", "Critical day: Intuitional (X)"}};
    for (const auto& c : cases) EXPECT_EQ(criticalDaySummary(c.day, c.name), c.summary);
}

TEST(CriticalCalendar, longNamesFoldAt75OctetsWithoutSplittingCharactersAndTextIsEscaped) {
    const double birth = encodeDate(1990, 7, 1);
    std::string name = "Zoë; \\ Brontë, ";
    for (int i = 0; i < 20; ++i) name += "ñé";
    const std::vector<CriticalDay> days = {{birth, 0b111111, CriticalKind::Triple}};
    const std::string text = criticalDaysCalendar(days, name, birth, encodeDate(2026, 12, 8) + 0.4375);
    const auto folded = lines(text);
    ASSERT_GT(folded.size(), 9u);
    for (const std::string& line : folded) {
        EXPECT_LE(line.size(), 75u) << line;
        EXPECT_FALSE(line.size() > 1 && line[0] == ' ' && (static_cast<unsigned char>(line[1]) & 0xC0) == 0x80)
            << "a character split across lines: " << line;
    }
    const auto full = unfolded(folded);
    const std::vector<std::string> expectedStart = {"BEGIN:VCALENDAR", "VERSION:2.0",
                                                    "PRODID:-//Rorovovo//Critical days//EN", "BEGIN:VEVENT"};
    ASSERT_GE(full.size(), 9u);
    EXPECT_EQ(std::vector<std::string>(full.begin(), full.begin() + 4), expectedStart);
    EXPECT_EQ(full[5], "DTSTAMP:20261208T103000Z");
    EXPECT_EQ(full[6], "DTSTART;VALUE=DATE:19900701");
    std::string escapedName = "Zoë\\; \\\\ Brontë\\, ";
    for (int i = 0; i < 20; ++i) escapedName += "ñé";
    EXPECT_EQ(full[7],
              "SUMMARY:Triple critical day: Physical\\, Emotional\\, Intellectual\\, Intuitional\\, Spiritual\\, "
              "Aesthetics (" +
                  escapedName + ")");
    EXPECT_EQ(full.back(), "END:VCALENDAR");
}

TEST(CriticalCalendar, uidsDependOnPersonAndDayOnly) {
    const double birth = encodeDate(1990, 7, 1), other = birth + 1;
    const std::vector<CriticalDay> days = {{birth + 11, 1, CriticalKind::Single},
                                           {birth + 14, 2, CriticalKind::Single}};
    auto uids = [&](std::string_view name, double b, double stamp) {
        std::vector<std::string> out;
        for (const std::string& line : unfolded(lines(criticalDaysCalendar(days, name, b, stamp))))
            if (line.rfind("UID:", 0) == 0) out.push_back(line);
        return out;
    };
    const auto first = uids("Ada", birth, 47000.25);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_NE(first[0], first[1]);
    EXPECT_EQ(uids("Ada", birth, 47001.75), first);
    EXPECT_NE(uids("Ada", other, 47000.25), first);
    EXPECT_NE(uids("Bea", birth, 47000.25), first);
}

}  // namespace
}  // namespace rorovovo::rhythm
