#pragma once

#include <QString>

namespace rorovovo::platform {

inline constexpr const char* kHelpFileName = "Rorovovo.chm";
inline constexpr const char* kHelpTextFileName = "Cyclomat.txt";

// Opens the help file in the given folder (with its trailing separator); without it, says so and
// opens the plain text guide instead when that exists.
void showHelp(const QString& folder);

}  // namespace rorovovo::platform
