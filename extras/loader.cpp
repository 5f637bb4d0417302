#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

#include "core/errors.h"
#include "extras/extras.h"

namespace rorovovo::extras {

namespace {

const Api* builtIn = nullptr;
const Api* loaded = nullptr;

[[noreturn]] void unableToLoad(const QString& path, const QString& why) {
    throw AppError(QT_TRANSLATE_NOOP("Errors", "Unable to load %1: %2"), path.toStdString(), why.toStdString());
}

// The module beside the executable (a program folder, the build) or where `make install` puts it. With neither
// present, the one the layout calls for is named as missing: installed when the shared data folder is there.
QString modulePath() {
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QString beside = folder + QStringLiteral(ROROVOVO_EXTRAS_FILE);
    const QString installed = folder + QStringLiteral(ROROVOVO_EXTRAS_INSTALLED_FOLDER "/" ROROVOVO_EXTRAS_FILE);
    if (QFileInfo::exists(beside)) return beside;
    if (QFileInfo::exists(installed) || QFileInfo(folder + QStringLiteral("../share/rorovovo")).isDir())
        return QFileInfo(installed).absoluteFilePath();
    return beside;
}

const Api& load() {
    const QString path = modulePath();
    if (!QFileInfo::exists(path)) unableToLoad(path, QCoreApplication::translate("Errors", "the file is missing"));
    // Never unloaded: the program keeps using what the module made (printers, network threads) until it ends.
    QLibrary library(path);
    if (!library.load()) unableToLoad(path, library.errorString());
    using Entry = const Api* (*)();
    const auto entry = reinterpret_cast<Entry>(library.resolve("rorovovo_extras"));
    if (!entry) unableToLoad(path, QCoreApplication::translate("Errors", "it has no entry point rorovovo_extras"));
    const Api* functions = entry();
    if (!functions || functions->version != Api::kVersion)
        unableToLoad(path, QCoreApplication::translate("Errors", "it belongs to another version of the program"));
    return *functions;
}

}  // namespace

const Api& api() {
    if (builtIn) return *builtIn;
    if (!loaded) loaded = &load();
    return *loaded;
}

void useBuiltIn(const Api& functions) { builtIn = &functions; }

}  // namespace rorovovo::extras
