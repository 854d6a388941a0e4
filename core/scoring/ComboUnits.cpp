// SPDX-License-Identifier: MIT
#include "scoring/ComboUnits.h"

#include "scoring/Scoring.h"

#include <algorithm>

namespace {

bool SameHit(ComboEntry a, ComboEntry b) {
    a.m_nHitsLeft = b.m_nHitsLeft = 0;
    a.m_bJk = b.m_bJk = 0;
    return a == b;
}

// Rows in a complete group starting at `first`, or 1 when it is no group.
int GroupRows(const ComboState& state, int first, int last) {
    const ComboEntry& head = state.m_table[first];
    const int n = head.m_nHitsLeft;
    if (n < 2 || n - 1 > last - first) {
        return 1;
    }
    for (int j = 1; j < n; ++j) {
        const ComboEntry& row = state.m_table[first + j];
        if (row.m_nHitsLeft != n - j || !SameHit(row, head)) {
            return 1;
        }
    }
    return n;
}

} // namespace

std::vector<ComboUnit> SplitIntoUnits(const ComboState& state) {
    std::vector<ComboUnit> units;
    const int last = std::min(state.m_nLast, kLastRow);
    for (int row = 0; row <= last;) {
        const int rows = GroupRows(state, row, last);
        units.push_back({row, rows});
        row += rows;
    }
    return units;
}

ComboState ReorderUnits(const ComboState& state, const std::vector<ComboUnit>& units,
                        const std::vector<int>& order) {
    ComboState result = state;
    int row = 0;
    for (int u : order) {
        const ComboUnit& unit = units[static_cast<std::size_t>(u)];
        for (int j = 0; j < unit.rows; ++j) {
            result.m_table[static_cast<std::size_t>(row++)] =
                state.m_table[static_cast<std::size_t>(unit.first + j)];
        }
    }
    ScoreCombo(result);
    return result;
}
