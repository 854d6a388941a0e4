// SPDX-License-Identifier: MIT
#include "scoring/BestOrder.h"

#include "scoring/ComboUnits.h"
#include "scoring/OrderSearch.h"
#include "scoring/Scoring.h"

#include <algorithm>
#include <numeric>

namespace {

// Share of the progress shown for the first, quick search in Real mode.
constexpr double kQuickShare = 0.2;

double TotalKov(const ComboState& state) {
    return state.m_nLast >= 0 ? state.m_results[static_cast<std::size_t>(state.m_nLast)].m_dTotalKov
                              : 0.0;
}

bool HasFreeRow(const ComboState& state) {
    for (int row = 0; row <= state.m_nLast; ++row) {
        if (state.m_table[static_cast<std::size_t>(row)].m_bUsed == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

BestOrderResult FindBestOrder(const ComboState& state, const SearchControl* control) {
    BestOrderResult result;
    result.state = state;
    if (state.m_nLast > kLastRow || HasFreeRow(state)) {
        return result;
    }
    ScoreCombo(result.state);
    result.totalBefore = result.totalAfter = TotalKov(result.state);

    const std::vector<ComboUnit> units = SplitIntoUnits(state);
    result.units = static_cast<int>(units.size());
    result.order.resize(units.size());
    std::iota(result.order.begin(), result.order.end(), 0);
    if (units.size() < 2) {
        return result;
    }

    // The order to beat: the current one, and in Real mode also the best
    // order under the Theory pruning, a near-best order found fast that lets
    // the exact search drop most states.
    std::vector<int> known = result.order;
    double knownTotal = result.totalBefore;
    OrderSearchOptions options;
    options.control = control;
    if (state.m_bReal != 0) {
        OrderSearchOptions quick = options;
        quick.pruning = Pruning::AssumeMonotone;
        quick.progressTo = kQuickShare;
        const OrderSearchResult first = SearchBestOrder(state, units, quick);
        if (first.cancelled) {
            result.cancelled = true;
            return result;
        }
        // Its total counts the wrapped scores, so it is what that order
        // really reaches.
        if (first.total > knownTotal) {
            knownTotal = first.total;
            known = first.order;
        }
        options.incumbent = knownTotal;
        options.progressFrom = kQuickShare;
    }

    const OrderSearchResult best = SearchBestOrder(state, units, options);
    if (best.cancelled) {
        result.cancelled = true;
        return result;
    }
    if (best.total > knownTotal) {
        known = best.order;
        knownTotal = best.total;
    }
    if (knownTotal > result.totalBefore) {
        result.order = known;
        result.state = ReorderUnits(state, units, known);
        result.totalAfter = TotalKov(result.state);
        result.improved = true;
    }
    return result;
}
