// The chart as a document against the chart the window draws: the whole 351-day document rendered to an image at
// twice its size (and encoded as PNG), against drawing the strip onto the window's picture at its own size. The
// ratios are printed after the figures.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <cstdio>
#include <map>
#include <string>

#include "chart/chart_document.h"
#include "chart/chart_drawing.h"
#include "chart/qimage_surface.h"
#include "rhythm/dates.h"
#include "rhythm/rhythms.h"

namespace {

using namespace rorovovo;

const double kNow = rhythm::encodeDate(2026, 12, 8) + 0.4;
const double kBirth = rhythm::encodeDate(1958, 3, 15);

chart::ChartDocument document() {
    return chart::makeChartDocument("Anna Smith", kBirth, kNow, kNow - 60, 351, {true, true, true, true, false, false});
}

// As the draw action does it: frame, then the four base rhythms, on the window's 3513 x 181 picture.
void BM_WindowStrip(benchmark::State& state) {
    chart::QImageSurface surface(3513, 181);
    const auto doc = document();
    for (auto _ : state) {
        surface.setPenStyle(PenStyle::Solid);
        chart::drawChartFrame(surface, 600, 3513, 181);
        for (const auto& c : doc.curves) {
            surface.setPenColor(c.colour);
            surface.setPenStyle(c.pen);
            chart::drawRhythmCurve(surface, c.period, c.offset, 181, 0, 3513);
        }
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}
BENCHMARK(BM_WindowStrip)->Unit(benchmark::kMillisecond);

void BM_DocumentImage2x(benchmark::State& state) {
    const auto doc = document();
    for (auto _ : state) benchmark::DoNotOptimize(chart::renderChartImage(doc).constBits());
}
BENCHMARK(BM_DocumentImage2x)->Unit(benchmark::kMillisecond);

// The whole "Save chart as..." path for a PNG: render, encode, write beside the name and rename.
void BM_DocumentPng2x(benchmark::State& state) {
    const auto doc = document();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.png"));
    for (auto _ : state) chart::saveChartDocument(doc, path);
}
BENCHMARK(BM_DocumentPng2x)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's time per iteration so the ratios can follow the table.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    std::map<std::string, double> perIteration;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            if (r.iterations > 0) perIteration[r.benchmark_name()] = r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double window = reporter.perIteration["BM_WindowStrip"];
    if (window > 0) {
        std::printf("document image at 2x / window strip: %.1f\n",
                    reporter.perIteration["BM_DocumentImage2x"] / window);
        std::printf("document PNG at 2x / window strip:   %.1f\n", reporter.perIteration["BM_DocumentPng2x"] / window);
    }
    benchmark::Shutdown();
    return 0;
}
