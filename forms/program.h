#pragma once

#include <functional>

class QWidget;

namespace rorovovo::forms {

// The whole program: the application, the four windows in their order, then the event loop until the main window
// closes. onShown, when given, runs once the main window has been shown and painted for the first time.
int runProgram(int argc, char** argv, std::function<void(QWidget* mainWindow)> onShown = {});

}  // namespace rorovovo::forms
