// SPDX-License-Identifier: MIT
#pragma once

#include "model/ComboState.h"
#include "scoring/HitSteps.h"

#include <cstdint>

// Recomputes the results of rows 0..m_nLast and their Jk flags from row 0 on.
// Free rows inside that range keep what they held.
void ScoreCombo(ComboState& state);

// One row of ScoreCombo: the result of `entry` after `previous` (nullptr for
// row 0). `jk` receives the row's Jk flag. ScoreCombo is a loop over this.
HitResult ScoreRow(const ComboEntry& entry, const HitResult* previous, std::int32_t hp,
                   std::int32_t def, bool real, std::int32_t* jk);

// The pieces of ScoreRow (with CumulativeRate, AddDamage and HitScore of
// HitSteps.h). Damage, rate and bonus depend on the hit alone, so a caller
// that tries many orders of the same hits may compute them once.

// Damage a hit deals against `defence` (0 for entered damage 0, else at least 1).
double HitDamage(const ComboEntry& entry, std::int32_t defence);

// The hit's own rate: its Kov rate plus its links, or 1.0 with Calculate off.
double HitRate(const ComboEntry& entry);

// Bonus multiplier of a hit, truncated to thousandths (1.0, 1.5 ... 11.39).
double BonusMultiplier(const ComboEntry& entry);
