// SPDX-License-Identifier: MIT
#pragma once

// The reference for the order search: every order of the units, each scored
// in full by ScoreCombo. Units are given by their row counts in table order,
// as the test built them, so the reference does not depend on the search's
// own splitting.

#include "model/ComboState.h"
#include "scoring/Scoring.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace brute {

// `state` with its units (of `unitRows` rows each, in table order) put in
// `order`, results recomputed.
inline ComboState Permuted(const ComboState& state, const std::vector<int>& unitRows,
                           const std::vector<int>& order) {
    std::vector<int> first(unitRows.size());
    std::exclusive_scan(unitRows.begin(), unitRows.end(), first.begin(), 0);
    ComboState out = state;
    int row = 0;
    for (int u : order) {
        for (int j = 0; j < unitRows[u]; ++j) {
            out.m_table[row++] = state.m_table[first[u] + j];
        }
    }
    ScoreCombo(out);
    return out;
}

inline double Total(const ComboState& state) {
    return state.m_nLast < 0 ? 0.0 : state.m_results[state.m_nLast].m_dTotalKov;
}

// Highest total Kov over every order of the units.
inline double BestTotal(const ComboState& state, const std::vector<int>& unitRows) {
    std::vector<int> order(unitRows.size());
    std::iota(order.begin(), order.end(), 0);
    double best = Total(Permuted(state, unitRows, order));
    while (std::next_permutation(order.begin(), order.end())) {
        best = std::max(best, Total(Permuted(state, unitRows, order)));
    }
    return best;
}

} // namespace brute
