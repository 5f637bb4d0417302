// The planner against its floors and budgets, in one run:
// - the table of 1,000 members over 366 days (three rhythms) against a floor that works out one day count and three
//   sines per member and day and stores nothing;
// - the best and worst days of 1,000 members over 3,653 days against the table alone;
// - in the real window (offscreen unless QT_QPA_PLATFORM says otherwise): one scroll step of a roster showing at
//   least 50 members by 60 days, its paint delivered, as a share of a 60 Hz frame, and how often the table was
//   worked out meanwhile; opening a stored group of 1,000 members until the roster's paint is delivered; the memory
//   the open planner with 1,000 members over 366 days adds to the program.
// Table and rankings are CPU time; what a user waits for (the scroll, the opening) is wall time.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>

#include "forms/Planner.h"
#include "forms/Rorovovo1.h"
#include "forms/program.h"
#include "platform/dialogs.h"
#include "profiles/groups.h"
#include "profiles/ini_store.h"
#include "ratio_reporter.h"
#include "rhythm/dates.h"
#include "rhythm/daycount.h"

using namespace rorovovo;

namespace {

constexpr int kMembers = 1000;
constexpr double kFrameMs = 1000.0 / 60.0;
const double kFrom = rhythm::encodeDate(2026, 12, 8);
const rhythm::ShownRhythms kPEI{true, true, true, false, false, false};

std::vector<double> births() {
    std::vector<double> list;
    for (int i = 0; i < kMembers; ++i) list.push_back(rhythm::encodeDate(1940, 1, 1) + (i * 7919) % 29000);
    return list;
}

void BM_Table_1000x366(benchmark::State& state) {
    const auto b = births();
    for (auto _ : state) benchmark::DoNotOptimize(rhythm::planTable(b, kFrom, 366, kPEI).Score.data());
}
BENCHMARK(BM_Table_1000x366);

void BM_Floor_1000x366(benchmark::State& state) {
    const auto b = births();
    constexpr double kTwoPi = 6.283185307179586;
    for (auto _ : state) {
        double sum = 0;
        for (double birth : b)
            for (int d = 0; d < 366; ++d) {
                const double n = rhythm::daysLived(birth, kFrom + d);
                sum += std::sin(kTwoPi * n / 23) + std::sin(kTwoPi * n / 28) + std::sin(kTwoPi * n / 33);
            }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_Floor_1000x366);

void BM_BestDays_1000x3653(benchmark::State& state) {
    const auto b = births();
    for (auto _ : state) {
        const rhythm::PlanTable t = rhythm::planTable(b, kFrom, 3653, kPEI);
        benchmark::DoNotOptimize(rhythm::bestDays(t, 10).data());
        benchmark::DoNotOptimize(rhythm::worstDays(t, 10).data());
    }
}
BENCHMARK(BM_BestDays_1000x3653)->Unit(benchmark::kMillisecond);

void BM_Table_1000x3653(benchmark::State& state) {
    const auto b = births();
    for (auto _ : state) benchmark::DoNotOptimize(rhythm::planTable(b, kFrom, 3653, kPEI).Score.data());
}
BENCHMARK(BM_Table_1000x3653)->Unit(benchmark::kMillisecond);

class PaintCounter : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    long paints = 0;
};

forms::TForm1* form = nullptr;
forms::TFormPlanner* planner = nullptr;
PaintCounter* counter = nullptr;
int scrollBuilds = 0;

bool paintDelivered() {
    const long before = counter->paints;
    QApplication::processEvents();
    return counter->paints > before;
}

// One arrow step (a day), or a page step, which paints every cell of the view afresh.
void BM_ScrollStep(benchmark::State& state, bool page) {
    QScrollBar* days = planner->findChild<forms::RosterView*>(QStringLiteral("Roster"))->horizontalScrollBar();
    const int from = days->value(), to = from + (page ? days->pageStep() : days->singleStep());
    const int builds = planner->tableBuilds();
    bool forth = true;
    for (auto _ : state) {
        days->setValue(forth ? to : from);
        forth = !forth;
        if (!paintDelivered()) {
            state.SkipWithError("the scroll step left nothing to paint");
            break;
        }
    }
    scrollBuilds += planner->tableBuilds() - builds;
}
BENCHMARK_CAPTURE(BM_ScrollStep, day, false)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_ScrollStep, page, true)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_OpenGroup_1000(benchmark::State& state, int days) {
    planner->findChild<QSpinBox*>(QStringLiteral("SpinDays"))->setValue(days);
    auto* groups = planner->findChild<QComboBox*>(QStringLiteral("ComboGroups"));
    auto* openGroup = planner->findChild<QPushButton*>(QStringLiteral("ButtonOpenGroup"));
    for (auto _ : state) {
        groups->setCurrentText(QStringLiteral("Everyone"));
        openGroup->click();
        if (!paintDelivered() || int(planner->members().size()) != kMembers) {
            state.SkipWithError("the group did not open into a painted roster");
            break;
        }
    }
}
BENCHMARK_CAPTURE(BM_OpenGroup_1000, span30, 30)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_OpenGroup_1000, span366, 366)->Unit(benchmark::kMillisecond)->UseRealTime();

double residentMb() {
    malloc_trim(0);
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // A screen large enough for a roster of 50 members by 60 days.
    QTemporaryDir dir;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        QFile screen(dir.filePath(QStringLiteral("screen.json")));
        if (screen.open(QIODevice::WriteOnly))
            screen.write(R"({"screens": [{"name": "Bench", "x": 0, "y": 0, "width": 2560, "height": 2048,
                            "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.fileName().toLocal8Bit());
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    platform::setDialogHandler([](const platform::DialogCall&) { return platform::DialogButton::Ok; });
    form = forms::createProgramWindows();
    // The settings of this run live in a folder of their own, with one group of everyone.
    forms::IniFile = std::make_unique<profiles::IniStore>(dir.filePath(QStringLiteral("Cyclomat.ini")));
    QList<profiles::ProfileEntry> everyone;
    for (double b : births()) {
        const rhythm::Date d = rhythm::decodeDate(b);
        everyone.push_back({QStringLiteral("Member %1").arg(everyone.size()),
                            QString::asprintf("%02d.%02d.%04d", d.Day, d.Month, d.Year)});
    }
    profiles::GroupStore(*forms::IniFile).save(QStringLiteral("Everyone"), everyone);
    form->show();
    QApplication::processEvents();

    // The memory first, before the benchmarks leave their own garbage behind.
    const double closed = residentMb();
    form->findChild<QAction*>(QStringLiteral("MenuToolsPlanner"))->trigger();
    planner = form->findChild<forms::TFormPlanner*>(QStringLiteral("FormPlanner"));
    planner->findChild<QSpinBox*>(QStringLiteral("SpinDays"))->setValue(366);
    planner->addMembers(everyone);
    QApplication::processEvents();
    const double open = residentMb();

    // A roster at least 50 members high and 60 days wide.
    const chart::RosterMetrics& m = planner->findChild<forms::RosterView*>(QStringLiteral("Roster"))->metrics();
    const QSize wanted(m.nameWidth + 60 * m.cellWidth, m.headHeight + 51 * m.rowHeight);
    // The layout shares extra room among the window's parts, so the window grows until the roster has its share.
    for (int i = 0; i < 10; ++i) {
        const QSize short_ =
            (wanted - planner->findChild<forms::RosterView*>(QStringLiteral("Roster"))->viewport()->size())
                .expandedTo(QSize(0, 0));
        if (short_.isNull()) break;
        planner->resize(planner->size() + short_);
        QApplication::processEvents();
    }
    counter = new PaintCounter(planner);
    planner->findChild<forms::RosterView*>(QStringLiteral("Roster"))->viewport()->installEventFilter(counter);
    const QSize shown = planner->findChild<forms::RosterView*>(QStringLiteral("Roster"))->viewport()->size();

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const std::pair<const char*, const char*> pairs[] = {{"BM_Table_1000x366", "BM_Floor_1000x366"},
                                                         {"BM_BestDays_1000x3653", "BM_Table_1000x3653"}};
    for (const auto& [name, floor] : pairs) {
        const double t = reporter.times[name], f = reporter.times[floor];
        if (t > 0 && f > 0) std::printf("%s / %s (CPU time) = %.3f\n", name, floor, t / f);
    }
    std::printf("Roster in view: %d members x %d days\n", (shown.height() - m.headHeight - m.rowHeight) / m.rowHeight,
                (shown.width() - m.nameWidth) / m.cellWidth);
    for (const char* name : {"BM_ScrollStep/day", "BM_ScrollStep/page"}) {
        const double us = reporter.realTimes[name];
        std::printf("%s: wall %.0f us = %.1f%% of a 60 Hz frame\n", name, us, 100.0 * us / 1000.0 / kFrameMs);
    }
    std::printf("Table worked out %d times during the scroll steps\n", scrollBuilds);
    for (const char* name : {"BM_OpenGroup_1000/span30", "BM_OpenGroup_1000/span366"})
        std::printf("%s: %.1f ms (wall) to the painted roster\n", name, reporter.realTimes[name]);
    std::printf(
        "Memory: %.1f MB resident with the planner closed, %.1f MB with it open on %d members x 366 days: "
        "+%.1f MB\n",
        closed, open, kMembers, open - closed);
    benchmark::Shutdown();
    // Deleted without closing: closing writes the settings file.
    delete form;
    return 0;
}
