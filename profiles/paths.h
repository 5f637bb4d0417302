#pragma once

#include <QString>

namespace rorovovo::profiles {

// File names of the two data files that live beside the executable.
QString settingsFileName();   // "Cyclomat.ini"
QString celebrityFileName();  // "Cyclomat.dat"

// Full path of a file in the executable's folder; the current working directory plays no part.
// Needs a QCoreApplication.
QString programFolderFile(const QString& fileName);

}  // namespace rorovovo::profiles
