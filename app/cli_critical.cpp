// --critical: the critical days of a birth date, as a table or JSON, and optionally as a calendar file.
#include <QCoreApplication>
#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include "app/commands.h"
#include "core/errors.h"
#include "core/file_ops.h"
#include "platform/clock.h"
#include "platform/guard.h"
#include "platform/rhythm_texts.h"
#include "rhythm/critical.h"
#include "rhythm/dates.h"
#include "rhythm/icalendar.h"

namespace rorovovo::cli {

namespace {

constexpr int kMaxDays = 36525;  // a century is more than any calendar wants

}  // namespace

int runCritical(int, char**, const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.size() < 2)
        return usage(err, QCoreApplication::translate("CommandLine", "--critical needs a birth date DD.MM.YYYY"));
    const auto birth = parseDate(args[1]);
    if (!birth) return invalidDate(err, args[1]);
    Span span{platform::toDateValue(platform::now().date()), 90, {true, true, true, true, true, true}};
    bool json = false;
    QString icsPath;
    for (int i = 2; i < args.size(); ++i) {
        const QString& option = args[i];
        const bool hasValue = i + 1 < args.size();
        std::optional<int> failed;
        if (readSpanOption(args, i, kMaxDays, span, err, failed)) {
            if (failed) return *failed;
        } else if (option == QLatin1String("--json")) {
            json = true;
        } else if (option == QLatin1String("--ics") && hasValue) {
            icsPath = args[++i];
            if (icsPath.isEmpty())
                return usage(err, QCoreApplication::translate("CommandLine", "--ics needs a file name"));
        } else {
            return usage(err,
                         QCoreApplication::translate("CommandLine", "unknown or incomplete option '%1'").arg(option));
        }
    }

    // A path that cannot take the calendar fails the command before it prints half of its work.
    if (const QString problem = icsPath.isEmpty() ? QString() : core::checkOutputPath(icsPath); !problem.isEmpty()) {
        err << problem << Qt::endl;
        return kExitFailure;
    }

    std::vector<rhythm::CriticalDay> list;
    try {
        list = rhythm::criticalDays(*birth, span.from, span.days, span.rhythms);
    } catch (const AppError&) {
        return usage(err, QCoreApplication::translate("CommandLine", "the days asked for run past the year 9999"));
    }

    if (json) {
        QJsonArray array;
        for (const auto& day : list) {
            QJsonArray names;
            for (const auto& r : rhythm::Rhythms)
                if (day.Rhythms & (1u << (r.Number - 1)))
                    names.append(QString::fromUtf8(r.Name.data(), int(r.Name.size())));
            const auto kind = rhythm::criticalKindName(day.Kind);
            array.append(QJsonObject{{QStringLiteral("date"), platform::toQDate(day.Date).toString(Qt::ISODate)},
                                     {QStringLiteral("rhythms"), names},
                                     {QStringLiteral("kind"), QString::fromUtf8(kind.data(), int(kind.size()))}});
        }
        out << QJsonDocument(array).toJson(QJsonDocument::Indented);
    } else {
        // Which rhythms the list holds and what makes a kind, in lines a script can tell from the days.
        QStringList names;
        for (const rhythm::Rhythm& r : rhythm::Rhythms)
            if (span.rhythms[std::size_t(r.Number - 1)]) names << platform::rhythmName(r);
        out << "# " << names.join(QCoreApplication::translate("DayReading", ", ", "between names")) << '\n'
            << "# " << platform::criticalKindNote() << '\n';
        const QLocale c = QLocale::c();
        for (const auto& day : list) {
            const QDate date = platform::toQDate(day.Date);
            out << c.toString(date, QStringLiteral("ddd dd.MM.yyyy")) << "  "
                << QString::fromUtf8(rhythm::criticalKindName(day.Kind).data()).leftJustified(6) << "  "
                << QString::fromStdString(rhythm::rhythmNames(day.Rhythms)) << '\n';
        }
    }
    out.flush();

    if (!icsPath.isEmpty()) {
        try {
            const double stamp = platform::toDateValue(platform::now().toUTC());
            core::writeFileAtomically(icsPath,
                                      QByteArray::fromStdString(rhythm::criticalDaysCalendar(list, {}, *birth, stamp)));
        } catch (const AppError& e) {
            err << platform::errorText(e) << Qt::endl;
            return kExitFailure;
        }
    }
    return kExitOk;
}

}  // namespace rorovovo::cli
