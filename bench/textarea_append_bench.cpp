// The cost of appending one 8 KB report to a shown text area that already holds
// nothing, 1 MB or 10 MB: it must follow the appended text, not the text already there.
#include "framework/Application.h"
#include "framework/TextArea.h"
#include "framework/Window.h"
#include "framework/WindowRegistry.h"
#include "framework/detail/AreaWidget.h"
#include "framework/detail/WidgetHost.h"
#include "framework/testing/Interaction.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

constexpr std::size_t kAppended = 8 * 1024;

// Report-like lines of 80 characters, each ending with CR.
std::string ReportText(std::size_t bytes) {
    const std::string line = "Predictor" + std::string(40, ' ') + "+.180           -.045           +1.235\r";
    std::string text;
    text.reserve(bytes + line.size());
    while (text.size() < bytes) text += line;
    text.resize(bytes);
    return text;
}

void BM_AppendReport(benchmark::State& state) {
    auto owned = std::make_unique<fw::Window>("Bench.Window");
    fw::Window& window = *owned;
    fw::RegisterWindow(std::move(owned));
    auto& area = window.New<fw::TextArea>("results");
    area.SetProperties({.bounds = {50, 234, 600, 290}});
    window.Show();
    area.SetText(ReportText(static_cast<std::size_t>(state.range(0))));
    fw::testing::ProcessEvents();
    const std::string report = ReportText(kAppended);
    const int64_t held = area.Length();
    QWidget& text = *area.Host().As<fw::detail::AreaWidget>().viewport();  // where the text is drawn
    for (auto _ : state) {
        area.AppendText(report);
        QCoreApplication::processEvents();
        text.repaint();
        state.PauseTiming();
        fw::testing::CutTextBack(area, held);  // every append meets the same amount of text
        state.ResumeTiming();
    }
    state.counters["chars_held"] = static_cast<double>(held);
    fw::testing::ResetRuntime();
}

BENCHMARK(BM_AppendReport)
    ->Arg(0)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(200);

class Collector : public benchmark::ConsoleReporter {
public:
    Collector() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs) millis[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> millis;
};

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    fw::RuntimeInit(argc, argv);
    benchmark::Initialize(&argc, argv);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    auto at = [&](const char* arg) { return collector.millis["BM_AppendReport/" + std::string(arg) + "/iterations:200/real_time"]; };
    double empty = at("0"), oneMB = at("1048576"), tenMB = at("10485760");
    if (empty > 0)
        std::printf("ms per 8 KB append: empty %.3f, 1 MB %.3f, 10 MB %.3f; ratio 1MB/empty %.2f, 10MB/empty %.2f\n",
                    empty, oneMB, tenMB, oneMB / empty, tenMB / empty);
    benchmark::Shutdown();
    return 0;
}
