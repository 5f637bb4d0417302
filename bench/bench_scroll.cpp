// One scroll step of the chart against one draw of the chart, in a real main window.
//
// A step is what the user waits for: the scroll bar takes a new position, its change handler moves the chart strip
// and redraws the date marker, and the resulting paint is delivered (the pending events are processed once; a step
// that leaves no paint behind is reported as an error, so the paint cannot silently fall outside the timing). The
// draw is measured the same way: the draw command with a valid birth date, then its paint. Steps alternate between
// two positions a given distance apart: 1 pixel is one arrow click, 1000 pixels a long drag of the thumb.
//
// Prints both, their ratio and the step as a share of one 60 Hz frame, in wall time, which is what the frame
// budget is about, and in CPU time (all threads: the painting hands large images to worker threads), which the
// load of the shared machine disturbs less.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

#include "chart/strip_geometry.h"
#include "forms/Rorovovo1.h"
#include "forms/program.h"
#include "forms/widgets.h"
#include "platform/dialogs.h"

using namespace rorovovo::forms;

namespace {

constexpr double kFrameMs = 1000.0 / 60.0;

class PaintCounter : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    long paints = 0;
};

TForm1* form = nullptr;
PaintCounter* counter = nullptr;

// The window's controls, by the names the program gives them.
template <class T>
T* control(const char* name) {
    return form->findChild<T*>(QLatin1String(name));
}
QScrollBar* scrollBar() { return control<QScrollBar>("ScrollBar1"); }
void drawChart() { control<QToolButton>("ButtonDrawBio")->click(); }

// Delivers what the last action left to paint; false when it left nothing.
bool paintDelivered() {
    const long before = counter->paints;
    QApplication::processEvents();
    return counter->paints > before;
}

void setBirthDate() {
    control<QLineEdit>("Edit_day")->setText(QStringLiteral("07"));
    control<QLineEdit>("Edit_month")->setText(QStringLiteral("11"));
    control<QLineEdit>("Edit_year")->setText(QStringLiteral("1984"));
}

void BM_ScrollStep(benchmark::State& state) {
    const int from = rorovovo::chart::Strip.TodayX;
    const int to = std::min(from + int(state.range(0)), scrollBar()->maximum());
    bool forth = true;
    for (auto _ : state) {
        scrollBar()->setValue(forth ? to : from);
        forth = !forth;
        if (!paintDelivered()) {
            state.SkipWithError("the scroll step left nothing to paint");
            break;
        }
    }
    scrollBar()->setValue(from);
    QApplication::processEvents();
}
BENCHMARK(BM_ScrollStep)->Arg(1)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_DrawChart(benchmark::State& state) {
    setBirthDate();
    for (auto _ : state) {
        drawChart();
        if (!paintDelivered()) {
            state.SkipWithError("the draw left nothing to paint");
            break;
        }
    }
}
BENCHMARK(BM_DrawChart)->Unit(benchmark::kMicrosecond);

// Keeps each run's wall and CPU time per iteration (the medians when repeated) for the ratios printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            const std::string name = r.benchmark_name();
            if (r.run_type == Run::RT_Iteration && !medians.count(name))
                times[name] = {r.GetAdjustedRealTime(), r.GetAdjustedCPUTime()};
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median") {
                const std::string base = r.run_name.str();
                times[base] = {r.GetAdjustedRealTime(), r.GetAdjustedCPUTime()};
                medians[base] = true;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    struct Times {
        double wall, cpu;  // microseconds, the unit of every benchmark here
    };
    std::map<std::string, Times> times;
    std::map<std::string, bool> medians;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    // No celebrity file lies beside the benchmark; its message box is answered at once.
    rorovovo::platform::setDialogHandler(
        [](const rorovovo::platform::DialogCall&) { return rorovovo::platform::DialogButton::Ok; });
    form = createProgramWindows();
    form->show();
    QApplication::processEvents();
    // Scrolling moves a drawn chart, as it does for the user.
    setBirthDate();
    drawChart();
    QApplication::processEvents();
    counter = new PaintCounter(form);
    for (QWidget* w : {static_cast<QWidget*>(form), control<QWidget>("ImageBio"), control<QWidget>("Image_date"),
                       control<QWidget>("PanelBio")})
        w->installEventFilter(counter);

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto draw = reporter.times.find("BM_DrawChart");
    for (const char* name : {"BM_ScrollStep/1", "BM_ScrollStep/1000"}) {
        const auto step = reporter.times.find(name);
        if (step == reporter.times.end()) continue;
        const auto& t = step->second;
        std::printf("%s: wall %.0f us = %.1f%% of a 60 Hz frame, CPU %.0f us = %.1f%%", name, t.wall,
                    100.0 * t.wall / 1000.0 / kFrameMs, t.cpu, 100.0 * t.cpu / 1000.0 / kFrameMs);
        if (draw != reporter.times.end() && t.wall > 0 && t.cpu > 0)
            std::printf("; draw / step: wall %.1f, CPU %.1f", draw->second.wall / t.wall, draw->second.cpu / t.cpu);
        std::printf("\n");
    }
    benchmark::Shutdown();
    // Deleted without closing: closing writes the settings file beside the executable.
    delete form;
    return 0;
}
