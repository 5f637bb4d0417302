#pragma once

#include <QString>

namespace rorovovo::platform {

// The title every plain message box shows: the executable's file name up to its first ".",
// every character after the first in lower case.
QString titleFromFileName(const QString& fileName);
QString applicationTitle();

// The folder of the running executable with its trailing separator; every file the program uses lies there.
QString executableFolder();
QString executablePath();

}  // namespace rorovovo::platform
