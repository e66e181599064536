#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <utility>

/// Console output as usual, and the median (or, without repetitions, the only) real time
/// of every run kept by function name and argument, for the ratios printed at the end.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    std::map<std::pair<std::string, std::string>, double> times;

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const bool wanted = run.run_type == Run::RT_Aggregate ? run.aggregate_name == "median"
                                                                  : run.repetitions <= 1;
            if (wanted && !run.error_occurred)
                times[{run.run_name.function_name, run.run_name.args}] = run.GetAdjustedRealTime();
        }
    }
};
