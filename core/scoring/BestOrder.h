// SPDX-License-Identifier: MIT
#pragma once

#include "model/ComboState.h"
#include "scoring/SearchControl.h"

#include <vector>

struct BestOrderResult {
    int units = 0;            // units found; below 2 there is nothing to reorder
    bool improved = false;    // `state` scores more than the combo did
    bool cancelled = false;   // stopped through SearchControl; `state` is the input
    double totalBefore = 0.0; // T.Kov of the last row before, in the combo's mode
    double totalAfter = 0.0;  // and after (equal unless improved)
    std::vector<int> order;   // unit indices (SplitIntoUnits) in their new order
    ComboState state;         // the reordered combo, results recomputed
};

// Finds the order of the combo's units with the highest total Kov in its mode.
// A combo whose order already scores the most comes back unchanged; otherwise
// the same best order is chosen every time. Only the table rows 0..m_nLast and
// their results change: m_nLast, m_nSel, m_entry, HP, defence and mode stay.
// A combo with a free row before m_nLast is left as it is (units 0).
BestOrderResult FindBestOrder(const ComboState& state, const SearchControl* control = nullptr);
