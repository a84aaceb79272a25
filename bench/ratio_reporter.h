#pragma once
// Prints the runs as usual, then each named benchmark's time as a share of its baseline's
// (below 1 is faster). A benchmark may be set against several baselines.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    using Pairs = std::vector<std::pair<std::string, std::string>>; // benchmark, baseline

    RatioReporter(std::string title, Pairs pairs)
        : m_title(std::move(title)), m_pairs(std::move(pairs)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                m_times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%s (below 1 is faster):\n", m_title.c_str());
        for (const auto& [name, baseline] : m_pairs)
            if (m_times.count(name) && m_times.count(baseline))
                std::printf("  %-32s / %-32s %7.3f\n", name.c_str(), baseline.c_str(),
                            m_times[name] / m_times[baseline]);
    }

private:
    std::string m_title;
    Pairs m_pairs;
    std::map<std::string, double> m_times;
};
