#include "platform/paths.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace rorovovo::platform {

namespace {

const QString kSettingsName = QStringLiteral("Cyclomat.ini");
const QString kDataFolder = QStringLiteral("../share/rorovovo/");
const QString kUserFolder = QStringLiteral("Rorovovo/");

QString withSeparator(QString folder) {
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

// An XDG base folder: the variable when it holds an absolute path, otherwise the fallback under the home folder.
QString xdgFolder(const QProcessEnvironment& env, const char* variable, const char* fallback) {
    const QString value = env.value(QLatin1String(variable));
    if (QDir::isAbsolutePath(value)) return withSeparator(value);
    QString home = env.value(QStringLiteral("HOME"));
    if (home.isEmpty()) home = QDir::homePath();
    return withSeparator(home) + QLatin1String(fallback);
}

// Like `mkdir -p -m 0700`, but only the folders made here get the mode; existing ones keep theirs.
bool makePrivateFolder(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) return true;
    if (info.exists()) return false;
    const QString parent = QFileInfo(QDir::cleanPath(path)).path();
    if (parent != path && !makePrivateFolder(parent)) return false;
    return ::mkdir(QFile::encodeName(path).constData(), 0700) == 0 || QFileInfo(path).isDir();
}

}  // namespace

Layout layoutOf(const QString& executableFolder) {
    const QString folder = withSeparator(executableFolder);
    if (QFileInfo::exists(folder + kSettingsName)) return Layout::Portable;
    return QFileInfo(folder + kDataFolder).isDir() ? Layout::Installed : Layout::Portable;
}

ProgramFiles programFilesFor(const QString& executableFolder, const QProcessEnvironment& env) {
    const QString folder = withSeparator(executableFolder);
    ProgramFiles files;
    files.layout = layoutOf(folder);
    QString readOnly = folder, settings = folder, cache = folder, state = folder, data = folder;
    if (files.layout == Layout::Installed) {
        readOnly = QDir::cleanPath(folder + kDataFolder) + QLatin1Char('/');
        settings = xdgFolder(env, "XDG_CONFIG_HOME", ".config/") + kUserFolder;
        cache = xdgFolder(env, "XDG_CACHE_HOME", ".cache/") + kUserFolder;
        state = xdgFolder(env, "XDG_STATE_HOME", ".local/state/") + kUserFolder;
        data = xdgFolder(env, "XDG_DATA_HOME", ".local/share/") + kUserFolder;
    }
    files.settingsFile = settings + kSettingsName;
    files.celebrityFile = readOnly + QStringLiteral("Cyclomat.dat");
    files.helpFile = readOnly + QStringLiteral("Rorovovo.chm");
    files.guideFile = readOnly + QStringLiteral("Cyclomat.txt");
    files.versionFile = cache + QStringLiteral("vitawave.xml");
    files.translations = readOnly + QStringLiteral("translations/");
    files.shownReminders = state + QStringLiteral("Rorovovo-reminders-shown.txt");
    files.reminderCalendar = data + QStringLiteral("Rorovovo-critical-days.ics");
    return files;
}

bool prepareFolders(const ProgramFiles& files) {
    if (files.layout == Layout::Portable) return true;  // the program folder exists, and is never made here
    bool ok = true;
    for (const QString& file : {files.settingsFile, files.versionFile})
        ok = makePrivateFolder(QFileInfo(file).path()) && ok;
    return ok;
}

bool preparePrivateFolder(const QString& file) { return makePrivateFolder(QFileInfo(file).path()); }

QString configHome(const QProcessEnvironment& env) { return xdgFolder(env, "XDG_CONFIG_HOME", ".config/"); }

ProgramFiles programFiles() {
    ProgramFiles files =
        programFilesFor(QCoreApplication::applicationDirPath(), QProcessEnvironment::systemEnvironment());
    prepareFolders(files);
    return files;
}

}  // namespace rorovovo::platform
