#pragma once

#include <functional>

class QObject;
class QWidget;

namespace rorovovo::forms {

class TForm1;

// The program's windows as the program builds them: the main window, which makes the About box, the profile editor
// and the interpretation window when they are first needed (its makers) and owns them; the window globals name each
// from then on. Tests and benchmarks start their windows through this too, so they run what the program runs.
TForm1* createProgramWindows();

// Before the first window: the translations of the language the settings file chooses (or the desktop's), the
// file then kept for the main window. Tests call it to start in a language as the program does.
void installProgramLanguage();

// From now on the windows take the desktop's colour scheme, live (a dark palette for a dark desktop). The
// listener goes with owner.
void followDesktopScheme(QObject* owner);

// The whole program: the application, the main window, then the event loop until the main window
// closes. onShown, when given, runs once the main window has been shown and painted for the first time.
int runProgram(int argc, char** argv, std::function<void(QWidget* mainWindow)> onShown = {});

}  // namespace rorovovo::forms
