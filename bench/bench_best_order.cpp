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

void RunSet(benchmark::State& bench, bool real) {
    const std::vector<ComboState> set = ComboSet(real);
    std::vector<double> seconds(set.size());
    for (auto _ : bench) {
        for (std::size_t i = 0; i < set.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            BestOrderResult result = FindBestOrder(set[i]);
            benchmark::DoNotOptimize(result);
            seconds[i] =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        }
    }
    std::vector<double> sorted = seconds;
    std::sort(sorted.begin(), sorted.end());
    const auto worst = std::max_element(seconds.begin(), seconds.end()) - seconds.begin();
    bench.counters["median_ms"] = 1e3 * (sorted[49] + sorted[50]) / 2;
    bench.counters["worst_ms"] = 1e3 * sorted.back();
    bench.counters["worst_index"] = static_cast<double>(worst);
    std::size_t states = 0;
    for (const ComboState& state : set) {
        OrderSearchOptions options;
        states = std::max(states, SearchBestOrder(state, SplitIntoUnits(state), options).states);
    }
    bench.counters["max_states_unbounded"] = static_cast<double>(states);
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
