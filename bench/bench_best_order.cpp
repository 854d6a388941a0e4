// SPDX-License-Identifier: MIT
// Best Order on a fixed set of 100 random 15-unit combos, in each mode: the
// median and the slowest search of the set, and the states kept. With
// --peak-memory MODE (theory or real) it instead runs the set once, outside
// Google Benchmark, and prints the process's peak resident size.

#include "scoring/BestOrder.h"
#include "scoring/ComboUnits.h"
#include "scoring/OrderSearch.h"

#include "../tests/core/BestOrderCombos.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

constexpr int kSetSize = 100;
constexpr std::uint64_t kSetSeed = 20261207;

std::vector<ComboState> ComboSet(bool real) {
    combos::ComboMaker maker(kSetSeed);
    std::vector<ComboState> set;
    for (int i = 0; i < kSetSize; ++i) {
        set.push_back(maker.Combo(kComboRows, real));
    }
    return set;
}

double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void RunSet(benchmark::State& bench, bool real) {
    const std::vector<ComboState> set = ComboSet(real);
    std::vector<double> wall(set.size());
    std::vector<double> cpu(set.size());
    for (auto _ : bench) {
        for (std::size_t i = 0; i < set.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            const double cpuStart = ThreadSeconds();
            BestOrderResult result = FindBestOrder(set[i]);
            benchmark::DoNotOptimize(result);
            cpu[i] = ThreadSeconds() - cpuStart;
            wall[i] =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        }
    }
    // The thread's CPU time is what one core spends on a search; the wall
    // time also counts waiting for a core when the machine is busy.
    bench.counters["median_ms"] = 1e3 * Median(wall);
    bench.counters["worst_ms"] = 1e3 * *std::max_element(wall.begin(), wall.end());
    bench.counters["cpu_median_ms"] = 1e3 * Median(cpu);
    bench.counters["cpu_worst_ms"] = 1e3 * *std::max_element(cpu.begin(), cpu.end());
    bench.counters["cpu_over_200ms"] = static_cast<double>(
        std::count_if(cpu.begin(), cpu.end(), [](double t) { return t > 0.2; }));
    bench.counters["cpu_worst_index"] =
        static_cast<double>(std::max_element(cpu.begin(), cpu.end()) - cpu.begin());
    if (!real) {
        std::size_t states = 0;
        std::size_t front = 0;
        for (const ComboState& state : set) {
            const OrderSearchResult r = SearchBestOrder(state, SplitIntoUnits(state), {});
            states = std::max(states, r.states);
            front = std::max(front, r.largestFront);
        }
        bench.counters["max_states"] = static_cast<double>(states);
        bench.counters["max_front"] = static_cast<double>(front);
    }
}

void BM_BestOrderTheory(benchmark::State& bench) {
    RunSet(bench, false);
}
BENCHMARK(BM_BestOrderTheory)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

void BM_BestOrderReal(benchmark::State& bench) {
    RunSet(bench, true);
}
BENCHMARK(BM_BestOrderReal)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

int PeakMemory(bool real) {
    struct rusage before {};
    getrusage(RUSAGE_SELF, &before);
    for (const ComboState& state : ComboSet(real)) {
        BestOrderResult result = FindBestOrder(state);
        benchmark::DoNotOptimize(result);
    }
    struct rusage after {};
    getrusage(RUSAGE_SELF, &after);
    std::printf("peak resident: %ld KiB before the searches, %ld KiB after\n", before.ru_maxrss,
                after.ru_maxrss);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--peak-memory") == 0) {
        return PeakMemory(std::strcmp(argv[2], "real") == 0);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
