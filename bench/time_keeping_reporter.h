// Google Benchmark's console table, with each run's time kept so that a benchmark program can
// print its figures against their targets after the table.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace qev {

class TimeKeepingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            nanoseconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    // Real time per iteration of the named benchmark (in its default unit, nanoseconds); 0 when
    // it did not run.
    double At(const std::string& name) const {
        const auto it = nanoseconds_.find(name);
        return it == nanoseconds_.end() ? 0.0 : it->second;
    }

private:
    std::map<std::string, double> nanoseconds_;
};

} // namespace qev
