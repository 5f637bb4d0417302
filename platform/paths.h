#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace rorovovo::platform {

// Portable: every file beside the executable, as the program has always kept them. Installed: the program lives
// in a shared, read-only tree (bin/ beside share/rorovovo/) and keeps what it writes in the user's home.
enum class Layout { Portable, Installed };

// Full paths of every file the program opens.
struct ProgramFiles {
    Layout layout = Layout::Portable;
    QString settingsFile;   // Cyclomat.ini, read and written
    QString celebrityFile;  // Cyclomat.dat, read only
    QString helpFile;       // Rorovovo.chm, read only
    QString guideFile;      // Cyclomat.txt, the plain text guide, read only
    QString versionFile;    // vitawave.xml, the version check's short-lived download
    QString translations;   // the folder of rorovovo_<language>.qm, read only, with its separator
    // Written by reminders only, whose folders are made when first written (preparePrivateFolder).
    QString shownReminders;    // the reminders already shown; beside the settings, or in $XDG_STATE_HOME/Rorovovo/
    QString reminderCalendar;  // the calendar of critical days; beside the executable, or in $XDG_DATA_HOME/Rorovovo/
};

// Installed when `<folder>/../share/rorovovo/` exists and no Cyclomat.ini lies in the folder (a settings file
// beside the executable keeps an installed copy portable by choice). `executableFolder` may lack its separator.
Layout layoutOf(const QString& executableFolder);

// The files for an executable in `executableFolder`, reading HOME and the XDG_CONFIG_HOME, XDG_CACHE_HOME,
// XDG_STATE_HOME and XDG_DATA_HOME folders from `env` (an unset, empty or relative one means ~/.config, ~/.cache,
// ~/.local/state or ~/.local/share). Creates nothing.
ProgramFiles programFilesFor(const QString& executableFolder, const QProcessEnvironment& env);

// Creates the folders the writable files go into when they are missing, each new folder with mode 0700 so other
// users cannot read the profiles. Returns false when one could not be made; the first write then reports the path.
bool prepareFolders(const ProgramFiles& files);
// The same for the folder of one file; an existing folder is left as it is.
bool preparePrivateFolder(const QString& file);

// The user's configuration folder with its separator: $XDG_CONFIG_HOME when absolute, otherwise ~/.config/.
QString configHome(const QProcessEnvironment& env);

// The files of the running program, with their folders prepared. Needs a QCoreApplication.
ProgramFiles programFiles();

}  // namespace rorovovo::platform
