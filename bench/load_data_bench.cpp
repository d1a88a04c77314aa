// Load Data with 99 predictors on the offscreen platform, its dialog answered at once,
// into a results area that holds nothing, 1 MB or 10 MB of earlier reports. The area
// is put back as the earlier runs left it before each run, outside the timing.
#include "analysis/FileTypes1.h"
#include "app/ControlWnd.h"
#include "bench/PredictorFile.h"
#include "bench/ResultCollector.h"
#include "bench/Verdict.h"
#include "framework/Application.h"
#include "framework/testing/Interaction.h"
#include "framework/testing/ScriptedDesktop.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr double kHighestMilliseconds = 15;
constexpr double kHighestRatio = 1.5;

void LoadData(class ControlWnd& w, fw::testing::ScriptedDesktop& desktop, const std::string& path) {
    w.pFld()->SetText(std::to_string(kBenchPredictors));
    w.RyFld()->SetText(".35");
    desktop.fileAnswers.push_back(path);
    fw::testing::MouseDown(*w.calcBtn());
    fw::testing::ProcessEvents();  // the area draws what was appended
}

// Real reports, one after the other, up to the size asked for.
std::string EarlierReports(class ControlWnd& w, fw::testing::ScriptedDesktop& desktop, const std::string& path,
                           std::size_t bytes) {
    LoadData(w, desktop, path);
    const std::string report = w.ResultsFld()->Text();
    std::string text;
    while (text.size() + report.size() <= bytes) text += report;
    return text;
}

void BM_LoadData(benchmark::State& state) {
    fw::testing::ScopedScriptedDesktop desktop;
    const std::string path = WritePredictorFile();
    auto& w = ControlWnd();
    w.Show();
    fw::testing::ProcessEvents();
    const std::string earlier = EarlierReports(w, *desktop, path, static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        // As the earlier runs left it: that text, the cursor at its end and the end in view.
        w.ResultsFld()->SetText(earlier);
        w.ResultsFld()->AppendText("");
        fw::testing::ProcessEvents();
        state.ResumeTiming();
        LoadData(w, *desktop, path);
    }
    if (!desktop->messages.empty()) state.SkipWithError(desktop->messages.front().c_str());
    state.counters["chars_held"] = static_cast<double>(earlier.size());
    std::remove(path.c_str());
    fw::testing::ResetRuntime();
}

BENCHMARK(BM_LoadData)
    ->Arg(0)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly()
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

bool Verdicts(const ResultCollector& results) {
    const auto* empty = results.FindMedian("BM_LoadData/0/");
    const auto* oneMB = results.FindMedian("BM_LoadData/1048576/");
    const auto* tenMB = results.FindMedian("BM_LoadData/10485760/");
    if (!empty || !oneMB || !tenMB) return false;
    const double base = empty->GetAdjustedRealTime();
    bool met = LimitVerdict("Load Data, 99 predictors, empty area", base, kHighestMilliseconds, "ms");
    met &= RatioVerdict("Load Data with 1 MB of earlier reports vs empty", oneMB->GetAdjustedRealTime(), base,
                        kHighestRatio, "ms");
    met &= RatioVerdict("Load Data with 10 MB of earlier reports vs empty", tenMB->GetAdjustedRealTime(), base,
                        kHighestRatio, "ms");
    return met;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    fw::RuntimeInit(argc, argv);
    FileTypes1::Initialize();
    benchmark::Initialize(&argc, argv);
    ResultCollector results;
    benchmark::RunSpecifiedBenchmarks(&results);
    benchmark::Shutdown();
    return Verdicts(results) ? 0 : 1;
}
