#pragma once

#include <optional>
#include <vector>

#include "app/command_line.h"

namespace rorovovo::cli {

// Every command the program answers without a window, in the order --help lists them.
const std::vector<Command>& commands();

// Shared by the commands: a date "DD.MM.YYYY" checked as the main window checks its three date boxes (nothing
// when it is no date); the invalid-date sentence on stderr; a one-line usage error. Both errors return kExitUsage.
std::optional<double> parseDate(const QString& text);
int invalidDate(QTextStream& err);
int usage(QTextStream& err, const QString& problem);

// Each command lives in a file of its own.
int runHelp(int argc, char** argv, const QStringList& args, QTextStream& out, QTextStream& err);
int runVersion(int argc, char** argv, const QStringList& args, QTextStream& out, QTextStream& err);
int runCritical(int argc, char** argv, const QStringList& args, QTextStream& out, QTextStream& err);
int runChart(int argc, char** argv, const QStringList& args, QTextStream& out, QTextStream& err);
int runRemind(int argc, char** argv, const QStringList& args, QTextStream& out, QTextStream& err);
int runCompat(int argc, char** argv, const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace rorovovo::cli
