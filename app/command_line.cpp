#include "app/command_line.h"

#include <QFileDevice>

#include "app/commands.h"

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
    return usage(err, QStringLiteral("unknown option '%1'").arg(option));
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
    err << QStringLiteral("Rorovovo: unable to write the output (%1)")
               .arg(file ? file->errorString() : QStringLiteral("write failed"))
        << Qt::endl;
    return status == kExitOk ? kExitFailure : status;
}

}  // namespace

std::optional<int> runCommandLine(int argc, char** argv, QTextStream& out, QTextStream& err) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    if (args.isEmpty()) return std::nullopt;

    // The toolkit's own options (and their values) may stand anywhere; the toolkit takes them itself. One whose
    // value is missing is refused here: the toolkit would take the next option for it, or abort.
    QStringList own;
    for (int i = 0; i < args.size(); ++i) {
        if (!isToolkitOption(args[i])) {
            own << args[i];
            continue;
        }
        if (!takesValue(args[i])) continue;
        if (i + 1 == args.size() || args[i + 1].startsWith(QLatin1String("--")) || isToolkitOption(args[i + 1]))
            return unknownOption(err, args[i]);
        ++i;
    }
    if (own.isEmpty()) return std::nullopt;

    const QString first = own.first();
    for (const Command& command : commands()) {
        if (first != QLatin1String(command.option)) continue;
        toolkitHandler = qInstallMessageHandler(keepToolkitQuiet);
        return checkOutput(out, err, command.run(argc, argv, own, out, err));
    }
    return unknownOption(err, first);
}

}  // namespace rorovovo::cli
