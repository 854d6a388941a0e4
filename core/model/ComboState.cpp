// SPDX-License-Identifier: MIT
#include "model/ComboState.h"

#include <algorithm>
#include <cstdint>
#include <utility>

void ComboState::ResetCombo() {
    m_nLast = -1;
    m_nSel = -1;
    m_bReal = 0;
    m_nHp = 0;
    m_nDef = 0;
    ClearEntry(m_entry);
    for (ComboEntry& row : m_table) {
        ClearEntry(row);
    }
    for (HitResult& result : m_results) {
        ClearResult(result);
    }
}

void ComboState::TruncateFrom(int row, bool clearEntry) {
    // The combo always ends somewhere in -1..14; a row past the table (15 and
    // up) ends it at row 14, a negative one empties it.
    const int first = std::clamp(row, 0, kComboRows);
    m_nLast = first - 1;
    if (clearEntry) {
        ClearEntry(m_entry);
    }
    // Every row after the new end is freed, not just the first one: a stale
    // row still marked as used right after the last row would otherwise be
    // pulled into the combo by a later "move down" of the last row.
    for (int i = first; i < kComboRows; ++i) {
        ClearEntry(m_table[i]);
        ClearResult(m_results[i]);
    }
}

int ComboState::SwapWithNeighbour(int row, bool down) {
    if (row < 0 || row > kLastRow) {
        return kSwapAtTableEnd;
    }
    if (down ? row == kLastRow : row == 0) {
        return kSwapAtTableEnd;
    }
    const int neighbour = down ? row + 1 : row - 1;
    if (m_table[neighbour].m_bUsed == 0) {
        return kSwapNeighbourFree;
    }
    std::swap(m_table[row], m_table[neighbour]);
    m_entry = m_table[neighbour];
    return neighbour;
}

int ComboState::PlaceEntry(int startRow, int count) {
    if (count < 1) {
        // Nothing is placed: report the row before the start, so a caller that
        // takes the result as its new last row keeps the combo as it was.
        return std::clamp(startRow, 0, kComboRows) - 1;
    }
    if (count > 1) {
        TruncateFrom(std::min(startRow, kComboRows) + 1, false);
    }
    m_entry.m_bUsed = 1;

    // Rows are computed in 64 bits so that no start/count pair can overflow;
    // negative rows are not table rows and are skipped (-1 if nothing lands).
    int result = -1;
    const std::int64_t start = startRow;
    for (std::int64_t i = std::max<std::int64_t>(0, -start); i < count; ++i) {
        const std::int64_t r = start + i;
        if (r > kLastRow) {
            result = kLastRow;
            break;
        }
        m_entry.m_nHitsLeft = static_cast<std::int32_t>(count - i);
        m_table[static_cast<std::size_t>(r)] = m_entry;
        result = static_cast<int>(r);
    }
    return result;
}
