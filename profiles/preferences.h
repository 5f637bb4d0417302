#pragma once

#include <QString>
#include <memory>

namespace rorovovo::profiles {

class IniStore;

// One key of the "Preferences" section with its type and the value it reads as when missing. The window's size
// and position have no fixed default: a missing value keeps what the window has, so the caller passes that.
struct BoolPreference {
    const char* key;
    bool fallback;
};
struct IntPreference {
    const char* key;
};
struct TextPreference {
    const char* key;
    const char* fallback;
};

namespace prefs {
inline constexpr BoolPreference WindowSize{"WindowSize", false};
inline constexpr BoolPreference WindowPosit{"WindowPosit", false};
inline constexpr IntPreference WinWidth{"WinWidth"};  // pixels, frame included
inline constexpr IntPreference WinHeight{"WinHeight"};
inline constexpr IntPreference WinTop{"WinTop"};  // screen pixels of the frame's top left corner
inline constexpr IntPreference WinLeft{"WinLeft"};
inline constexpr TextPreference Rhytms{"Rhytms", "111100"};             // one "0" or "1" per rhythm, in menu order
inline constexpr BoolPreference CriticalMarks{"CriticalMarks", false};  // triangles at the critical days
}  // namespace prefs

// The "Preferences" section of the settings file the program holds open. Every call reads or writes through to
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

  private:
    IniStore& store() const;
    const std::unique_ptr<IniStore>& store_;
};

// The store every call of Preferences and ProfileList needs; AppError when start-up never opened it or it is closed.
IniStore& openStore(const std::unique_ptr<IniStore>& store);

}  // namespace rorovovo::profiles
