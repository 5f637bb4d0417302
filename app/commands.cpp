#include "app/commands.h"

#include "core/errors.h"
#include "platform/app_info.h"
#include "rhythm/dates.h"

namespace rorovovo::cli {

const std::vector<Command>& commands() {
    static const std::vector<Command> list = {
        {"--help", "--help                 this text", &runHelp},
        {"--version", "--version              the program's version", &runVersion},
        {"--critical",
         "--critical DD.MM.YYYY [--from DD.MM.YYYY] [--days N] [--json] [--ics FILE]\n"
         "                         critical days of a birth date (from today, 90 days)",
         &runCritical},
        {"--chart",
         "--chart DD.MM.YYYY [--name TEXT] [--from DD.MM.YYYY] [--days N] [--extra] --output FILE.png|.svg|.pdf\n"
         "                         the chart as a picture or document, without a window",
         &runChart},
        {"--compat",
         "--compat DD.MM.YYYY DD.MM.YYYY [--json]\n                         how well two people's rhythms match",
         &runCompat},
        {"--remind",
         "--remind [--at-login]   one check of the reminders (Tools > Reminders...): shows what is due and ends",
         &runRemind},
    };
    return list;
}

std::optional<double> parseDate(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 3) return std::nullopt;
    try {
        return rhythm::birthDateValue(parts[0].toStdString(), parts[1].toStdString(), parts[2].toStdString());
    } catch (const AppError&) {
        return std::nullopt;  // a number the boxes could never hold is just as invalid here
    }
}

int invalidDate(QTextStream& err) {
    err << QString::fromUtf8(rhythm::InvalidBirthDateMessage.data(), int(rhythm::InvalidBirthDateMessage.size()))
               .replace(QLatin1Char('\r'), QLatin1Char('\n'))
        << Qt::endl;
    return kExitUsage;
}

int usage(QTextStream& err, const QString& problem) {
    err << QStringLiteral("Rorovovo: %1 (try 'Rorovovo --help')").arg(problem) << Qt::endl;
    return kExitUsage;
}

int runHelp(int, char**, const QStringList&, QTextStream& out, QTextStream&) {
    out << "Usage: Rorovovo [option]\n"
           "Without an option the program opens its window.\n\nOptions:\n";
    for (const Command& command : commands()) out << "  " << command.usage << '\n';
    out.flush();
    return kExitOk;
}

int runVersion(int, char**, const QStringList&, QTextStream& out, QTextStream&) {
    out << "Rorovovo " << ROROVOVO_VERSION_TEXT << Qt::endl;
    return kExitOk;
}

}  // namespace rorovovo::cli
