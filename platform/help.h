#pragma once

#include <QString>

namespace rorovovo::platform {

// Opens the compiled help file; without it, or without a viewer for it, opens the plain text guide, saying
// first that the help file is missing. Both paths come from the program's file locations (platform/paths.h).
void showHelp(const QString& helpFile, const QString& guideFile);

}  // namespace rorovovo::platform
