#include "app/command_line.h"

#include <QCoreApplication>

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

}  // namespace

std::optional<int> runCommandLine(int argc, char** argv, QTextStream& out, QTextStream& err) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    if (args.isEmpty()) return std::nullopt;

    // The toolkit's own options (and their values) may stand anywhere; the toolkit takes them itself.
    QStringList own;
    for (int i = 0; i < args.size(); ++i) {
        if (!isToolkitOption(args[i])) {
            own << args[i];
            continue;
        }
        if (takesValue(args[i])) ++i;
    }
    if (own.isEmpty()) return std::nullopt;

    const QString first = own.first();
    for (const Command& command : commands())
        if (first == QLatin1String(command.option)) return command.run(argc, argv, own, out, err);

    err << QStringLiteral("Rorovovo: unknown option '%1' (try 'Rorovovo --help')").arg(first) << Qt::endl;
    return kExitUsage;
}

}  // namespace rorovovo::cli
