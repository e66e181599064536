#pragma once

#include <benchmark/benchmark.h>
#include <chrono>

/// Times the yardstick and the measured work back to back in every iteration, so that both meet
/// the same moment of the shared cores, which move single runs by a third and more. The
/// iteration time is the work's (register with UseManualTime()); the counters are the ratio of
/// the work's total time to the yardstick's, and the yardstick's time per iteration.
template<typename Yardstick, typename Work>
void runPaired(benchmark::State &state, Yardstick yardstick, Work work)
{
    using Clock = std::chrono::steady_clock;
    Clock::duration yardstickTime{};
    Clock::duration workTime{};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        benchmark::DoNotOptimize(yardstick());
        const Clock::time_point between = Clock::now();
        benchmark::DoNotOptimize(work());
        const Clock::time_point end = Clock::now();
        yardstickTime += between - start;
        workTime += end - between;
        state.SetIterationTime(std::chrono::duration<double>(end - between).count());
    }
    if (yardstickTime.count() > 0 && state.iterations() > 0) {
        state.counters["ratio"] = double(workTime.count()) / double(yardstickTime.count());
        state.counters["yardstick_us"] =
            std::chrono::duration<double, std::micro>(yardstickTime).count() /
            double(state.iterations());
    }
}
