// SPDX-License-Identifier: MIT
#pragma once

// Random combos as the window can produce them, for the order search's tests
// and benchmark. A plain 64-bit generator and explicit modulo keep the same
// combos on every platform for a given seed.

#include "model/ComboState.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

namespace combos {

inline constexpr const char* kKovRateTexts[] = {
    "0.5", "0.6", "0.7", "0.8", "0.9", "1.0", "1.1", "1.2", "1.3", "1.4", "1.5",
    "1.6", "1.7", "1.8", "1.9", "2.0", "2.1", "2.3", "2.5", "2.8", "3.2", "4.0"};
inline constexpr int kKovRateCount = 22;

class ComboMaker {
public:
    explicit ComboMaker(std::uint64_t seed) : m_rng(seed) {}

    int Below(int n) { return static_cast<int>(m_rng() % static_cast<std::uint64_t>(n)); }
    bool OneIn(int n) { return Below(n) == 0; }

    // A hit with every field drawn from what the entry fields accept.
    ComboEntry Hit() {
        ComboEntry e = DefaultEntry();
        e.m_nType = 1 + Below(4);
        e.m_nDamage = OneIn(12) ? 0 : Below(1000);
        e.m_dKovRate = std::atof(kKovRateTexts[Below(kKovRateCount)]);
        e.m_bCore = OneIn(4);
        e.m_dHitRate = e.m_bCore ? 1.0 : HitRateOf(Below(15));
        e.m_bUnDefence = OneIn(5);
        e.m_bCalculate = !OneIn(8);
        e.m_bAirier = OneIn(3);
        e.m_bCounter = OneIn(4);
        e.m_bDouble = OneIn(4);
        e.m_bLongRange = OneIn(4);
        e.m_bRapidChain = OneIn(4);
        e.m_bLinkTrap = OneIn(4);
        e.m_nLinkCount = e.m_bLinkTrap ? 2 + Below(10) : 0;
        e.m_bOption = OneIn(2);
        return e;
    }

    // 0.990, 0.980 ... 0.850 as the hit-rate list offers them.
    static double HitRateOf(int index) { return (990 - 10 * index) * 0.001; }

    // `units` single hits (or groups of up to 3 rows when `groups`), at most
    // 15 rows in all; HP and defence 0..999, mode as asked.
    // `unitRows`, when given, receives the rows of each unit as placed.
    ComboState Combo(int units, bool real, bool groups = false,
                     std::vector<int>* unitRows = nullptr) {
        ComboState state;
        state.m_nHp = Below(1000);
        state.m_nDef = Below(3) == 0 ? Below(1000) : Below(200);
        state.m_bReal = real ? 1 : 0;
        for (int u = 0; u < units && state.m_nLast < kLastRow; ++u) {
            state.m_entry = Hit();
            const int rows =
                std::min(groups && OneIn(3) ? 2 + Below(2) : 1, kLastRow - state.m_nLast);
            state.m_nLast = state.PlaceEntry(state.m_nLast + 1, rows);
            if (unitRows != nullptr) {
                unitRows->push_back(rows);
            }
        }
        return state;
    }

    // `units` single hits of Kov rate 2.3 to 4.0 and damage 300 to 999 with
    // Calculate on, in Real mode: late scores far past 2^24, many wrapping.
    ComboState HighRateCombo(int units) {
        static const double kHigh[] = {2.3, 2.5, 2.8, 3.2, 4.0};
        ComboState state;
        state.m_nHp = Below(1000);
        state.m_nDef = Below(200);
        state.m_bReal = 1;
        for (int u = 0; u < units && state.m_nLast < kLastRow; ++u) {
            ComboEntry e = Hit();
            e.m_nDamage = 300 + Below(700);
            e.m_dKovRate = kHigh[Below(5)];
            e.m_bCalculate = 1;
            state.m_entry = e;
            state.m_nLast = state.PlaceEntry(state.m_nLast + 1, 1);
        }
        return state;
    }

private:
    std::mt19937_64 m_rng;
};

} // namespace combos
