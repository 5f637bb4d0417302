// Without arguments the program opens its window; a few options answer on the command line instead.
#include <QTextStream>
#include <cstdio>

#include "app/command_line.h"
#include "core/file_ops.h"
#include "forms/program.h"

int main(int argc, char** argv) {
    rorovovo::core::ignoreFileSizeSignal();
    rorovovo::core::keepClosedStandardStreamsClosed();
    {
        QTextStream out(stdout);
        QTextStream err(stderr);
        if (const auto status = rorovovo::cli::runCommandLine(argc, argv, out, err)) return *status;
    }
    return rorovovo::forms::runProgram(argc, argv);
}
