#pragma once
// Prints the runs as usual, then each named benchmark's time as a share of its baseline's
// (below 1 is faster). A benchmark may be set against several baselines. Given a frame's
// length, it also prints every benchmark's time as a share of one frame.
//
// Every time is the thread's CPU time, the median over the repetitions: a busy machine
// stretches wall time but hardly the CPU time of the thread that was running. Run through
// RatioReporter::Initialize, the benchmarks repeat five times in a random interleaving, so
// both sides of a ratio meet the same moments of the machine; flags given on the command
// line still win. With only aggregates shown, the reported medians are used.
// With CountRatios, the runs are held back to the end and each one of a benchmark set
// against a baseline carries its time as a share of the baseline's median as the counter
// "ratio" (to the first baseline).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    using Pairs = std::vector<std::pair<std::string, std::string>>; // benchmark, baseline

    RatioReporter(std::string title, Pairs pairs, double frameMs = 0)
        : m_title(std::move(title)), m_pairs(std::move(pairs)), m_frameMs(frameMs) {}

    // benchmark::Initialize with five interleaved repetitions unless the flags say otherwise.
    static void Initialize(int* argc, char** argv) {
        static std::vector<char*> args;
        static char repetitions[] = "--benchmark_repetitions=5";
        static char interleaving[] = "--benchmark_enable_random_interleaving=true";
        args.assign(argv, argv + *argc);
        args.insert(args.begin() + std::min(*argc, 1), {repetitions, interleaving});
        args.push_back(nullptr);
        int count = static_cast<int>(args.size()) - 1;
        benchmark::Initialize(&count, args.data());
        *argc = count;
        std::copy(args.begin(), args.begin() + count + 1, argv);
    }

    void CountRatios() { m_countRatios = true; }

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const std::string name = run.run_name.str();
            if (std::find(m_names.begin(), m_names.end(), name) == m_names.end())
                m_names.push_back(name);
            const double ms =
                run.GetAdjustedCPUTime() * 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (run.error_occurred)
                continue;
            if (run.run_type == Run::RT_Iteration)
                m_runs[name].push_back(ms);
            else if (run.aggregate_name == "median")
                m_medians[name] = ms;
        }
        if (m_countRatios)
            m_held.push_back(runs);
        else
            ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        for (std::vector<Run>& runs : m_held) {
            for (Run& run : runs)
                AddRatio(run);
            ConsoleReporter::ReportRuns(runs);
        }
        ConsoleReporter::Finalize();
        std::printf("\n%s (thread CPU time, median; below 1 is faster):\n", m_title.c_str());
        double time = 0, baseTime = 0;
        for (const auto& [name, baseline] : m_pairs)
            if (Median(name, time) && Median(baseline, baseTime))
                std::printf("  %-34s / %-34s %7.3f\n", name.c_str(), baseline.c_str(),
                            time / baseTime);
        if (m_frameMs <= 0)
            return;
        std::printf("\nThread CPU time as a share of a %.0f ms frame:\n", m_frameMs);
        for (const std::string& name : m_names)
            if (Median(name, time))
                std::printf("  %-34s %8.3f ms %7.2f %%\n", name.c_str(), time,
                            100.0 * time / m_frameMs);
    }

private:
    // Not to a spread: a share of the baseline's median means nothing there.
    void AddRatio(Run& run) const {
        const auto pair = std::find_if(m_pairs.begin(), m_pairs.end(), [&](const auto& named) {
            return named.first == run.run_name.str();
        });
        double baseTime = 0;
        if (run.error_occurred || pair == m_pairs.end() || !Median(pair->second, baseTime) ||
            baseTime <= 0 || run.aggregate_name == "stddev" || run.aggregate_name == "cv")
            return;
        const double ms =
            run.GetAdjustedCPUTime() * 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        run.counters["ratio"] = benchmark::Counter(ms / baseTime);
    }

    // In milliseconds; false when the benchmark did not run.
    bool Median(const std::string& name, double& ms) const {
        const auto runs = m_runs.find(name);
        if (runs != m_runs.end() && !runs->second.empty()) {
            std::vector<double> sorted = runs->second;
            std::sort(sorted.begin(), sorted.end());
            const size_t half = sorted.size() / 2;
            ms = sorted.size() % 2 ? sorted[half] : (sorted[half - 1] + sorted[half]) / 2;
            return true;
        }
        const auto median = m_medians.find(name);
        if (median == m_medians.end())
            return false;
        ms = median->second;
        return true;
    }

    std::string m_title;
    Pairs m_pairs;
    double m_frameMs;
    std::vector<std::string> m_names; // in the order first reported
    std::map<std::string, std::vector<double>> m_runs;
    std::map<std::string, double> m_medians;
    bool m_countRatios = false;
    std::vector<std::vector<Run>> m_held; // while counting ratios
};
