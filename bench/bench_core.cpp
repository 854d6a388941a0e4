// SPDX-License-Identifier: MIT
#include "scoring/Scoring.h"
#include "text/RowLine.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// A full 15-row combo whose rows differ in damage, rates, bonuses, links and
// Calculate, so every branch of the engine is taken somewhere.
ComboState FullCombo() {
    static const double kKovRates[] = {0.5, 1.0, 1.5, 2.0, 2.8, 3.2, 4.0};
    ComboState state;
    state.m_nHp = 999;
    state.m_nDef = 20;
    for (int r = 0; r < kComboRows; ++r) {
        ComboEntry& e = state.m_entry;
        e = DefaultEntry();
        e.m_nType = 1 + r % 4;
        e.m_nDamage = (r * 97) % 1000;
        e.m_dKovRate = kKovRates[r % 7];
        e.m_dHitRate = 0.99 - 0.01 * (r % 15);
        e.m_bUnDefence = r % 5 == 0;
        e.m_bCalculate = r % 6 != 3;
        e.m_bAirier = r % 2;
        e.m_bCore = r % 3 == 0;
        e.m_bCounter = r % 4 == 1;
        e.m_bDouble = r % 5 == 2;
        e.m_bLongRange = r % 7 == 3;
        e.m_bRapidChain = r % 8 == 4;
        e.m_bLinkTrap = r % 3 == 1;
        e.m_nLinkCount = e.m_bLinkTrap ? 2 + r % 10 : 0;
        state.m_nLast = state.PlaceEntry(r, 1);
    }
    return state;
}

void BM_ScoreCombo(benchmark::State& bench) {
    ComboState state = FullCombo();
    for (auto _ : bench) {
        ScoreCombo(state);
        benchmark::DoNotOptimize(state.m_results);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ScoreCombo);

void BM_FormatRowLines(benchmark::State& bench) {
    ComboState state = FullCombo();
    ScoreCombo(state);
    std::vector<std::string> lines(kComboRows);
    for (auto _ : bench) {
        for (int r = 0; r <= state.m_nLast; ++r) {
            lines[r] = FormatRowLine(r, state.m_table[r], state.m_results[r]);
        }
        benchmark::DoNotOptimize(lines.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FormatRowLines);

} // namespace
