#pragma once

#include <QString>
#include <memory>

#include "profiles/ini_store.h"
#include "rhythm/rhythms.h"

namespace rorovovo::profiles {

// One key of the settings file with its type, the value it reads as when missing, and its section ("Preferences"
// unless named). Window sizes and positions have no fixed default: a missing value keeps what the window has, so
// the caller passes that.
inline constexpr char PreferencesSection[] = "Preferences";
struct BoolPreference {
    const char* key;
    bool fallback;
    const char* section = PreferencesSection;
};
struct IntPreference {
    const char* key;
    const char* section = PreferencesSection;
};
struct TextPreference {
    const char* key;
    const char* fallback;
    const char* section = PreferencesSection;
};

namespace prefs {
inline constexpr BoolPreference WindowSize{"WindowSize", false};
inline constexpr BoolPreference WindowPosit{"WindowPosit", false};
inline constexpr IntPreference WinWidth{"WinWidth"};  // pixels, frame included
inline constexpr IntPreference WinHeight{"WinHeight"};
inline constexpr IntPreference WinTop{"WinTop"};  // screen pixels of the frame's top left corner
inline constexpr IntPreference WinLeft{"WinLeft"};
// One "0" or "1" per rhythm, in menu order.
inline constexpr TextPreference Rhytms{"Rhytms", rhythm::DefaultRhytmsValue.data()};
inline constexpr BoolPreference CriticalMarks{"CriticalMarks", false};      // triangles at the critical days
inline constexpr BoolPreference DarkChart{"DarkChart", false};              // the strips on screen on dark ground
inline constexpr BoolPreference ColourBlindSafe{"ColourBlindSafe", false};  // the safe palette and dash patterns
// The language the program speaks ("de", "pt_BR"); empty (or missing) follows the desktop's.
inline constexpr TextPreference Language{"Language", ""};

// The critical-days window: its size, and the rhythms it lists, one "0" or "1" each as for Rhytms (all at first).
inline constexpr char CriticalDaysSection[] = "CriticalDays";
inline constexpr IntPreference CriticalWidth{"Width", CriticalDaysSection};
inline constexpr IntPreference CriticalHeight{"Height", CriticalDaysSection};
inline constexpr TextPreference CriticalRhythms{"Rhythms", "111111", CriticalDaysSection};
}  // namespace prefs

// The keys above in the settings file the program holds open. Every call reads or writes through to
// the store; with no store open (start-up did not get that far, or the window has closed) it throws AppError and
// touches nothing.
class Preferences {
  public:
    explicit Preferences(const std::unique_ptr<IniStore>& store) : store_(store) {}

    bool get(const BoolPreference& p) const;
    int get(const IntPreference& p, int current) const;
    QString get(const TextPreference& p) const;
    void set(const BoolPreference& p, bool value);
    void set(const IntPreference& p, int value);
    void set(const TextPreference& p, const QString& value);

    // A section of an older version that held the rhythms; it goes at every start.
    void eraseObsoleteRhythmSection();

    bool isOpen() const { return store_ != nullptr; }
    // One file write for the writes until its commit (IniStore::Batch).
    std::unique_ptr<IniStore::Batch> batch();

  private:
    IniStore& store() const;
    const std::unique_ptr<IniStore>& store_;
};

// The store every call of Preferences and ProfileList needs; AppError when start-up never opened it or it is closed.
IniStore& openStore(const std::unique_ptr<IniStore>& store);

}  // namespace rorovovo::profiles
