#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <set>
#include <string>
#include <vector>

// Keeps each benchmark's CPU time per iteration (the median when repeated) so the ratios to a floor can be printed
// at the end. CPU time, because the machine is shared and wall time swings with the load.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            const std::string name = r.run_name.function_name;
            if (r.run_type == Run::RT_Iteration && !medians.count(name)) {
                times[name] = r.GetAdjustedCPUTime();
                realTimes[name] = r.GetAdjustedRealTime();
            }
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median") {
                times[name] = r.GetAdjustedCPUTime();
                realTimes[name] = r.GetAdjustedRealTime();
                medians.insert(name);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
    // Wall time, for what a user waits for (a window's first paint).
    std::map<std::string, double> realTimes;
    std::set<std::string> medians;
};
