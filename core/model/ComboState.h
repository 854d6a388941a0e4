// SPDX-License-Identifier: MIT
#pragma once

#include "model/ComboEntry.h"

#include <array>

inline constexpr int kComboRows = 15;
inline constexpr int kLastRow = kComboRows - 1;

using ComboTable = std::array<ComboEntry, kComboRows>;
using ResultTable = std::array<HitResult, kComboRows>;

// SwapWithNeighbour refusals.
inline constexpr int kSwapAtTableEnd = -2;
inline constexpr int kSwapNeighbourFree = -3;

// The whole state of a calculation: enemy data, working entry, the combo of up
// to 15 rows (0..m_nLast without gaps), one result per row and the mode. The
// dialog owns one by value; nothing here touches a window.
class ComboState {
public:
    ComboState() { ResetCombo(); }

    // Empties the model: no rows, no selection, Theory mode, HP and defence 0.
    void ResetCombo();

    // Ends the combo before `row`; with clearEntry the working entry is reset too.
    void TruncateFrom(int row, bool clearEntry);

    // Exchanges `row` with its neighbour (down = towards higher indices). Returns
    // the neighbour's index, kSwapAtTableEnd, or kSwapNeighbourFree.
    int SwapWithNeighbour(int row, bool down);

    // Copies m_entry into `count` consecutive rows from `startRow`, cutting the
    // group at row 14. Returns the last row written (14 when cut).
    int PlaceEntry(int startRow, int count);

    int m_nSel;
    int m_nLast;
    std::int32_t m_nHp;
    std::int32_t m_nDef;
    ComboEntry m_entry;
    ComboTable m_table;
    ResultTable m_results;
    std::int32_t m_bReal;
};
