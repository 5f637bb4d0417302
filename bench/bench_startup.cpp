// Start-up time and peak memory of the program against a bare Qt Widgets window, of the program with 10,000
// profiles and 10,000 celebrities against the program with none, and of the program in German against English.
//
// Each case runs as its own process from a program folder of its own, as a user would start it. The time is from
// just before the process is started to the end of the main window's first paint, both read on CLOCK_MONOTONIC
// (see probe_report.h); the memory is the probe's peak resident set at that moment. The cases take turns, run by
// run, so a change in the load of the shared machine falls on all of them alike; one unmeasured run of each comes
// first to bring the files into the page cache.
//
// Usage: bench_startup [--runs N]   (N defaults to 10)
// The probes show their windows on a private Xvfb display when Xvfb is installed, offscreen otherwise.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "probe_driver.h"
#include "virtual_display.h"

namespace {

using probe::fail, probe::median, probe::monotonicNs;

constexpr int kMany = 10000;

QByteArray manyProfiles() {
    QByteArray text =
        "[Preferences]\nRhytms=111100\n[Records]\nProfiles=" + QByteArray::number(kMany) + "\nSelected=0\n";
    for (int k = 0; k < kMany; ++k)
        text += QByteArray::number(k) + "=Person number " + QByteArray::number(k) + "|" +
                QByteArray::number(k % 28 + 1).rightJustified(2, '0') + "." +
                QByteArray::number(k % 12 + 1).rightJustified(2, '0') + "." + QByteArray::number(1920 + k % 90) + "\n";
    return text;
}

QByteArray manyCelebrities() {
    QByteArray text;
    for (int k = 0; k < kMany; ++k)
        text += "Celebrity number " + QByteArray::number(k) + "|" +
                QByteArray::number(k % 28 + 1).rightJustified(2, '0') + "." +
                QByteArray::number(k % 12 + 1).rightJustified(2, '0') + "." + QByteArray::number(1850 + k % 150) +
                "\r\n";
    return text;
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(content) != content.size())
        fail(QStringLiteral("cannot write %1").arg(path));
}

// The German translation with every text translated: the file as the translators left it, each text still
// unfinished standing in as its source with an umlaut before it, so the program looks up and shows as many texts as
// it will once they are done.
QByteArray wholeGermanTranslation(const QString& folder) {
    QFile ts(QStringLiteral(ROROVOVO_SOURCE_DIR "/resources/translations/rorovovo_de.ts"));
    if (!ts.open(QIODevice::ReadOnly)) fail(QStringLiteral("cannot read %1").arg(ts.fileName()));
    QString text = QString::fromUtf8(ts.readAll());
    static const QRegularExpression message(QStringLiteral("<message[^>]*>.*?</message>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression source(QStringLiteral("<source>(.*?)</source>"),
                                           QRegularExpression::DotMatchesEverythingOption);
    QString filled;
    qsizetype last = 0;
    for (auto it = message.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        QString block = m.captured();
        const QString stand = QString::fromUtf8("Ä") + source.match(block).captured(1);
        block.replace(QStringLiteral("<translation type=\"unfinished\"></translation>"),
                      QStringLiteral("<translation>") + stand + QStringLiteral("</translation>"));
        block.replace(QStringLiteral("<translation type=\"unfinished\">"), QStringLiteral("<translation>"));
        block.replace(QStringLiteral("<numerusform></numerusform>"),
                      QStringLiteral("<numerusform>") + stand + QStringLiteral("</numerusform>"));
        filled += text.mid(last, m.capturedStart() - last) + block;
        last = m.capturedEnd();
    }
    filled += text.mid(last);
    const QString full = folder + QStringLiteral("/rorovovo_de.ts"), qm = folder + QStringLiteral("/rorovovo_de.qm");
    writeFile(full, filled.toUtf8());
    if (QProcess::execute(QStringLiteral(LRELEASE), {QStringLiteral("-silent"), full, QStringLiteral("-qm"), qm}) != 0)
        fail(QStringLiteral("lrelease failed on %1").arg(full));
    QFile out(qm);
    if (!out.open(QIODevice::ReadOnly)) fail(QStringLiteral("cannot read %1").arg(qm));
    return out.readAll();
}

struct Sample {
    double ms;
    long peakKb;
};

// One program folder: the probe copied in, and the files it finds beside itself written afresh before every run,
// since the program may write its settings file while it runs.
struct Case {
    const char* label;
    QString probe;
    QString exeName;
    // File name and content; a null content means no such file.
    std::vector<std::pair<QString, QByteArray>> files;
    std::unique_ptr<QTemporaryDir> dir;
    std::vector<Sample> samples;

    void prepare() {
        dir = std::make_unique<QTemporaryDir>();
        if (!dir->isValid() || !QDir(dir->path()).mkdir(QStringLiteral("translations")))
            fail(QStringLiteral("cannot create a temporary folder"));
        const QString exe = dir->filePath(exeName);
        if (!QFile::copy(probe, exe)) fail(QStringLiteral("cannot copy %1 to %2").arg(probe, exe));
        QFile::setPermissions(exe, QFile::permissions(probe));
    }

    Sample runOnce(const QProcessEnvironment& env) {
        for (const auto& [name, content] : files) {
            QFile::remove(dir->filePath(name));
            if (!content.isNull()) writeFile(dir->filePath(name), content);
        }
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir->path());
        p.setProcessChannelMode(QProcess::SeparateChannels);
        const long long started = monotonicNs();
        p.start(dir->filePath(exeName), {});
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            fail(QStringLiteral("%1 did not finish within a minute (a dialog waiting?)").arg(QLatin1String(label)));
        }
        const QByteArray out = p.readAllStandardOutput();
        long long shown = 0;
        long peak = 0;
        for (const QByteArray& line : out.split('\n')) {
            if (!line.startsWith("shown_ns=")) continue;
            for (const QByteArray& field : line.split(' ')) {
                if (field.startsWith("shown_ns=")) shown = field.mid(9).toLongLong();
                if (field.startsWith("peak_rss_kb=")) peak = field.mid(12).toLong();
            }
        }
        if (shown <= started || peak <= 0)
            fail(QStringLiteral("%1 gave no report (exit code %2): %3")
                     .arg(QLatin1String(label))
                     .arg(p.exitCode())
                     .arg(QString::fromLocal8Bit(p.readAllStandardError() + out).trimmed()));
        return {(shown - started) / 1e6, peak};
    }
};

struct Summary {
    double medianMs, minMs, maxMs, medianPeakMb;
};

Summary summarize(const Case& c) {
    std::vector<double> ms;
    std::vector<double> kb;
    for (const Sample& s : c.samples) {
        ms.push_back(s.ms);
        kb.push_back(static_cast<double>(s.peakKb));
    }
    return {median(ms), *std::min_element(ms.begin(), ms.end()), *std::max_element(ms.begin(), ms.end()),
            median(kb) / 1024.0};
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int runs = 10;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        QString value;
        if (args[i] == QLatin1String("--runs") && i + 1 < args.size())
            value = args[++i];
        else if (args[i].startsWith(QLatin1String("--runs=")))
            value = args[i].mid(7);
        else
            fail(QStringLiteral("unknown argument '%1'; usage: bench_startup [--runs N]").arg(args[i]));
        bool ok = false;
        runs = value.toInt(&ok);
        if (!ok || runs < 1) fail(QStringLiteral("'%1' is not a valid number of runs").arg(value));
    }

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    VirtualDisplay display;
    QString platform;
    if (display.start()) {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("DISPLAY"), display.display());
        platform = QStringLiteral("xcb on Xvfb %1").arg(display.display());
    } else {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        platform = QStringLiteral("offscreen (no Xvfb)");
    }

    QTemporaryDir work;
    const QString ini = QStringLiteral("Cyclomat.ini");
    const QString dat = QStringLiteral("Cyclomat.dat");
    // The program shows a message box and waits when Cyclomat.dat is missing; an empty one holds no celebrities.
    Case cases[] = {
        {"bare Qt window", QStringLiteral(BARE_WINDOW_PROBE), QStringLiteral("bare_window_probe"), {}, {}, {}},
        {"bare window with text", QStringLiteral(BARE_WINDOW_PROBE), QStringLiteral("bare_window_text"), {}, {}, {}},
        {"program, no profiles",
         QStringLiteral(STARTUP_PROBE),
         QStringLiteral("Rorovovo"),
         {{ini, QByteArray()}, {dat, QByteArray("")}},
         {},
         {}},
        {"program, 10k profiles",
         QStringLiteral(STARTUP_PROBE),
         QStringLiteral("Rorovovo"),
         {{ini, manyProfiles()}, {dat, manyCelebrities()}},
         {},
         {}},
        {"program in German",
         QStringLiteral(STARTUP_PROBE),
         QStringLiteral("Rorovovo"),
         {{ini, QByteArray("[Preferences]\nLanguage=de\n")},
          {dat, QByteArray("")},
          {QStringLiteral("translations/rorovovo_de.qm"), wholeGermanTranslation(work.path())}},
         {},
         {}},
    };
    for (Case& c : cases) c.prepare();

    std::printf("Start-up to first paint, %d runs per case, %s\n", runs, qPrintable(platform));
    std::fflush(stdout);
    for (Case& c : cases) c.runOnce(env);
    for (int r = 0; r < runs; ++r)
        for (Case& c : cases) c.samples.push_back(c.runOnce(env));

    Summary s[5];
    std::printf("%-24s %10s %10s %10s %14s\n", "case", "median ms", "min ms", "max ms", "median peak MB");
    for (int i = 0; i < 5; ++i) {
        s[i] = summarize(cases[i]);
        std::printf("%-24s %10.1f %10.1f %10.1f %14.1f\n", cases[i].label, s[i].medianMs, s[i].minMs, s[i].maxMs,
                    s[i].medianPeakMb);
    }
    // The figures the start-up is judged by, each against its reference from this same run.
    struct Row {
        const char* figure;
        double measured;
        double target;
        const char* unit;
    } rows[] = {
        {"program, no profiles / bare Qt window: time to first paint", s[2].medianMs / s[0].medianMs, 1.5, "x"},
        {"program, no profiles / bare Qt window: peak memory", s[2].medianPeakMb / s[0].medianPeakMb, 1.3, "x"},
        {"program, 10k profiles + 10k celebrities / none: time", s[3].medianMs / s[2].medianMs, 1.5, "x"},
        {"the same: extra peak memory", s[3].medianPeakMb - s[2].medianPeakMb, 8.0, " MB"},
        {"program in German / in English: time to first paint", s[4].medianMs / s[2].medianMs, 1.05, "x"},
    };
    std::printf("\n%-62s %10s %10s  %s\n", "figure", "measured", "target", "met");
    for (const Row& row : rows) {
        const auto value = [&row](double v) { return QStringLiteral("%1%2").arg(v, 0, 'f', 2).arg(row.unit); };
        std::printf("%-62s %10s %10s  %s\n", row.figure, qPrintable(value(row.measured)),
                    qPrintable(QStringLiteral("<= ") + value(row.target)), row.measured <= row.target ? "yes" : "NO");
    }
    // No target: how much of the program's gap to the bare window any window with a menu bar and a label pays.
    std::printf("%-62s %10.2fx %10.2fx\n", "for scale, bare window with text / bare Qt window: time, memory",
                s[1].medianMs / s[0].medianMs, s[1].medianPeakMb / s[0].medianPeakMb);
    std::printf("(opening the Personal or Celebrity menu with 10k entries: see bench_profiles)\n");
    return 0;
}
