#pragma once

#include <vector>

#include "app/command_line.h"

namespace rorovovo::cli {

// Every command the program answers without a window, in the order --help lists them.
const std::vector<Command>& commands();

// Each command lives in a file of its own.
int runHelp(int argc, char** argv, const QStringList& args, QTextStream& out, QTextStream& err);
int runVersion(int argc, char** argv, const QStringList& args, QTextStream& out, QTextStream& err);
int runCritical(int argc, char** argv, const QStringList& args, QTextStream& out, QTextStream& err);
int runChart(int argc, char** argv, const QStringList& args, QTextStream& out, QTextStream& err);
int runCompat(int argc, char** argv, const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace rorovovo::cli
