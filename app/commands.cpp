#include "app/commands.h"

#include <QCoreApplication>
#include <algorithm>

#include "core/errors.h"
#include "core/marked_text.h"
#include "platform/app_info.h"
#include "rhythm/dates.h"

namespace rorovovo::cli {

const std::vector<Command>& commands() {
    static const std::vector<Command> list = {
        {"--help", QT_TRANSLATE_NOOP("CommandLine", "--help                 this text"), &runHelp},
        {"--version", QT_TRANSLATE_NOOP("CommandLine", "--version              the program's version"), &runVersion},
        {"--critical",
         QT_TRANSLATE_NOOP(
             "CommandLine",
             "--critical DD.MM.YYYY [--from DD.MM.YYYY] [--days N] [--rhythms P,E,I,N,S,A] [--json] [--ics FILE]\n"
             "                         critical days of a birth date (from today, 90 days, all six rhythms)"),
         &runCritical},
        {"--chart",
         QT_TRANSLATE_NOOP(
             "CommandLine",
             "--chart DD.MM.YYYY [--name TEXT] [--from DD.MM.YYYY] [--days N] [--extra] --output FILE.png|.svg|.pdf\n"
             "                         the chart as a picture or document, without a window"),
         &runChart, true},
        {"--compat",
         QT_TRANSLATE_NOOP(
             "CommandLine",
             "--compat DD.MM.YYYY DD.MM.YYYY [--json]\n                         how well two people's rhythms match"),
         &runCompat},
        {"--plan",
         QT_TRANSLATE_NOOP(
             "CommandLine",
             "--plan DD.MM.YYYY [DD.MM.YYYY ...] [--group FILE] [--from DD.MM.YYYY] [--days N] [--top K]\n"
             "       [--rhythms P,E,I,N,S,A] [--json] [--csv FILE] [--ics FILE]\n"
             "                         the best and worst days for a group (from today, 30 days, Physical,\n"
             "                         Emotional and Intellectual)"),
         &runPlan},
        {"--remind",
         QT_TRANSLATE_NOOP(
             "CommandLine",
             "--remind [--at-login]   one check of the reminders (Tools > Reminders...): shows what is due and ends"),
         &runRemind},
    };
    return list;
}

bool readSpanOption(const QStringList& args, int& i, int maxDays, Span& span, QTextStream& err,
                    std::optional<int>& failed) {
    const QString& option = args[i];
    if (i + 1 >= args.size()) return false;
    if (option == QLatin1String("--from")) {
        const auto date = parseDate(args[++i]);
        if (date)
            span.from = *date;
        else
            failed = invalidDate(err, args[i]);
    } else if (option == QLatin1String("--days")) {
        const auto n = wholeNumber(option, args[++i], 1, maxDays, err);
        if (n)
            span.days = *n;
        else
            failed = kExitUsage;
    } else if (option == QLatin1String("--rhythms")) {
        const auto chosen = rhythm::parseRhythmLetters(args[++i].toStdString());
        if (chosen)
            span.rhythms = *chosen;
        else
            failed = usage(
                err, QCoreApplication::translate("CommandLine", "--rhythms takes letters of P,E,I,N,S,A, each once"));
    } else {
        return false;
    }
    return true;
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

int invalidDate(QTextStream& err, const QString& text) {
    err << QCoreApplication::translate("CommandLine", "Rorovovo: '%1' is not a valid date (DD.MM.YYYY)").arg(text)
        << Qt::endl;
    return kExitUsage;
}

int usage(QTextStream& err, const QString& problem) {
    err << QCoreApplication::translate("CommandLine", "Rorovovo: %1 (try 'Rorovovo --help')").arg(problem) << Qt::endl;
    return kExitUsage;
}

std::optional<int> wholeNumber(const QString& option, const QString& text, int low, int high, QTextStream& err) {
    // Read by hand: the toolkit's and the library's conversions also take spaces, a minus or a hexadecimal prefix.
    const qsizetype first = text.startsWith(QLatin1Char('+')) ? 1 : 0;
    long long value = 0;
    bool ok = text.size() > first;
    for (qsizetype i = first; ok && i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        ok = c >= u'0' && c <= u'9';
        if (ok) value = std::min<long long>(value * 10 + (c - u'0'), high + 1LL);  // past the range, no overflow
    }
    if (ok && value >= low && value <= high) return int(value);
    usage(err, QCoreApplication::translate("CommandLine", "%1 takes a whole number from %2 to %3")
                   .arg(option)
                   .arg(low)
                   .arg(high));
    return std::nullopt;
}

int runHelp(int, char**, const QStringList&, QTextStream& out, QTextStream&) {
    out << QCoreApplication::translate("CommandLine",
                                       "Usage: Rorovovo [option]\n"
                                       "Without an option the program opens its window.\n\nOptions:\n");
    //: Each option's line keeps its option and arguments as they are typed; the column of the explanations may move.
    for (const Command& command : commands())
        out << "  " << QCoreApplication::translate("CommandLine", command.usage) << '\n';
    out.flush();
    return kExitOk;
}

int runVersion(int, char**, const QStringList&, QTextStream& out, QTextStream&) {
    out << "Rorovovo " << ROROVOVO_VERSION_TEXT << Qt::endl;
    return kExitOk;
}

}  // namespace rorovovo::cli
