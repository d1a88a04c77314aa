// Load Data with 99 predictors on the offscreen platform, its dialog answered at once,
// into a results area that holds nothing, 1 MB or 10 MB of earlier reports; and, to
// read it by, one append of the same report text to the same area, empty. Between runs,
// outside the timing, the run's text is cut away again: writing the earlier reports anew
// would leave the caches cold as no user's run finds them. Both sides draw the area
// once, as the events the change posted are processed; Load Data's side also draws the
// button pressed and released, as a click does.
#include "analysis/FileTypes1.h"
#include "app/ControlWnd.h"
#include "bench/PredictorFile.h"
#include "bench/ResultCollector.h"
#include "bench/Verdict.h"
#include "framework/Application.h"
#include "framework/testing/Interaction.h"
#include "framework/testing/ScriptedDesktop.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr double kHighestMilliseconds = 15;
constexpr double kHighestRatioToAppend = 1.5;
constexpr double kHighestRatioToEmpty = 1.2;

// The main window shown, its data file written, and both gone afterwards.
struct Session {
    Session() {
        w.Show();
        fw::testing::ProcessEvents();
    }
    ~Session() {
        std::remove(path.c_str());
        fw::testing::ResetRuntime();
    }

    void LoadData() {
        w.pFld()->SetText(std::to_string(kBenchPredictors));
        w.RyFld()->SetText(".35");
        desktop->fileAnswers.push_back(path);
        fw::testing::MouseDown(*w.calcBtn());
        fw::testing::ProcessEvents();  // the area draws what was appended
    }
    // The text of one report, from a run into the empty area.
    std::string OneReport() {
        Hold("");
        LoadData();
        return w.ResultsFld()->Text();
    }
    // Real reports, one after the other, up to the size asked for.
    std::string EarlierReports(std::size_t bytes) {
        const std::string report = OneReport();
        std::string text;
        while (text.size() + report.size() <= bytes) text += report;
        return text;
    }
    // As the earlier runs left it: that text, the cursor at its end and the end in view.
    void Hold(const std::string& earlier) {
        w.ResultsFld()->SetText(earlier);
        held = w.ResultsFld()->Length();
        PutBack();
    }
    // The same again after a run.
    void PutBack() {
        fw::testing::CutTextBack(*w.ResultsFld(), held);
        w.ResultsFld()->AppendText("");
        fw::testing::ProcessEvents();
    }

    fw::testing::ScopedScriptedDesktop desktop;
    const std::string path = WritePredictorFile();
    class ControlWnd& w = ControlWnd();
    int64_t held = 0;
};

void BM_LoadData(benchmark::State& state) {
    Session session;
    const std::string earlier = session.EarlierReports(static_cast<std::size_t>(state.range(0)));
    session.Hold(earlier);
    for (auto _ : state) {
        state.PauseTiming();
        session.PutBack();
        state.ResumeTiming();
        session.LoadData();
    }
    if (!session.desktop->messages.empty()) state.SkipWithError(session.desktop->messages.front().c_str());
    state.counters["chars_held"] = static_cast<double>(earlier.size());
}

void BM_AppendReportText(benchmark::State& state) {
    Session session;
    const std::string report = session.OneReport();
    session.Hold("");
    for (auto _ : state) {
        state.PauseTiming();
        session.PutBack();
        state.ResumeTiming();
        session.w.ResultsFld()->AppendText(report);
        fw::testing::ProcessEvents();
    }
    state.counters["chars_appended"] = static_cast<double>(report.size());
}

void Runs(benchmark::internal::Benchmark* b) {
    b->Iterations(20)->Repetitions(10)->ReportAggregatesOnly()->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_LoadData)->Arg(0)->Arg(1 << 20)->Arg(10 << 20)->Apply(Runs);
BENCHMARK(BM_AppendReportText)->Apply(Runs);

bool Verdicts(const ResultCollector& results) {
    const auto* empty = results.FindMedian("BM_LoadData/0/");
    const auto* oneMB = results.FindMedian("BM_LoadData/1048576/");
    const auto* tenMB = results.FindMedian("BM_LoadData/10485760/");
    const auto* append = results.FindMedian("BM_AppendReportText/");
    if (!empty || !oneMB || !tenMB || !append) return false;
    const double base = empty->GetAdjustedRealTime();
    bool met = LimitVerdict("Load Data, 99 predictors, empty area", base, kHighestMilliseconds, "ms");
    met &= RatioVerdict("Load Data, empty area, vs one append of its report text", base,
                        append->GetAdjustedRealTime(), kHighestRatioToAppend, "ms");
    met &= RatioVerdict("Load Data with 1 MB of earlier reports vs empty", oneMB->GetAdjustedRealTime(), base,
                        kHighestRatioToEmpty, "ms");
    met &= RatioVerdict("Load Data with 10 MB of earlier reports vs empty", tenMB->GetAdjustedRealTime(), base,
                        kHighestRatioToEmpty, "ms");
    return met;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    fw::RuntimeInit(argc, argv);
    FileTypes1::Initialize();
    // The repetitions of all four run in a random order, so a change in the machine's load
    // falls on each alike and the ratios compare like with like. A flag given on the
    // command line comes later and wins.
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    std::vector<char*> args(argv, argv + argc);
    args.insert(args.begin() + 1, interleave.data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    ResultCollector results;
    benchmark::RunSpecifiedBenchmarks(&results);
    benchmark::Shutdown();
    return Verdicts(results) ? 0 : 1;
}
