// SPDX-License-Identifier: MIT
#include "model/ComboEditor.h"

#include <algorithm>

namespace {

bool IsComboRow(const ComboState& state, int row) {
    return row >= 0 && row <= state.m_nLast;
}

// Takes the captured values into the model (a Core hit lands at rate 1.0, a
// hit without Link Trap has no link count) and places the working entry from
// `startRow` on. Returns the last row written.
int PlaceCapture(ComboState& state, const EntryCapture& capture, int startRow) {
    state.m_nHp = capture.hp;
    state.m_nDef = capture.def;
    ComboEntry& entry = state.m_entry;
    entry.m_dKovRate = capture.kovRate;
    entry.m_dHitRate = entry.m_bCore ? kCoreHitRate : capture.hitRate;
    entry.m_nLinkCount = entry.m_bLinkTrap ? capture.linkCount : 0;
    return state.PlaceEntry(startRow, capture.hitCount);
}

// Results from `row` on no longer belong to their rows.
void ClearResultsFrom(ComboState& state, int row) {
    for (int r = std::max(row, 0); r < kComboRows; ++r) {
        ClearResult(state.m_results[r]);
    }
}

} // namespace

void AddEntry(ComboState& state, const EntryCapture& capture) {
    state.m_nLast = PlaceCapture(state, capture, state.m_nLast + 1);
}

bool CanModify(const ComboState& state) {
    return IsComboRow(state, state.m_nSel);
}

EditResult ModifyEntry(ComboState& state, const EntryCapture& capture) {
    if (!CanModify(state)) {
        return EditResult::Refused;
    }
    // A single hit replaces its row only; a group ends the combo where it ends.
    const int last = PlaceCapture(state, capture, state.m_nSel);
    if (last > state.m_nSel) {
        state.m_nLast = last;
    }
    return EditResult::Done;
}

RemoveResult RemoveLine(ComboState& state, int line) {
    if (!IsComboRow(state, line)) {
        return RemoveResult::Refused;
    }
    if (line == 0) {
        ClearCombo(state);
        return RemoveResult::Cleared;
    }
    state.TruncateFrom(line, true);
    return RemoveResult::Truncated;
}

void ClearCombo(ComboState& state) {
    state.ResetCombo();
}

std::optional<int> MoveLine(ComboState& state, int line, MoveDirection direction) {
    const bool down = direction == MoveDirection::Down;
    const int neighbour = down ? line + 1 : line - 1;
    // Both rows must be rows of the combo: a row past its end is never pulled
    // in, whatever it holds.
    if (!IsComboRow(state, line) || !IsComboRow(state, neighbour)) {
        return std::nullopt;
    }
    const int moved = state.SwapWithNeighbour(line, down);
    if (moved < 0) {
        return std::nullopt;
    }
    return moved;
}

void SwitchMode(ComboState& state, std::int32_t hp, std::int32_t def) {
    state.m_bReal = state.m_bReal != 0 ? 0 : 1;
    state.m_nHp = hp;
    state.m_nDef = def;
}

EditResult DeleteLine(ComboState& state, int row) {
    if (!IsComboRow(state, row)) {
        return EditResult::Refused;
    }
    const auto table = state.m_table.begin();
    std::copy(table + row + 1, table + state.m_nLast + 1, table + row);
    state.TruncateFrom(state.m_nLast, false);
    ClearResultsFrom(state, row);
    return EditResult::Done;
}

EditResult DuplicateLine(ComboState& state, int row) {
    if (!IsComboRow(state, row) || state.m_nLast >= kLastRow) {
        return EditResult::Refused;
    }
    const auto table = state.m_table.begin();
    std::copy_backward(table + row, table + state.m_nLast + 1, table + state.m_nLast + 2);
    ++state.m_nLast;
    ClearResultsFrom(state, row + 1);
    return EditResult::Done;
}
