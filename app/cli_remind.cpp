// --remind: one check of the reminders, as the systemd timer or the autostart entry runs it; then the program ends.
#include <QCoreApplication>

#include "app/commands.h"
#include "core/qt_text.h"
#include "platform/notifications.h"
#include "platform/paths.h"
#include "platform/reminder_check.h"
#include "profiles/ini_store.h"

namespace rorovovo::cli {

int runRemind(int, char**, const QStringList& args, QTextStream& out, QTextStream& err) {
    bool atLogin = false;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] != QLatin1String("--at-login"))
            return usage(err,
                         QCoreApplication::translate("CommandLine", "unexpected '%1' after --remind").arg(args[i]));
        atLogin = true;
    }
    const platform::ProgramFiles files = platform::programFiles();
    profiles::IniStore store(files.settingsFile);
    if (!store.problem().isEmpty()) {
        err << store.problem() << Qt::endl;
        return kExitFailure;
    }
    platform::DesktopNotifier notifier;
    const platform::ReminderCheck check = platform::runReminderCheck(store, files, atLogin, notifier);
    if (check.shown > 0)
        out << "Rorovovo: "
            << core::englishPlural(
                   QCoreApplication::translate("CommandLine", "%n reminder(s) shown", nullptr, check.shown),
                   check.shown)
            << Qt::endl;
    if (check.status == platform::ReminderCheck::Done) return kExitOk;
    err << "Rorovovo: " << check.problem << Qt::endl;
    return check.status == platform::ReminderCheck::NotShown ? kExitNotShown : kExitFailure;
}

}  // namespace rorovovo::cli
