// Quendrel against a bare toolkit program, each in its own processes: the time from
// the spawn to the first window shown (the median of 20 starts), and the peak memory
// (ru_maxrss) of the bare program once shown and of Quendrel after 100 Load Data runs
// of 99 predictors; for reference also the bare program holding as much text. Both run
// on the platform the environment gives (scripts/bench uses a virtual X display).
#include "bench/ChildProcess.h"
#include "bench/ResultCollector.h"
#include "bench/Verdict.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int kStartUps = 20;
constexpr int kSessions = 3;
constexpr double kHighestStartUpRatio = 1.25;
constexpr double kLargestExtraMebibytes = 10;

bool Succeeded(const ChildRun& run) { return WIFEXITED(run.status) && WEXITSTATUS(run.status) == 0; }

void BM_StartUp(benchmark::State& state, const std::string& program) {
    for (auto _ : state) {
        const ChildRun run = RunChild({program});
        if (!Succeeded(run) || run.output.empty()) {
            state.SkipWithError("the program did not show a window");
            return;
        }
        state.SetIterationTime(static_cast<double>(std::stoll(run.output) - run.startNanoseconds) / 1e9);
    }
}

void BM_PeakMemory(benchmark::State& state, const std::vector<std::string>& arguments) {
    long peak = 0;
    for (auto _ : state) {
        const ChildRun run = RunChild(arguments);
        if (!Succeeded(run)) {
            state.SkipWithError("the program failed");
            return;
        }
        peak = std::max(peak, run.peakKibibytes);
    }
    state.counters["peak_MiB"] = static_cast<double>(peak) / 1024.0;
}

void Register() {
    // The first runs pay for the page cache.
    for (const char* program : {"bare_window", "quendrel_startup_probe"}) RunChild({Beside(program)});
    for (const auto& [name, program] : {std::pair{"StartUp/bare", "bare_window"},
                                        std::pair{"StartUp/quendrel", "quendrel_startup_probe"}}) {
        benchmark::RegisterBenchmark(name, BM_StartUp, Beside(program))
            ->UseManualTime()
            ->Iterations(1)
            ->Repetitions(kStartUps)
            ->ReportAggregatesOnly()
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("PeakMemory/bare", BM_PeakMemory, std::vector{Beside("bare_window")})
        ->Iterations(kSessions)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PeakMemory/bare_holding_100_reports", BM_PeakMemory,
                                 std::vector{Beside("bare_window"), std::string("100")})
        ->Iterations(kSessions)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PeakMemory/quendrel_100_runs", BM_PeakMemory,
                                 std::vector{Beside("quendrel_session_probe"), std::string("100")})
        ->Iterations(kSessions)
        ->Unit(benchmark::kMillisecond);
}

bool Verdicts(const ResultCollector& results) {
    const auto* bareStart = results.FindMedian("StartUp/bare");
    const auto* ownStart = results.FindMedian("StartUp/quendrel");
    const auto* bareMemory = results.Find("PeakMemory/bare/");
    const auto* bareHolding = results.Find("PeakMemory/bare_holding");
    const auto* ownMemory = results.Find("PeakMemory/quendrel");
    if (!bareStart || !ownStart || !bareMemory || !bareHolding || !ownMemory) return false;
    bool met = RatioVerdict("start-up to the first window shown, quendrel vs bare", ownStart->GetAdjustedRealTime(),
                            bareStart->GetAdjustedRealTime(), kHighestStartUpRatio, "ms");
    met &= DifferenceVerdict("peak memory, quendrel after 100 Load Data runs vs bare shown",
                             ownMemory->counters.at("peak_MiB"), bareMemory->counters.at("peak_MiB"),
                             kLargestExtraMebibytes, "MiB");
    // Not a target: what the toolkit's editor alone spends on the same amount of text.
    ReferenceLine("bare holding as much text as 100 reports vs bare shown", bareHolding->counters.at("peak_MiB"),
                  bareMemory->counters.at("peak_MiB"), "MiB");
    ReferenceLine("quendrel after 100 Load Data runs vs bare holding as much text", ownMemory->counters.at("peak_MiB"),
                  bareHolding->counters.at("peak_MiB"), "MiB");
    return met;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Register();
    ResultCollector results;
    benchmark::RunSpecifiedBenchmarks(&results);
    benchmark::Shutdown();
    return Verdicts(results) ? 0 : 1;
}
