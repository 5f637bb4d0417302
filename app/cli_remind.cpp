// --remind: one check of the reminders, as the systemd timer or the autostart entry runs it; then the program ends.
#include <QCoreApplication>

#include "app/commands.h"
#include "platform/notifications.h"
#include "platform/paths.h"
#include "platform/reminder_check.h"
#include "profiles/ini_store.h"

namespace rorovovo::cli {

int runRemind(int argc, char** argv, const QStringList& args, QTextStream& out, QTextStream& err) {
    bool atLogin = false;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] != QLatin1String("--at-login"))
            return usage(err, QStringLiteral("unexpected '%1' after --remind").arg(args[i]));
        atLogin = true;
    }
    QCoreApplication app(argc, argv);
    const platform::ProgramFiles files = platform::programFiles();
    profiles::IniStore store(files.settingsFile);
    if (!store.problem().isEmpty()) {
        err << store.problem() << Qt::endl;
        return kExitFailure;
    }
    platform::DesktopNotifier notifier;
    const platform::ReminderCheck check = platform::runReminderCheck(store, files, atLogin, notifier);
    if (check.shown > 0) out << "Rorovovo: " << check.shown << " reminder(s) shown" << Qt::endl;
    if (check.status == platform::ReminderCheck::Done) return kExitOk;
    err << "Rorovovo: " << check.problem << Qt::endl;
    return check.status == platform::ReminderCheck::NotShown ? kExitNotShown : kExitFailure;
}

}  // namespace rorovovo::cli
