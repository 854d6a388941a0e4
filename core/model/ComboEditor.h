// SPDX-License-Identifier: MIT
#pragma once

#include "model/ComboState.h"
#include "model/EntryCapture.h"

#include <optional>

// What each editing command does to the combo, free of any window. A refusal
// changes nothing; the window answers it with a beep. None of these scores the
// combo: the caller runs ScoreCombo afterwards, as results of changed rows are
// left stale or zero.

enum class EditResult { Done, Refused };

// Remove of line 0 empties the whole combo, as Clear does.
enum class RemoveResult { Refused, Truncated, Cleared };

enum class MoveDirection { Down, Up };

// Add: appends the working entry, as a group of capture.hitCount rows, after
// the last row; hits that do not fit in the table are dropped.
void AddEntry(ComboState& state, const EntryCapture& capture);

// Whether Modify has a row to rewrite: the selected row is one of the combo.
bool CanModify(const ComboState& state);

// Modify: rewrites the selected row with the working entry. A group of more
// than one hit replaces the rest of the combo from that row on.
EditResult ModifyEntry(ComboState& state, const EntryCapture& capture);

// Remove: `line` and every row after it leave the combo and the working entry
// is reset; line 0 clears everything. Refused for a line outside the combo.
RemoveResult RemoveLine(ComboState& state, int line);

// Clear: the empty combo in Theory mode, HP and defence 0.
void ClearCombo(ComboState& state);

// Exchanges `line` with its neighbour in the combo and leaves the moved row in
// the working entry. Returns the row it moved to; nothing when there is no
// line, or no row of the combo on that side.
std::optional<int> MoveLine(ComboState& state, int line, MoveDirection direction);

// The other scoring mode, with the enemy data read at the switch.
void SwitchMode(ComboState& state, std::int32_t hp, std::int32_t def);

// Removes only row `row`; the rows after it move up one.
EditResult DeleteLine(ComboState& state, int row);

// Inserts a copy of row `row` right below it; the rows after it move down one.
// Refused when the combo already fills the table.
EditResult DuplicateLine(ComboState& state, int row);
