// The settings store against Qt's QSettings in INI format on the same work with 10,000 profiles:
// loading them (open the file, read every entry), adding one, and shifting all entries down one key as a
// delete does. Both write through to disk at the end of each action. Prints the times and their ratios.
//
// Then the main window with 10,000 profiles and 10,000 celebrities: the time from asking for the Personal or the
// Celebrity submenu to the end of its first paint, each round on a window just started, whose menus have never
// been open (the window's start is not timed). The window runs offscreen unless QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <map>
#include <string>

#include "forms/Rorovovo1.h"
#include "forms/lazy_menu.h"
#include "platform/app_info.h"
#include "profiles/ini_store.h"

using rorovovo::profiles::IniStore;

#include "ratio_reporter.h"

namespace {

constexpr int kProfiles = 10000;

QString entryText(int k) {
    return QStringLiteral("Person number %1|%2.03.19%3")
        .arg(k)
        .arg(k % 28 + 1, 2, 10, QLatin1Char('0'))
        .arg(k % 100, 2, 10, QLatin1Char('0'));
}

void writeFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(path));
}

void writeProfilesFile(const QString& path, int count) {
    QByteArray text = "[Preferences]\nRhytms=111100\nWindowSize=1\n[Records]\nProfiles=" + QByteArray::number(count) +
                      "\nSelected=0\n";
    for (int k = 0; k < count; ++k) text += QByteArray::number(k) + '=' + entryText(k).toUtf8() + '\n';
    writeFile(path, text);
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

class FirstPaint : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }
    bool painted = false;
};

// The program reads its files beside its executable: here, beside this benchmark. They go again at the end.
void OpenMenu(benchmark::State& state, const char* menu) {
    using rorovovo::forms::TForm1;
    const QString folder = rorovovo::platform::executableFolder();
    writeProfilesFile(folder + QStringLiteral("Cyclomat.ini"), kProfiles);
    QByteArray celebrities;
    for (int k = 0; k < kProfiles; ++k)
        celebrities += QStringLiteral("Celebrity number %1|%2.05.18%3\r\n")
                           .arg(k)
                           .arg(k % 28 + 1, 2, 10, QLatin1Char('0'))
                           .arg(k % 100, 2, 10, QLatin1Char('0'))
                           .toUtf8();
    writeFile(folder + QStringLiteral("Cyclomat.dat"), celebrities);
    for (auto _ : state) {
        state.PauseTiming();
        auto* form = new TForm1;
        form->show();
        QApplication::processEvents();
        QMenu* submenu = form->findChild<QMenu*>(QLatin1String(menu));
        FirstPaint paint;
        submenu->installEventFilter(&paint);
        state.ResumeTiming();
        submenu->popup(form->mapToGlobal(QPoint(20, 20)));
        while (!paint.painted) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.PauseTiming();
        // The menu holds the stretch of entries it shows from, the list's first ones.
        const bool filled = submenu->actions().size() == std::min(kProfiles, rorovovo::forms::LazyMenu::kWindow) &&
                            submenu->actions().first()->text().endsWith(QStringLiteral(" number 0"));
        submenu->hide();
        submenu->removeEventFilter(&paint);
        delete form;  // without closing: closing writes the settings file, no part of this measure
        if (!filled) {
            state.SkipWithError("the menu does not hold the list's first entries");
            break;
        }
        state.ResumeTiming();
    }
    QFile::remove(folder + QStringLiteral("Cyclomat.ini"));
    QFile::remove(folder + QStringLiteral("Cyclomat.dat"));
}

void OpenMenu_Personal(benchmark::State& state) { OpenMenu(state, "MenuProfilePersonal"); }
void OpenMenu_Celebrity(benchmark::State& state) { OpenMenu(state, "MenuProfileCelebrity"); }

BENCHMARK(Load_IniStore)->Unit(benchmark::kMillisecond);
BENCHMARK(Load_QSettings)->Unit(benchmark::kMillisecond);
BENCHMARK(Add_IniStore)->Unit(benchmark::kMillisecond);
BENCHMARK(Add_QSettings)->Unit(benchmark::kMillisecond);
BENCHMARK(Shift_IniStore)->Unit(benchmark::kMillisecond);
BENCHMARK(Shift_QSettings)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenMenu_Personal)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(OpenMenu_Celebrity)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    // What a user waits for is the wall time to the menu's first paint (in the unit given above, ms).
    for (const char* name : {"OpenMenu_Personal", "OpenMenu_Celebrity"}) {
        const auto found = reporter.realTimes.find(name);
        if (found == reporter.realTimes.end()) continue;
        std::printf("%-40s %8.1f ms   target <= 100 ms  %s\n",
                    (std::string(name) + ", 10,000 entries: first paint").c_str(), found->second,
                    found->second <= 100 ? "met" : "NOT met");
    }
    return 0;
}
