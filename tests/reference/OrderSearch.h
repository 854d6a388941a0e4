// SPDX-License-Identifier: MIT
#pragma once

#include "model/ComboState.h"
#include "scoring/ComboUnits.h"
#include "scoring/SearchControl.h"

#include <cstddef>
#include <limits>
#include <vector>

// The earlier exact search, one layer of subsets after another with every
// distinct rate kept. FindBestOrder no longer runs it (see BoundedSearch.h);
// it stays as the independent reference the bounded search is tested and
// measured against.
//
// How its states are pruned: AssumeMonotone drops every state whose rate and
// score are both beaten by another one of the same units, which is only sound
// when no hit score wraps; tests use it to show that the exact pruning is
// needed.
enum class Pruning { Exact, AssumeMonotone };

struct OrderSearchOptions {
    Pruning pruning = Pruning::Exact;
    // Total Kov some order is known to reach: states that cannot beat it are
    // dropped, so the search may then find nothing (total stays -infinity).
    double incumbent = -std::numeric_limits<double>::infinity();
    const SearchControl* control = nullptr;
};

struct OrderSearchResult {
    bool cancelled = false;
    double total = -std::numeric_limits<double>::infinity(); // best total Kov found
    std::vector<int> order;                                  // its unit order
    std::size_t states = 0;                                  // states kept, all subsets
    std::size_t largestFront = 0;                            // most states kept for one subset
};

// The order of `units` that gives `state` the highest total Kov in its mode,
// by dynamic programming over the subsets of units already played. Ties go to
// the same order every time.
OrderSearchResult SearchBestOrder(const ComboState& state, const std::vector<ComboUnit>& units,
                                  const OrderSearchOptions& options);
