// SPDX-License-Identifier: MIT
#pragma once

#include "model/ComboState.h"

#include <vector>

// Rows that move together when the combo is reordered: a whole group placed
// with "hits left" N, or a single row.
struct ComboUnit {
    int first; // table row of the unit's first hit
    int rows;  // number of rows, 1 or more

    bool operator==(const ComboUnit&) const = default;
};

// Splits rows 0..m_nLast into units, in table order. A row with hits left
// N > 1 starts a unit of N rows when the N - 1 rows after it hold the same
// hit (every field equal but hits left and Jk) with hits left N - 1 down to
// 1; every other row is a unit of its own.
std::vector<ComboUnit> SplitIntoUnits(const ComboState& state);

// The rows of `state` rearranged so that its units come in `order` (indices
// into `units`), results recomputed. Everything but the table and the results
// is left as it was.
ComboState ReorderUnits(const ComboState& state, const std::vector<ComboUnit>& units,
                        const std::vector<int>& order);
