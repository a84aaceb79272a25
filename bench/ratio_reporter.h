#pragma once
// Prints the runs as usual, then each named benchmark's time as a share of its baseline's
// (below 1 is faster). A benchmark may be set against several baselines. Given a frame's
// length, it also prints every benchmark's CPU time as a share of one frame.

#include <benchmark/benchmark.h>

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

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration) {
                m_times[run.benchmark_name()] = run.GetAdjustedRealTime();
                m_cpuMs.emplace_back(run.benchmark_name(),
                                     run.GetAdjustedCPUTime() * 1e3 /
                                         benchmark::GetTimeUnitMultiplier(run.time_unit));
            }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%s (below 1 is faster):\n", m_title.c_str());
        for (const auto& [name, baseline] : m_pairs)
            if (m_times.count(name) && m_times.count(baseline))
                std::printf("  %-32s / %-32s %7.3f\n", name.c_str(), baseline.c_str(),
                            m_times[name] / m_times[baseline]);
        if (m_frameMs <= 0)
            return;
        std::printf("\nCPU time as a share of a %.0f ms frame:\n", m_frameMs);
        for (const auto& [name, ms] : m_cpuMs)
            std::printf("  %-32s %8.3f ms %7.2f %%\n", name.c_str(), ms, 100.0 * ms / m_frameMs);
    }

private:
    std::string m_title;
    Pairs m_pairs;
    double m_frameMs;
    std::map<std::string, double> m_times;
    std::vector<std::pair<std::string, double>> m_cpuMs; // in the order run
};
