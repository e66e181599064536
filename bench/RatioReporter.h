#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <utility>

/// Console output as usual, and the median (or, without repetitions, the only) real time
/// of every run kept by function name and argument, for the ratios printed at the end; for
/// paired runs (Paired.h) the median ratio and yardstick time too.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    struct Paired
    {
        double workMicroseconds = 0;
        double yardstickMicroseconds = 0;
        double ratio = 0;
    };
    std::map<std::pair<std::string, std::string>, double> times;
    std::map<std::pair<std::string, std::string>, Paired> paired;

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const bool wanted = run.run_type == Run::RT_Aggregate ? run.aggregate_name == "median"
                                                                  : run.repetitions <= 1;
            if (!wanted || run.error_occurred)
                continue;
            const std::pair key{run.run_name.function_name, run.run_name.args};
            times[key] = run.GetAdjustedRealTime();
            const auto ratio = run.counters.find("ratio");
            const auto yardstick = run.counters.find("yardstick_us");
            if (ratio != run.counters.end() && yardstick != run.counters.end())
                paired[key] = {run.GetAdjustedRealTime(), yardstick->second.value,
                               ratio->second.value};
        }
    }
};
