#pragma once

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

namespace orbisk::bench {

/// Prints the usual console table, then each benchmark's time as a ratio
/// against the baseline benchmark measured in the same run.
class BaselineReporter final : public benchmark::ConsoleReporter {
public:
    explicit BaselineReporter(std::string baseline) : m_baseline(std::move(baseline)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                m_times[run.benchmark_name()] = run.GetAdjustedRealTime();
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto base = m_times.find(m_baseline);
        if (base == m_times.end() || base->second <= 0) {
            std::printf("baseline %s did not run\n", m_baseline.c_str());
            return;
        }
        std::printf("\nratios against %s (%.1f us):\n", m_baseline.c_str(), base->second / 1000.0);
        for (const auto& [name, time] : m_times) {
            std::printf("  %-48s %8.2f x\n", name.c_str(), time / base->second);
        }
    }

private:
    std::string m_baseline;
    std::map<std::string, double> m_times;
};

} // namespace orbisk::bench
