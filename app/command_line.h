#pragma once

#include <QStringList>
#include <QTextStream>
#include <optional>

namespace rorovovo::cli {

// Exit statuses of the command line.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;   // the command ran but could not do its work (a file not written)
constexpr int kExitUsage = 2;     // bad option or bad input
constexpr int kExitNotShown = 3;  // reminders were due, but no session bus or notification service took them

// The arguments after the program name. Returns nothing when they ask for the window (no arguments, or only
// the toolkit's own options); otherwise runs the command without a window and returns its exit status.
// `argc`/`argv` are passed on to a toolkit application object for the commands that draw.
std::optional<int> runCommandLine(int argc, char** argv, QTextStream& out, QTextStream& err);

// One command: its option, a line of usage for --help, and the handler, which gets every argument after the
// program name (its own option included). The application is made before the handler runs: a toolkit application
// for a command that draws, a core one for the others.
struct Command {
    const char* option;
    const char* usage;
    int (*run)(int argc, char** argv, const QStringList& args, QTextStream& out, QTextStream& err);
    bool draws = false;
};

}  // namespace rorovovo::cli
