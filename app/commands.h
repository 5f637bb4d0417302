#pragma once

#include <optional>
#include <vector>

#include "app/command_line.h"
#include "rhythm/rhythms.h"

namespace rorovovo::cli {

// Every command the program answers without a window, in the order --help lists them.
const std::vector<Command>& commands();

// Shared by the commands: a date "DD.MM.YYYY" checked as the main window checks its three date boxes (nothing
// when it is no date); "Rorovovo: '<text>' is not a valid date (DD.MM.YYYY)" on stderr; a one-line usage error.
// Both errors return kExitUsage.
std::optional<double> parseDate(const QString& text);
int invalidDate(QTextStream& err, const QString& text);
int usage(QTextStream& err, const QString& problem);

// The value of a numeric option such as --days: decimal only (an optional leading '+', then digits) and within
// low..high. Anything else is a usage error on stderr naming the option and the range, and gives nothing.
std::optional<int> wholeNumber(const QString& option, const QString& text, int low, int high, QTextStream& err);

// The options of a span of days that --critical and --plan share: --from DD.MM.YYYY, --days N (1..maxDays) and
// --rhythms P,E,I,N,S,A. When args[i] is one of them, reads it and its value (i moves onto the value) and returns
// true; `failed` then holds kExitUsage when the value is bad, the message written. False for any other option.
struct Span {
    double from;
    int days;
    rhythm::ShownRhythms rhythms;
};
bool readSpanOption(const QStringList& args, int& i, int maxDays, Span& span, QTextStream& err,
                    std::optional<int>& failed);

// Each command lives in a file of its own.
int runHelp(int argc, char** argv, const QStringList& args, QTextStream& out, QTextStream& err);
int runVersion(int argc, char** argv, const QStringList& args, QTextStream& out, QTextStream& err);
int runCritical(int argc, char** argv, const QStringList& args, QTextStream& out, QTextStream& err);
int runChart(int argc, char** argv, const QStringList& args, QTextStream& out, QTextStream& err);
int runRemind(int argc, char** argv, const QStringList& args, QTextStream& out, QTextStream& err);
int runCompat(int argc, char** argv, const QStringList& args, QTextStream& out, QTextStream& err);
int runPlan(int argc, char** argv, const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace rorovovo::cli
