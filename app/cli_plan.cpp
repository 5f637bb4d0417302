// --plan: the best and worst days for a group, as text or JSON, and the table as CSV and the best days as a calendar.
#include <QCoreApplication>
#include <QLocale>

#include "app/commands.h"
#include "core/errors.h"
#include "core/file_ops.h"
#include "platform/clock.h"
#include "platform/guard.h"
#include "profiles/groups.h"
#include "rhythm/convert.h"
#include "rhythm/dates.h"
#include "rhythm/planner.h"

namespace rorovovo::cli {

namespace {

constexpr int kMaxDays = 36525;

QString name(const rhythm::Rhythm& r) { return QString::fromUtf8(r.Name.data(), int(r.Name.size())); }

QString quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

QString iso(double date) { return QString::fromStdString(rhythm::isoDate(date)); }

QString rankedJson(const std::vector<rhythm::RankedDay>& days) {
    QStringList items;
    for (const auto& d : days) items << QStringLiteral(R"({"date": "%1", "score": %2})").arg(iso(d.Date)).arg(d.Score);
    return QLatin1Char('[') + items.join(QStringLiteral(", ")) + QLatin1Char(']');
}

// The object's keys in the order a reader meets them: the span, the rankings, then every day.
void writeJson(QTextStream& out, const rhythm::PlanTable& t, const std::vector<rhythm::RankedDay>& best,
               const std::vector<rhythm::RankedDay>& worst) {
    QStringList rhythms;
    for (const rhythm::Rhythm& r : rhythm::Rhythms)
        if (t.Rhythms[std::size_t(r.Number - 1)]) rhythms << quoted(name(r));
    out << QStringLiteral(R"({"from": "%1", "days": %2, "rhythms": [%3],)")
               .arg(iso(t.From))
               .arg(t.Days)
               .arg(rhythms.join(QStringLiteral(", ")))
        << "\n \"best\": " << rankedJson(best) << ",\n \"worst\": " << rankedJson(worst) << ",\n \"table\": [";
    for (int d = 0; d < t.Days; ++d) {
        QStringList critical;
        for (int m = 0; m < t.Members; ++m) {
            QStringList names;
            for (const rhythm::Rhythm& r : rhythm::Rhythms)
                if (t.critical(m, d) & (1u << (r.Number - 1))) names << quoted(name(r));
            critical << QLatin1Char('[') + names.join(QStringLiteral(", ")) + QLatin1Char(']');
        }
        out << (d ? ",\n  " : "\n  ")
            << QStringLiteral(R"({"date": "%1", "score": %2, "clear": %3, "critical": [%4]})")
                   .arg(iso(t.From + d))
                   .arg(t.Score[std::size_t(d)])
                   .arg(t.Clear[std::size_t(d)] ? QStringLiteral("true") : QStringLiteral("false"))
                   .arg(critical.join(QStringLiteral(", ")));
    }
    out << "\n ]}\n";
}

void writeText(QTextStream& out, const std::vector<rhythm::RankedDay>& days, const char* label) {
    const QLocale c = QLocale::c();
    for (const auto& d : days) {
        const rhythm::Date date = rhythm::decodeDate(d.Date);
        out << QString::fromLatin1(label).leftJustified(6)
            << c.toString(QDate(date.Year, date.Month, date.Day), QStringLiteral("ddd dd.MM.yyyy"))
            << QStringLiteral("%1").arg(d.Score, 6) << '\n';
    }
}

}  // namespace

int runPlan(int, char**, const QStringList& args, QTextStream& out, QTextStream& err) {
    std::vector<rhythm::PlanMember> members;
    int i = 1;
    for (; i < args.size() && !args[i].startsWith(QLatin1String("--")); ++i) {
        const auto birth = parseDate(args[i]);
        if (!birth) return invalidDate(err, args[i]);
        members.push_back({std::string(), *birth});
    }
    Span span{platform::toDateValue(platform::now().date()), 30, {true, true, true, false, false, false}};
    int top = 10;
    bool json = false;
    QString csvPath, icsPath;
    for (; i < args.size(); ++i) {
        const QString& option = args[i];
        const bool hasValue = i + 1 < args.size();
        std::optional<int> failed;
        if (readSpanOption(args, i, kMaxDays, span, err, failed)) {
            if (failed) return *failed;
        } else if (option == QLatin1String("--json")) {
            json = true;
        } else if (option == QLatin1String("--group") && hasValue) {
            const QString file = args[++i];
            QList<profiles::ProfileEntry> entries;
            try {
                entries = profiles::readGroupFile(file);
            } catch (const AppError& e) {
                err << platform::errorText(e) << Qt::endl;
                return kExitUsage;
            }
            for (const profiles::ProfileEntry& e : entries) {
                const auto birth = profiles::entryBirthDate(e.datePart);
                if (!birth)
                    return usage(err,
                                 QCoreApplication::translate("CommandLine", "'%1|%2' in %3 is no Name|DD.MM.YYYY entry")
                                     .arg(e.name, e.datePart, file));
                members.push_back({e.name.toStdString(), *birth});
            }
        } else if (option == QLatin1String("--top") && hasValue) {
            const auto n = wholeNumber(option, args[++i], 1, kMaxDays, err);
            if (!n) return kExitUsage;
            top = *n;
        } else if ((option == QLatin1String("--csv") || option == QLatin1String("--ics")) && hasValue) {
            (option == QLatin1String("--csv") ? csvPath : icsPath) = args[++i];
            if (args[i].isEmpty())
                return usage(err, QCoreApplication::translate("CommandLine", "%1 needs a file name").arg(option));
        } else {
            return usage(err,
                         QCoreApplication::translate("CommandLine", "unknown or incomplete option '%1'").arg(option));
        }
    }
    if (members.empty())
        return usage(
            err, QCoreApplication::translate("CommandLine", "--plan needs a birth date DD.MM.YYYY or --group FILE"));

    std::vector<double> births;
    for (const auto& m : members) births.push_back(m.Birth);
    rhythm::PlanTable table;
    try {
        table = rhythm::planTable(births, span.from, span.days, span.rhythms);
    } catch (const RangeError&) {
        return usage(err, QCoreApplication::translate("CommandLine", "the days asked for run past the year 9999"));
    }
    const auto best = rhythm::bestDays(table, std::size_t(top));
    const auto worst = rhythm::worstDays(table, std::size_t(top));

    // The files first: a command that cannot write them prints nothing a script could take for its result.
    try {
        if (!csvPath.isEmpty())
            core::writeFileAtomically(csvPath, QByteArray::fromStdString(rhythm::planCsv(table, members)));
        if (!icsPath.isEmpty()) {
            const double stamp = platform::toDateValue(platform::now().toUTC());
            core::writeFileAtomically(icsPath,
                                      QByteArray::fromStdString(rhythm::bestDaysCalendar(best, members, {}, stamp)));
        }
    } catch (const AppError& e) {
        err << platform::errorText(e) << Qt::endl;
        return kExitFailure;
    }
    if (json) {
        writeJson(out, table, best, worst);
    } else {
        writeText(out, best, "best");
        writeText(out, worst, "worst");
    }
    out.flush();
    return kExitOk;
}

}  // namespace rorovovo::cli
