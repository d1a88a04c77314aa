#pragma once
// Keeps every run the console reporter prints, so a benchmark's main can compare them.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

class ResultCollector : public benchmark::ConsoleReporter {
public:
    ResultCollector() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        results_.insert(results_.end(), runs.begin(), runs.end());
        ConsoleReporter::ReportRuns(runs);
    }
    // The run of the benchmark whose name starts with the prefix, or nullptr.
    const Run* Find(const std::string& prefix) const { return Find(prefix, ""); }
    // The median of that benchmark's repetitions, or nullptr.
    const Run* FindMedian(const std::string& prefix) const { return Find(prefix, "median"); }

private:
    const Run* Find(const std::string& prefix, const std::string& aggregate) const {
        for (const Run& run : results_)
            if (run.benchmark_name().rfind(prefix, 0) == 0 && run.aggregate_name == aggregate && !run.error_occurred)
                return &run;
        return nullptr;
    }
    std::vector<Run> results_;
};
