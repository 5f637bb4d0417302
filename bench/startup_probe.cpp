// The whole program, started as usual from its own folder, which reports once its main window has been shown and
// painted for the first time and then quits. Run by bench_startup; see probe_report.h for what it prints.
#include <QCoreApplication>

#include "forms/program.h"
#include "probe_report.h"

int main(int argc, char** argv) {
    return rorovovo::forms::runProgram(argc, argv, [](QWidget*) {
        probe::reportShown();
        // Quit rather than close: closing writes the settings file, which is no part of start-up.
        QCoreApplication::quit();
    });
}
