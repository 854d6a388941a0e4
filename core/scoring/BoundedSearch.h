// SPDX-License-Identifier: MIT
#pragma once

#include "model/ComboState.h"
#include "scoring/ComboUnits.h"
#include "scoring/SearchControl.h"

#include <cstddef>
#include <limits>
#include <vector>

struct BoundedSearchOptions {
    const SearchControl* control = nullptr;
    // States kept per layer by the first quick search for a good order; 0
    // leaves the current order as the only one known before the rounds.
    int beamWidth = 128;
    // How far below the bound of the whole combo the first round aims; each
    // further round doubles it.
    double firstMargin = 2097152.0; // 2^21
};

struct BoundedSearchResult {
    bool cancelled = false;
    double total = -std::numeric_limits<double>::infinity(); // best total Kov
    std::vector<int> order;                                  // its unit order
    double knownTotal = total;    // the best total known before the rounds
    int rounds = 0;               // rounds of the exact search run
    std::size_t largestLayer = 0; // most states kept in one layer of a round
};

// The order of `units` with the highest total Kov in the combo's mode, by
// a layered search over subsets of units cut by a bound on what the units
// still to play can add. Ties go to the same order every time, and the
// current order is kept unless another scores strictly more.
BoundedSearchResult SearchBestOrderBounded(const ComboState& state,
                                           const std::vector<ComboUnit>& units,
                                           const BoundedSearchOptions& options = {});
