// The chart and the compatibility figures without a window.
#include <QCoreApplication>
#include <QStringList>
#include <cmath>

#include "app/commands.h"
#include "chart/chart_document.h"
#include "core/errors.h"
#include "platform/clock.h"
#include "platform/guard.h"
#include "rhythm/compatibility.h"
#include "rhythm/dates.h"
#include "rhythm/rhythms.h"

namespace rorovovo::cli {

int runChart(int, char**, const QStringList& args, QTextStream&, QTextStream& err) {
    if (args.size() < 2) return usage(err, QCoreApplication::translate("CommandLine", "--chart needs a birth date"));
    const auto birth = parseDate(args[1]);
    if (!birth) return invalidDate(err, args[1]);
    const double now = platform::toDateValue(platform::now());
    QString name, output;
    double first = std::floor(now) - chart::Strip.daysBefore();
    int days = chart::Strip.Days;
    rhythm::ShownRhythms shown = {true, true, true, true, false, false};
    for (int i = 2; i < args.size(); ++i) {
        const QString& option = args[i];
        const bool hasValue = i + 1 < args.size();
        if (option == QLatin1String("--extra")) {
            shown[4] = shown[5] = true;
        } else if (option == QLatin1String("--name") && hasValue) {
            name = args[++i];
        } else if (option == QLatin1String("--output") && hasValue) {
            output = args[++i];
            if (output.isEmpty())
                return usage(err, QCoreApplication::translate("CommandLine", "--output needs a file name"));
        } else if (option == QLatin1String("--from") && hasValue) {
            const auto from = parseDate(args[++i]);
            if (!from) return invalidDate(err, args[i]);
            first = *from;
        } else if (option == QLatin1String("--days") && hasValue) {
            const auto n = wholeNumber(option, args[++i], 1, chart::kMaxDocumentDays, err);
            if (!n) return kExitUsage;
            days = *n;
        } else {
            return usage(err, QCoreApplication::translate("CommandLine", "unexpected '%1' after --chart").arg(option));
        }
    }
    if (output.isEmpty())
        return usage(err, QCoreApplication::translate("CommandLine", "--chart needs --output FILE.png|.svg|.pdf"));
    if (!chart::isChartFileName(output)) {
        err << "Rorovovo: " << QCoreApplication::translate("Errors", chart::kChartFileNameRule) << Qt::endl;
        return kExitUsage;
    }

    try {
        const auto doc = chart::makeChartDocument(name.toStdString(), *birth, now, first, days, shown);
        chart::saveChartDocument(doc, output);
    } catch (const RangeError&) {
        return usage(err, QCoreApplication::translate("CommandLine", "the strip leaves the calendar"));
    } catch (const AppError& e) {
        err << platform::errorText(e) << Qt::endl;
        return kExitFailure;
    }
    return kExitOk;
}

int runCompat(int, char**, const QStringList& args, QTextStream& out, QTextStream& err) {
    const bool json = args.size() == 4 && args[3] == QLatin1String("--json");
    if (args.size() != 3 && !json)
        return usage(err, QCoreApplication::translate("CommandLine", "--compat takes two birth dates and --json"));
    const auto a = parseDate(args[1]);
    if (!a) return invalidDate(err, args[1]);
    const auto b = parseDate(args[2]);
    if (!b) return invalidDate(err, args[2]);
    const rhythm::Compatibility c = rhythm::compareBirthDates(*a, *b);
    QStringList overallOf;
    for (int i = 0; i < rhythm::OverallRhythmCount; ++i)
        overallOf << QLatin1Char('"') +
                         QString::fromUtf8(rhythm::Rhythms[i].Name.data(), int(rhythm::Rhythms[i].Name.size())) +
                         QLatin1Char('"');
    if (json) {
        out << QStringLiteral(
                   R"({"physical": %1, "emotional": %2, "intellectual": %3, "intuitional": %4, "overall": %5, "overall_of": [%6]})")
                   .arg(c.physical)
                   .arg(c.emotional)
                   .arg(c.intellectual)
                   .arg(c.intuitional)
                   .arg(c.overall)
                   .arg(overallOf.join(QStringLiteral(", ")))
            << Qt::endl;
    } else {
        out << QStringLiteral(
                   "Physical      %1 %\nEmotional     %2 %\nIntellectual  %3 %\nIntuitional   %4 %\n"
                   "Overall       %5 %  (%6)")
                   .arg(c.physical, 3)
                   .arg(c.emotional, 3)
                   .arg(c.intellectual, 3)
                   .arg(c.intuitional, 3)
                   .arg(c.overall, 3)
                   .arg(QString::fromStdString(rhythm::overallNote()))
            << Qt::endl;
    }
    return kExitOk;
}

}  // namespace rorovovo::cli
