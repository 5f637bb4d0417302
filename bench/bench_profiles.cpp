// The settings store against Qt's QSettings in INI format on the same work with 10,000 profiles:
// loading them (open the file, read every entry), adding one, and shifting all entries down one key as a
// delete does. Both write through to disk at the end of each action. Prints the times and their ratios.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <map>
#include <string>

#include "profiles/ini_store.h"

using rorovovo::profiles::IniStore;

namespace {

constexpr int kProfiles = 10000;

QString entryText(int k) {
    return QStringLiteral("Person number %1|%2.03.19%3")
        .arg(k)
        .arg(k % 28 + 1, 2, 10, QLatin1Char('0'))
        .arg(k % 100, 2, 10, QLatin1Char('0'));
}

void writeProfilesFile(const QString& path, int count) {
    QByteArray text = "[Preferences]\nRhytms=111100\nWindowSize=1\n[Records]\nProfiles=" + QByteArray::number(count) +
                      "\nSelected=0\n";
    for (int k = 0; k < count; ++k) text += QByteArray::number(k) + '=' + entryText(k).toUtf8() + '\n';
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write %s", qPrintable(path));
    file.write(text);
}

QString recordKey(int k) { return QStringLiteral("Records/") + QString::number(k); }

// Each load opens a file of a new name: QSettings keeps recently parsed files in a cache, and a program
// start has no such cache.
template <typename Load>
void loadBenchmark(benchmark::State& state, Load load) {
    QTemporaryDir dir;
    const QString master = dir.filePath("master.ini");
    writeProfilesFile(master, kProfiles);
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString path = dir.filePath(QStringLiteral("Cyclomat%1.ini").arg(round++));
        QFile::copy(master, path);
        state.ResumeTiming();
        int length = 0;
        load(path, length);
        benchmark::DoNotOptimize(length);
        state.PauseTiming();
        QFile::remove(path);
        state.ResumeTiming();
    }
}

void Load_IniStore(benchmark::State& state) {
    loadBenchmark(state, [](const QString& path, int& length) {
        IniStore store(path);
        const int n = store.readInteger("Records", "Profiles", 0);
        for (int k = 0; k < n; ++k) length += store.readString("Records", QString::number(k), QString()).size();
    });
}

void Load_QSettings(benchmark::State& state) {
    loadBenchmark(state, [](const QString& path, int& length) {
        QSettings settings(path, QSettings::IniFormat);
        const int n = settings.value("Records/Profiles", 0).toInt();
        for (int k = 0; k < n; ++k) length += settings.value(recordKey(k), QString()).toString().size();
    });
}

void addStore(IniStore& store, int k) {
    IniStore::Batch batch(store);
    const int n = store.readInteger("Records", "Profiles", 0);
    store.writeInteger("Records", "Profiles", n + 1);
    store.writeInteger("Records", "Selected", n);
    store.writeString("Records", QString::number(n), entryText(k));
    batch.commit();
}

void addSettings(QSettings& settings, int k) {
    const int n = settings.value("Records/Profiles", 0).toInt();
    settings.setValue("Records/Profiles", n + 1);
    settings.setValue("Records/Selected", n);
    settings.setValue(recordKey(n), entryText(k));
    settings.sync();
    if (settings.status() != QSettings::NoError) qFatal("QSettings could not write");
}

// The file grows by one profile per round; a few hundred rounds on 10,000 change little.
void Add_IniStore(benchmark::State& state) {
    QTemporaryDir dir;
    writeProfilesFile(dir.filePath("Cyclomat.ini"), kProfiles);
    IniStore store(dir.filePath("Cyclomat.ini"));
    int k = kProfiles;
    for (auto _ : state) addStore(store, k++);
}

void Add_QSettings(benchmark::State& state) {
    QTemporaryDir dir;
    writeProfilesFile(dir.filePath("Cyclomat.ini"), kProfiles);
    QSettings settings(dir.filePath("Cyclomat.ini"), QSettings::IniFormat);
    int k = kProfiles;
    for (auto _ : state) addSettings(settings, k++);
}

// Deleting the first profile: every later entry moves one key down. A profile is added back, untimed, so
// every round starts from 10,000.
void Shift_IniStore(benchmark::State& state) {
    QTemporaryDir dir;
    writeProfilesFile(dir.filePath("Cyclomat.ini"), kProfiles);
    IniStore store(dir.filePath("Cyclomat.ini"));
    int k = kProfiles;
    for (auto _ : state) {
        IniStore::Batch batch(store);
        const int n = store.readInteger("Records", "Profiles", 0);
        for (int i = 1; i < n; ++i) {
            store.writeString("Records", QString::number(i - 1), store.readString("Records", QString::number(i), ""));
        }
        store.deleteKey("Records", QString::number(n - 1));
        store.writeInteger("Records", "Profiles", n - 1);
        batch.commit();
        state.PauseTiming();
        addStore(store, k++);
        state.ResumeTiming();
    }
}

void Shift_QSettings(benchmark::State& state) {
    QTemporaryDir dir;
    writeProfilesFile(dir.filePath("Cyclomat.ini"), kProfiles);
    QSettings settings(dir.filePath("Cyclomat.ini"), QSettings::IniFormat);
    int k = kProfiles;
    for (auto _ : state) {
        const int n = settings.value("Records/Profiles", 0).toInt();
        for (int i = 1; i < n; ++i) settings.setValue(recordKey(i - 1), settings.value(recordKey(i), QString()));
        settings.remove(recordKey(n - 1));
        settings.setValue("Records/Profiles", n - 1);
        settings.sync();
        if (settings.status() != QSettings::NoError) qFatal("QSettings could not write");
        state.PauseTiming();
        addSettings(settings, k++);
        state.ResumeTiming();
    }
}

BENCHMARK(Load_IniStore)->Unit(benchmark::kMillisecond);
BENCHMARK(Load_QSettings)->Unit(benchmark::kMillisecond);
BENCHMARK(Add_IniStore)->Unit(benchmark::kMillisecond);
BENCHMARK(Add_QSettings)->Unit(benchmark::kMillisecond);
BENCHMARK(Shift_IniStore)->Unit(benchmark::kMillisecond);
BENCHMARK(Shift_QSettings)->Unit(benchmark::kMillisecond);

// The console output, then one line per task with both times and how many times faster the store is.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration) milliseconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-6s %14s %14s %22s\n", "task", "IniStore ms", "QSettings ms", "QSettings / IniStore");
        for (const char* task : {"Load", "Add", "Shift"}) {
            const auto ours = milliseconds_.find(std::string(task) + "_IniStore");
            const auto theirs = milliseconds_.find(std::string(task) + "_QSettings");
            if (ours == milliseconds_.end() || theirs == milliseconds_.end()) continue;
            std::printf("%-6s %14.3f %14.3f %21.2fx\n", task, ours->second, theirs->second,
                        theirs->second / ours->second);
        }
    }

  private:
    std::map<std::string, double> milliseconds_;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
