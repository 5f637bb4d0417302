#pragma once

#include <QString>

namespace rorovovo::platform {

// The file version carried by the named executable, as "%d.%d.%d.%d", or "" when the file has none,
// is missing or is no executable we can read. The version lives in the ELF section ".rorovovo_version"
// (see cmake/FileVersion.cmake), checked by its signature.
QString getFileVersion(const QString& path);

}  // namespace rorovovo::platform
