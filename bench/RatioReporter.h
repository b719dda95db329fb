#pragma once
// Console output of Google Benchmark followed by each benchmark's CPU time (system time
// included, so that reads count) as a multiple of a
// baseline benchmark measured in the same run.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
  public:
    // Pairs of (benchmark, its baseline), by function name. With `manualTime` the ratios are
    // of the times the benchmarks set themselves (for CPU time spent in child processes).
    explicit RatioReporter(std::vector<std::pair<std::string, std::string>> pairs,
                           bool manualTime = false)
        : pairs_(std::move(pairs)), manualTime_(manualTime) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions the median of the repetitions counts (aggregates come last).
        for (const Run& run : runs)
            if (!run.error_occurred &&
                (run.run_type == Run::RT_Iteration ||
                 (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")))
                times_[run.run_name.function_name] =
                    manualTime_ ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime();
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const auto& [name, baseline] : pairs_) {
            const auto time = times_.find(name);
            const auto base = times_.find(baseline);
            if (time == times_.end() || base == times_.end() || time->second <= 0.0)
                continue;
            const double ratio = time->second / base->second;
            std::printf("%-44s %10.3f x %s", name.c_str(), ratio, baseline.c_str());
            if (ratio < 1.0)
                std::printf(" (%.1f times faster)", 1.0 / ratio);
            std::printf("\n");
        }
    }

  private:
    std::vector<std::pair<std::string, std::string>> pairs_;
    std::map<std::string, double> times_;
    bool manualTime_ = false;
};

// main() for a benchmark file that reports ratios.
#define RATIO_BENCHMARK_MAIN(...)                                                                  \
    int main(int argc, char** argv) {                                                              \
        benchmark::Initialize(&argc, argv);                                                        \
        RatioReporter reporter(std::vector<std::pair<std::string, std::string>>{__VA_ARGS__});     \
        benchmark::RunSpecifiedBenchmarks(&reporter);                                              \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
