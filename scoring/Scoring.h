#pragma once

#include "model/ComboState.h"

#include <cstdint>

inline constexpr double kRealModulus = 16777216.0;

// Score added to a hit that kills the enemy with 0, 1 or 2 HP to spare.
inline constexpr double kJkBonus = 50.0;

// Recomputes the results of rows 0..m_nLast and their Jk flags from row 0 on.
// Free rows inside that range keep what they held.
void ScoreCombo(ComboState& state);

// One row of ScoreCombo: the result of `entry` after `previous` (nullptr for
// row 0). `jk` receives the row's Jk flag. ScoreCombo is a loop over this.
HitResult ScoreRow(const ComboEntry& entry, const HitResult* previous, std::int32_t hp,
                   std::int32_t def, bool real, std::int32_t* jk);

// The pieces of ScoreRow. Damage, rate and bonus depend on the hit alone, so
// a caller that tries many orders of the same hits may compute them once.

// Damage a hit deals against `defence` (0 for entered damage 0, else at least 1).
double HitDamage(const ComboEntry& entry, std::int32_t defence);

// The hit's own rate: its Kov rate plus its links, or 1.0 with Calculate off.
double HitRate(const ComboEntry& entry);

// Bonus multiplier of a hit, truncated to thousandths (1.0, 1.5 ... 11.39).
double BonusMultiplier(const ComboEntry& entry);

// Cumulative rate after a hit of `rate`, from the one before it (1.0 at row 0).
double CumulativeRate(double previousTotalRate, double rate);

// Damage dealt so far and what it did to the enemy.
struct DamageStep {
    double total;         // the damage so far, before it is held in 16 bits
    std::int16_t total16; // as the result stores it
    bool killed;
    bool jk;
};

// Adds `damage` to `previousTotal16` (0 at row 0); `aliveBefore` is true at
// row 0 and when the row before did not kill.
DamageStep AddDamage(std::int32_t previousTotal16, bool aliveBefore, double damage,
                     std::int32_t hp);

// Score of one hit from the damage so far and the cumulative rate, reduced
// modulo 2^24 in Real mode.
double HitScore(double total, double totalRate, double bonus, bool calculate, bool jk, bool real);
