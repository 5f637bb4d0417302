#include "app/commands.h"

#include "platform/app_info.h"

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
    };
    return list;
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
