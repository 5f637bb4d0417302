#include "profiles/paths.h"

#include <QCoreApplication>

namespace rorovovo::profiles {

QString settingsFileName() { return QStringLiteral("Cyclomat.ini"); }

QString celebrityFileName() { return QStringLiteral("Cyclomat.dat"); }

QString programFolderFile(const QString& fileName) {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + fileName;
}

}  // namespace rorovovo::profiles
