// SPDX-License-Identifier: MIT
// Best Order on fixed sets of 100 random 15-unit combos: Theory, Real, and
// Real combos of high Kov rates throughout. For each set: the median and the
// slowest search by CPU time, and the most heap one search held at once.
// BestOrder/* runs FindBestOrder; SideBySide/* runs it interleaved with the
// subset search it replaced (tests/core/BestOrderReference.h), combo by
// combo, and counts the combos where the two disagree on the best total.
//
//     bench_best_order --peak-memory theory|real|high
//         runs FindBestOrder on a set once, outside Google Benchmark, and
//         prints the process's peak resident size;
//     bench_best_order --write-combos DIR
//         writes the Real set (hit rates as the list holds them) as combo
//         files DIR/real-NN.kovcombo, for timing the command line.

#include "files/ComboFileWriter.h"
#include "scoring/BestOrder.h"
#include "scoring/BoundedSearch.h"
#include "scoring/ComboUnits.h"
#include "scoring/Scoring.h"

#include "../tests/core/BestOrderCombos.h"
#include "../tests/core/BestOrderReference.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <new>
#include <string>
#include <vector>

// Heap in use, counted by the allocator itself: the peak of one search is
// what it held at its most, beyond what was in use when it started.
namespace {
std::atomic<std::size_t> g_heapInUse{0};
std::atomic<std::size_t> g_heapPeak{0};

void* Allocate(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) {
        throw std::bad_alloc();
    }
    const std::size_t now = g_heapInUse += malloc_usable_size(p);
    std::size_t peak = g_heapPeak.load(std::memory_order_relaxed);
    while (now > peak && !g_heapPeak.compare_exchange_weak(peak, now)) {
    }
    return p;
}

void Release(void* p) {
    if (p != nullptr) {
        g_heapInUse -= malloc_usable_size(p);
        std::free(p);
    }
}
} // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* p) noexcept {
    Release(p);
}
void operator delete[](void* p) noexcept {
    Release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    Release(p);
}

namespace {

constexpr int kSetSize = 100;
constexpr std::uint64_t kSetSeed = 20261207;
constexpr std::uint64_t kHighRateSeed = 20261208;

enum class Set { Theory, Real, HighRate };

std::vector<ComboState> ComboSet(Set set) {
    combos::ComboMaker maker(set == Set::HighRate ? kHighRateSeed : kSetSeed);
    std::vector<ComboState> combos;
    for (int i = 0; i < kSetSize; ++i) {
        combos.push_back(set == Set::HighRate ? maker.HighRateCombo(kComboRows)
                                              : maker.Combo(kComboRows, set == Set::Real));
    }
    return combos;
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

// CPU time and peak heap of each search of a set.
struct Timings {
    std::vector<double> cpu;
    std::vector<double> heap;

    template <typename F> auto Measure(F&& search) {
        const std::size_t heapBefore = g_heapInUse.load();
        g_heapPeak = heapBefore;
        const double start = ThreadSeconds();
        auto result = search();
        cpu.push_back(ThreadSeconds() - start);
        heap.push_back(static_cast<double>(g_heapPeak.load() - heapBefore));
        return result;
    }

    void Report(benchmark::State& bench, const std::string& prefix) const {
        bench.counters[prefix + "cpu_median_ms"] = 1e3 * Median(cpu);
        bench.counters[prefix + "cpu_worst_ms"] = 1e3 * *std::max_element(cpu.begin(), cpu.end());
        bench.counters[prefix + "cpu_worst_index"] =
            static_cast<double>(std::max_element(cpu.begin(), cpu.end()) - cpu.begin());
        bench.counters[prefix + "cpu_over_200ms"] = static_cast<double>(
            std::count_if(cpu.begin(), cpu.end(), [](double t) { return t > 0.2; }));
        bench.counters[prefix + "heap_peak_MiB"] =
            *std::max_element(heap.begin(), heap.end()) / (1024.0 * 1024.0);
    }
};

void RunSet(benchmark::State& bench, Set set, bool sideBySide) {
    const std::vector<ComboState> combos = ComboSet(set);
    Timings found;
    Timings before;
    int differ = 0;
    for (auto _ : bench) {
        for (const ComboState& state : combos) {
            const BestOrderResult result = found.Measure([&] { return FindBestOrder(state); });
            benchmark::DoNotOptimize(result);
            if (sideBySide) {
                const reference::Best old =
                    before.Measure([&] { return reference::BestOrder(state); });
                differ += old.total != result.totalAfter ? 1 : 0;
            }
        }
    }
    found.Report(bench, "");
    // How the search got there: rounds, the largest layer, and how often
    // the order known before the rounds was already the best.
    int rounds = 0;
    int knownBest = 0;
    std::size_t layer = 0;
    for (const ComboState& state : combos) {
        const BoundedSearchResult r = SearchBestOrderBounded(state, SplitIntoUnits(state));
        rounds = std::max(rounds, r.rounds);
        knownBest += r.knownTotal == r.total ? 1 : 0;
        layer = std::max(layer, r.largestLayer);
    }
    bench.counters["max_rounds"] = rounds;
    bench.counters["known_was_best"] = knownBest;
    bench.counters["max_layer_states"] = static_cast<double>(layer);
    if (sideBySide) {
        before.Report(bench, "before_");
        bench.counters["differ"] = differ;
        if (differ != 0) {
            bench.SkipWithError("the two searches disagree on a best total");
        }
    }
}

void BestOrderTheory(benchmark::State& bench) {
    RunSet(bench, Set::Theory, false);
}
void BestOrderReal(benchmark::State& bench) {
    RunSet(bench, Set::Real, false);
}
void BestOrderHighRate(benchmark::State& bench) {
    RunSet(bench, Set::HighRate, false);
}
void SideBySideTheory(benchmark::State& bench) {
    RunSet(bench, Set::Theory, true);
}
void SideBySideReal(benchmark::State& bench) {
    RunSet(bench, Set::Real, true);
}
void SideBySideHighRate(benchmark::State& bench) {
    RunSet(bench, Set::HighRate, true);
}
BENCHMARK(BestOrderTheory)
    ->Name("BestOrder/Theory")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3);
BENCHMARK(BestOrderReal)
    ->Name("BestOrder/Real")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3);
BENCHMARK(BestOrderHighRate)
    ->Name("BestOrder/HighRate")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3);
BENCHMARK(SideBySideTheory)
    ->Name("SideBySide/Theory")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(SideBySideReal)->Name("SideBySide/Real")->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(SideBySideHighRate)
    ->Name("SideBySide/HighRate")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

int PeakMemory(Set set) {
    const std::vector<ComboState> combos = ComboSet(set);
    struct rusage before {};
    getrusage(RUSAGE_SELF, &before);
    for (const ComboState& state : combos) {
        BestOrderResult result = FindBestOrder(state);
        benchmark::DoNotOptimize(result);
    }
    struct rusage after {};
    getrusage(RUSAGE_SELF, &after);
    std::printf("peak resident: %ld KiB before the searches, %ld KiB after\n", before.ru_maxrss,
                after.ru_maxrss);
    return 0;
}

// The files hold hit rates as the list offers them: the generator's
// (990 - 10 i) x 0.001 is at times a rounding error away from the listed
// value, which the reader refuses. So the combos written are these
// neighbours of the benchmark's set, not the set itself.
int WriteCombos(const std::string& dir) {
    std::vector<ComboState> combos = ComboSet(Set::Real);
    for (std::size_t i = 0; i < combos.size(); ++i) {
        ComboState& state = combos[i];
        for (ComboEntry& e : state.m_table) {
            e.m_dHitRate = std::round(e.m_dHitRate * 100.0) / 100.0;
        }
        state.m_entry.m_dHitRate = std::round(state.m_entry.m_dHitRate * 100.0) / 100.0;
        ScoreCombo(state);
        const std::string path =
            dir + (i < 10 ? "/real-0" : "/real-") + std::to_string(i) + ".kovcombo";
        const WriteOutcome saved = SaveComboFile(path, state);
        if (!saved.ok) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), saved.error.c_str());
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--peak-memory") == 0) {
        const std::string mode = argv[2];
        return PeakMemory(mode == "real"   ? Set::Real
                          : mode == "high" ? Set::HighRate
                                           : Set::Theory);
    }
    if (argc == 3 && std::strcmp(argv[1], "--write-combos") == 0) {
        return WriteCombos(argv[2]);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
