// `Rorovovo --chart ... --output FILE.png` from process start to the file written (the process's end), against the
// program's own start-up to the first paint of its window (startup_probe), both offscreen. The cases take turns,
// run by run, after one unmeasured run of each; medians and their ratio are printed.
//
// Usage: bench_cli_chart [--runs N]   (N defaults to 10)
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "probe_driver.h"

namespace {

using probe::fail, probe::median, probe::monotonicNs;

QProcessEnvironment offscreen() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

// Milliseconds from just before the start to the file being complete.
double chartRun(const QString& output) {
    QFile::remove(output);
    QProcess p;
    p.setProcessEnvironment(offscreen());
    const long long started = monotonicNs();
    p.start(QStringLiteral(ROROVOVO_EXE),
            {QStringLiteral("--chart"), QStringLiteral("15.03.1958"), QStringLiteral("--output"), output});
    if (!p.waitForFinished(60000) || p.exitCode() != 0 || !QFile::exists(output))
        fail(QStringLiteral("--chart failed: %1").arg(QString::fromLocal8Bit(p.readAllStandardError())));
    return (monotonicNs() - started) / 1e6;
}

// Milliseconds from just before the start to the probe's report of its first paint.
double startupRun(const QString& folder) {
    QFile::remove(folder + QStringLiteral("/Cyclomat.ini"));
    QProcess p;
    p.setProcessEnvironment(offscreen());
    p.setWorkingDirectory(folder);
    const long long started = monotonicNs();
    p.start(folder + QStringLiteral("/startup_probe"), {});
    if (!p.waitForFinished(60000)) fail(QStringLiteral("the start-up probe did not finish"));
    for (const QByteArray& field : p.readAllStandardOutput().split(' '))
        if (field.startsWith("shown_ns=")) return (field.mid(9).toLongLong() - started) / 1e6;
    fail(QStringLiteral("the start-up probe gave no report"));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int runs = 10;
    const QStringList args = app.arguments();
    if (const int i = int(args.indexOf(QStringLiteral("--runs"))); i >= 0 && i + 1 < args.size())
        runs = std::max(1, args[i + 1].toInt());
    QTemporaryDir dir;
    if (!dir.isValid() || !QFile::copy(QStringLiteral(STARTUP_PROBE), dir.filePath(QStringLiteral("startup_probe"))))
        fail(QStringLiteral("cannot set up a program folder"));
    QFile::setPermissions(dir.filePath(QStringLiteral("startup_probe")),
                          QFile::permissions(QStringLiteral(STARTUP_PROBE)));
    // Without Cyclomat.dat the program waits on a message box; an empty one holds no celebrities.
    if (QFile dat(dir.filePath(QStringLiteral("Cyclomat.dat"))); !dat.open(QIODevice::WriteOnly))
        fail(QStringLiteral("cannot write Cyclomat.dat"));
    const QString output = dir.filePath(QStringLiteral("chart.png"));
    chartRun(output);
    startupRun(dir.path());
    std::vector<double> chart, startup;
    for (int i = 0; i < runs; ++i) {
        chart.push_back(chartRun(output));
        startup.push_back(startupRun(dir.path()));
    }
    const double c = median(chart), s = median(startup);
    std::printf(
        "runs: %d\n--chart to PNG written:   median %.1f ms\nstart-up to first paint: median %.1f ms\n"
        "ratio --chart / start-up: %.2f\n",
        runs, c, s, c / s);
    return 0;
}
