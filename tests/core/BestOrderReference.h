// SPDX-License-Identifier: MIT
#pragma once

// The order search Best Order ran before the bounded one, kept as a second
// exact answer for 15-unit combos, where brute force is out of reach: the
// subset search of OrderSearch.h, in Real mode first with the Theory pruning
// for a known total and then exactly, bounded by it.

#include "reference/OrderSearch.h"
#include "scoring/ComboUnits.h"
#include "scoring/Scoring.h"

#include <numeric>
#include <vector>

namespace reference {

struct Best {
    double total;
    std::vector<int> order;
};

inline Best BestOrder(const ComboState& state) {
    const std::vector<ComboUnit> units = SplitIntoUnits(state);
    ComboState current = state;
    ScoreCombo(current);
    Best known{current.m_nLast < 0 ? 0.0 : current.m_results[current.m_nLast].m_dTotalKov,
               std::vector<int>(units.size())};
    std::iota(known.order.begin(), known.order.end(), 0);
    if (units.size() < 2) {
        return known;
    }
    OrderSearchOptions options;
    if (state.m_bReal != 0) {
        OrderSearchOptions quick;
        quick.pruning = Pruning::AssumeMonotone;
        const OrderSearchResult first = SearchBestOrder(state, units, quick);
        if (first.total > known.total) {
            known = {first.total, first.order};
        }
        options.incumbent = known.total;
    }
    const OrderSearchResult exact = SearchBestOrder(state, units, options);
    if (exact.total > known.total) {
        known = {exact.total, exact.order};
    }
    return known;
}

} // namespace reference
