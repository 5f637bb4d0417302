// Cost of a full chart redraw on the design-size strip, against the least any redraw must do: clear the strip and
// draw its day grid.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdio>
#include <map>
#include <set>
#include <string>

#include "chart/chart_drawing.h"
#include "chart/colors.h"
#include "chart/qimage_surface.h"
#include "rhythm/rhythms.h"

using namespace rorovovo::chart;
using rorovovo::PenStyle;

#include "ratio_reporter.h"

namespace {

constexpr int kWidth = 3513;
constexpr int kHeight = 181;
constexpr int kTodayX = 600;

void drawChart(QImageSurface& s, int curves) {
    s.setPenStyle(PenStyle::Solid);
    drawChartFrame(s, kTodayX, kWidth, kHeight);
    for (int i = 0; i < curves; ++i) {
        const rorovovo::rhythm::Rhythm& r = rorovovo::rhythm::Rhythms[i];
        s.setPenColor(r.Colour);
        s.setPenStyle(r.Pen);
        drawRhythmCurve(s, r.Period, (24000 - kTodayX / 10) % r.Period, kHeight, 0, kWidth);
    }
}

void BM_Floor_FillAndGrid(benchmark::State& state) {
    QImageSurface s(kWidth, kHeight);
    for (auto _ : state) {
        s.setBrushColor(kWhite);
        s.fillRect(0, 0, kWidth, kHeight);
        s.setPenColor(kSilver);
        for (int x = 0; x <= kWidth; x += 10) {
            s.moveTo(x, 0);
            s.lineTo(x, kHeight);
        }
        benchmark::DoNotOptimize(s.image().constBits());
    }
}
BENCHMARK(BM_Floor_FillAndGrid);

void BM_FrameAndFourBaseCurves(benchmark::State& state) {
    QImageSurface s(kWidth, kHeight);
    for (auto _ : state) {
        drawChart(s, 4);
        benchmark::DoNotOptimize(s.image().constBits());
    }
}
BENCHMARK(BM_FrameAndFourBaseCurves);

void BM_FrameAndSixCurves(benchmark::State& state) {
    QImageSurface s(kWidth, kHeight);
    for (auto _ : state) {
        drawChart(s, 6);
        benchmark::DoNotOptimize(s.image().constBits());
    }
}
BENCHMARK(BM_FrameAndSixCurves);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double floor = reporter.times["BM_Floor_FillAndGrid"];
    if (floor > 0) {
        for (const char* name : {"BM_FrameAndFourBaseCurves", "BM_FrameAndSixCurves"}) {
            const auto it = reporter.times.find(name);
            if (it != reporter.times.end()) std::printf("%s / floor (CPU time) = %.2f\n", name, it->second / floor);
        }
    }
    benchmark::Shutdown();
    return 0;
}
