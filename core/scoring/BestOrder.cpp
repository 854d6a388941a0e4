// SPDX-License-Identifier: MIT
#include "scoring/BestOrder.h"

#include "scoring/BoundedSearch.h"
#include "scoring/ComboUnits.h"
#include "scoring/Scoring.h"

#include <algorithm>
#include <numeric>

namespace {

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

    BoundedSearchOptions options;
    options.control = control;
    const BoundedSearchResult best = SearchBestOrderBounded(state, units, options);
    if (best.cancelled) {
        result.cancelled = true;
        return result;
    }
    if (best.total > result.totalBefore) {
        result.order = best.order;
        result.state = ReorderUnits(state, units, best.order);
        result.totalAfter = TotalKov(result.state);
        result.improved = true;
    }
    return result;
}
