// SPDX-License-Identifier: MIT
#pragma once

// What the bounded order search knows about every subset of units before it
// looks at a single order: the damage the subset deals, the range its
// cumulative rate can end in, and how much the units outside it can still
// add. The steps are those of the scoring engine (HitSteps.h), so every
// figure here is what ScoreCombo would compute.

#include "model/ComboState.h"
#include "scoring/ComboUnits.h"
#include "scoring/HitSteps.h"
#include "scoring/SearchControl.h"

#include <cstdint>
#include <vector>

// floor() is most of the work in the searches' inner loops, and SSE4.1 does
// it in one instruction instead of a conversion there and back (the result
// is the same: floor is exact either way). Functions marked with this are
// built twice and the processor's own is picked at load time.
#if defined(__x86_64__) && defined(__has_attribute)
#if __has_attribute(target_clones)
#define KOV_FAST_FLOOR __attribute__((target_clones("sse4.1", "default")))
#endif
#endif
#ifndef KOV_FAST_FLOOR
#define KOV_FAST_FLOOR
#endif

// One row of a unit: the parts of its score that no order changes.
struct UnitRow {
    double damage;
    double rate;
    double bonus;
    bool calculate;
};

struct OrderModel {
    std::vector<std::vector<UnitRow>> units; // rows of each unit, in table order
    std::int32_t hp = 0;
    bool real = false;
    // Every step from the rate before a hit to its score is monotone
    // non-decreasing: rates and bonuses finite and not negative, and the
    // damage of all units below 32,768, so the 16-bit damage so far neither
    // wraps nor turns negative.
    bool monotone = false;
    double damage = 0.0; // of all units
};

OrderModel MakeOrderModel(const ComboState& state, const std::vector<ComboUnit>& units);

// Damage so far after one row of a unit, and whether that row is a Jk.
struct RowDamage {
    double total;
    bool jk;
};

// Adds the damage of a unit's rows to the running 16-bit total, writing one
// RowDamage per row into `out`.
inline void AddUnitDamage(const std::vector<UnitRow>& rows, std::int32_t hp, std::int32_t& total16,
                          bool& alive, RowDamage* out) {
    for (const UnitRow& row : rows) {
        const DamageStep step = AddDamage(total16, alive, row.damage, hp);
        *out++ = {step.total, step.jk};
        total16 = step.total16;
        alive = !step.killed;
    }
}

// Plays a unit's rows from the cumulative rate and total Kov before it.
inline void PlayUnit(const std::vector<UnitRow>& rows, const RowDamage* damage, bool real,
                     double& rate, double& score) {
    for (const UnitRow& row : rows) {
        rate = CumulativeRate(rate, row.rate);
        score = score + HitScore(damage->total, rate, row.bonus, row.calculate, damage->jk, real);
        ++damage;
    }
}

// Indexed by subset bit mask (bit u set when unit u has been played).
struct SubsetBounds {
    bool cancelled = false;
    // rest[] bounds every completion and all totals are whole numbers below
    // 2^52; when false only total16 and alive may be used.
    bool usable = false;
    std::vector<std::int32_t> total16; // damage so far, as the result holds it
    std::vector<std::uint8_t> alive;   // the enemy still lives
    std::vector<double> rateLow;       // least cumulative rate over all orders of the subset
                                       // (Real mode only: Theory needs only the top)
    std::vector<double> rateHigh;      // largest
    std::vector<double> rest;          // most the other units can add, in any order
};

// Checks the control's cancel flag now and then; progress is left to the caller.
SubsetBounds ComputeSubsetBounds(const OrderModel& model, const SearchControl* control);
