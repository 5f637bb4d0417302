#pragma once

#include <future>
#include <thread>

namespace rorovovo::platform {

// Start-up work that needs no window, done on a second thread while the toolkit connects to the display:
// - reading the font configuration, which fontconfig parses in full when the first font is asked for, the largest
//   single cost of the start-up;
// - connecting to the session bus, which the menu bar (to learn whether the desktop shows menus itself) and the
//   window's accessibility wait for; where no bus address is set, libdbus first starts a helper to find one.
// Made before the toolkit's application object, with the program's arguments (a windowless platform named there
// or in QT_QPA_PLATFORM uses no bus). The window waits for the fonts before it asks for its first one; Qt's own
// first use of the bus waits for the connection.
class StartUpHelper {
  public:
    StartUpHelper(int argc, char** argv);
    ~StartUpHelper() { finish(); }
    StartUpHelper(const StartUpHelper&) = delete;
    StartUpHelper& operator=(const StartUpHelper&) = delete;

    void waitForFonts() { fonts_.wait(); }
    void finish() {
        if (thread_.joinable()) thread_.join();
    }

  private:
    std::promise<void> fontsRead_;
    std::future<void> fonts_;
    std::thread thread_;
};

// Whole pages of freed memory go back to the system rather than stay resident for the whole run.
void giveBackFreedMemory();

}  // namespace rorovovo::platform
