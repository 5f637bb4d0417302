#include "app/command_line.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <QGuiApplication>
#include <memory>

#include "app/commands.h"
#include "platform/paths.h"
#include "platform/translator.h"
#include "profiles/preferences.h"

namespace rorovovo::cli {

namespace {

// The options the toolkit takes itself; they start the window as usual.
bool isToolkitOption(const QString& arg) {
    static const QStringList options = {QStringLiteral("-platform"),
                                        QStringLiteral("-platformpluginpath"),
                                        QStringLiteral("-platformtheme"),
                                        QStringLiteral("-plugin"),
                                        QStringLiteral("-style"),
                                        QStringLiteral("-stylesheet"),
                                        QStringLiteral("-display"),
                                        QStringLiteral("-geometry"),
                                        QStringLiteral("-qwindowgeometry"),
                                        QStringLiteral("-reverse"),
                                        QStringLiteral("-session"),
                                        QStringLiteral("-widgetcount"),
                                        QStringLiteral("-nograb"),
                                        QStringLiteral("-dograb"),
                                        QStringLiteral("-sync"),
                                        QStringLiteral("-name"),
                                        QStringLiteral("-title"),
                                        QStringLiteral("-qwindowtitle"),
                                        QStringLiteral("-qwindowicon")};
    return options.contains(arg);
}

// Options of the toolkit that take a value.
bool takesValue(const QString& arg) {
    return arg != QStringLiteral("-reverse") && arg != QStringLiteral("-widgetcount") &&
           arg != QStringLiteral("-nograb") && arg != QStringLiteral("-dograb") && arg != QStringLiteral("-sync");
}

int unknownOption(QTextStream& err, const QString& option) {
    return usage(err, QCoreApplication::translate("CommandLine", "unknown option '%1'").arg(option));
}

// The toolkit's own warnings (a missing XDG_RUNTIME_DIR, say) are no words of the command's; what the toolkit
// cannot go on from still shows.
QtMessageHandler toolkitHandler = nullptr;
void keepToolkitQuiet(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) toolkitHandler(type, context, message);
}

// Output that never arrived (a full disk, a closed descriptor) fails the command instead of passing unnoticed.
int checkOutput(QTextStream& out, QTextStream& err, int status) {
    out.flush();
    if (out.status() == QTextStream::Ok) return status;
    const auto* file = qobject_cast<const QFileDevice*>(out.device());
    err << QCoreApplication::translate("CommandLine", "Rorovovo: unable to write the output (%1)")
               .arg(file ? file->errorString() : QCoreApplication::translate("CommandLine", "write failed"))
        << Qt::endl;
    return status == kExitOk ? kExitFailure : status;
}

// The language chosen in the settings file, or the desktop's. The folders of an installed program are not made here:
// a command leaves the home folder as it was.
void installTranslators() {
    const platform::ProgramFiles files =
        platform::programFilesFor(QCoreApplication::applicationDirPath(), QProcessEnvironment::systemEnvironment());
    const auto settings = std::make_unique<profiles::IniStore>(files.settingsFile);
    platform::installTranslators(profiles::Preferences(settings).get(profiles::prefs::Language), files.translations);
}

}  // namespace

std::optional<int> runCommandLine(int argc, char** argv, QTextStream& out, QTextStream& err) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    if (args.isEmpty()) return std::nullopt;

    // The toolkit's own options (and their values) may stand anywhere; the toolkit takes them itself. One whose
    // value is missing is refused here: the toolkit would take the next option for it, or abort.
    QStringList own;
    QString refused;
    for (int i = 0; i < args.size() && refused.isEmpty(); ++i) {
        if (!isToolkitOption(args[i])) {
            own << args[i];
            continue;
        }
        if (!takesValue(args[i])) continue;
        if (i + 1 == args.size() || args[i + 1].startsWith(QLatin1String("--")) || isToolkitOption(args[i + 1]))
            refused = args[i];
        ++i;
    }
    if (refused.isEmpty() && own.isEmpty()) return std::nullopt;

    const Command* command = nullptr;
    for (const Command& c : commands())
        if (refused.isEmpty() && own.first() == QLatin1String(c.option)) command = &c;
    toolkitHandler = qInstallMessageHandler(keepToolkitQuiet);
    // Every answer is in the user's language, so the application and its translations come first. Drawing needs
    // fonts, so a toolkit application, which never shows a window.
    std::unique_ptr<QCoreApplication> app;
    if (command && command->draws) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    installTranslators();
    if (!command) return unknownOption(err, refused.isEmpty() ? own.first() : refused);
    return checkOutput(out, err, command->run(argc, argv, own, out, err));
}

}  // namespace rorovovo::cli
