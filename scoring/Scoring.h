#pragma once

#include "model/ComboState.h"

inline constexpr double kRealModulus = 16777216.0;

// Recomputes the results of rows 0..m_nLast and their Jk flags from row 0 on.
// Free rows inside that range keep what they held.
void ScoreCombo(ComboState& state);

// Bonus multiplier of a hit, truncated to thousandths (1.0, 1.5 ... 11.39).
double BonusMultiplier(const ComboEntry& entry);
