// SPDX-License-Identifier: MIT
#include "scoring/OrderBound.h"

#include "scoring/Scoring.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

// Rate range. Each rate step R' = floor(R x rate x 1000) x 0.001 with
// rate >= 0 is monotone non-decreasing in R, and so is a unit (its rows one
// after the other). Every order of a subset X ends with some unit u after an
// order of X - u, whose rate lies in X - u's range; so the least and largest
// rate X can end in are the min and max over u of one unit's step from the
// ends of X - u's range. Filled in increasing order of the masks, which puts
// every X - u before X.
//
// Rest. The units of X fix the damage so far, the kill and so every later
// row's damage total and Jk: only the rate a later row starts from is open,
// and it lies in the range of the subset played before it. For a unit u
// played right after X from any rate in X's range, each row's unreduced
// score floor(M3 x floor(T x R)) (+ 50) is monotone in R, so it lies between
// its values at the two ends of the range. Theory scores are not reduced:
// the top end bounds it (so Theory mode computes no least rates). In Real mode a score is reduced
// modulo 2^24; when both ends lie in one band [j x 2^24, (j + 1) x 2^24) the reduction subtracts
// the same j x 2^24 across the range and the top end's reduced score bounds it, otherwise only 2^24
// - 1 does. The rate after u lies in the range of X + u, so
//     rest[X] = max over u outside X of (bound of u after X + rest[X + u]),
// with rest[all units] = 0, bounds what any order of the units outside X
// adds from any rate in X's range. Filled in decreasing order of the masks.
//
// Every bound is a whole number and rest[empty] is at least every other
// rest plus a score before it; with rest[empty] below 2^52 all the sums the
// search forms from them are exact, and a comparison against a whole total
// plus 0.5 never hits rounding.

namespace {

constexpr unsigned kControlEvery = 1024;
constexpr double kDamageLimit = 32768.0;
constexpr double kWholeLimit = 4503599627370496.0; // 2^52

// Most a unit's rows score when played from any rate between `low` and
// `high` (`low` unused in Theory mode), their damage being `damage`.
[[gnu::always_inline]] inline double UnitBound(const std::vector<UnitRow>& rows,
                                               const RowDamage* damage, double low, double high,
                                               bool real) {
    double bound = 0.0;
    for (std::size_t j = 0; j < rows.size(); ++j) {
        const UnitRow& row = rows[j];
        const RowDamage& d = damage[j];
        high = CumulativeRate(high, row.rate);
        const double top = HitScore(d.total, high, row.bonus, row.calculate, d.jk, false);
        if (real) {
            low = CumulativeRate(low, row.rate);
            if (top >= kRealModulus) {
                const double bottom = HitScore(d.total, low, row.bonus, row.calculate, d.jk, false);
                bound += std::floor(bottom / kRealModulus) == std::floor(top / kRealModulus)
                             ? HitScore(d.total, high, row.bonus, row.calculate, d.jk, true)
                             : kRealModulus - 1.0;
                continue;
            }
        }
        // Never reduced, or 0 <= bottom <= top < 2^24: one band, no reduction.
        bound += top;
    }
    return bound;
}

// Fills rateLow and rateHigh; false when cancelled. Theory scores are never
// reduced, so Theory mode needs only the top of each range.
KOV_FAST_FLOOR bool FillRates(const OrderModel& model, SubsetBounds& b,
                              const SearchControl* control) {
    const unsigned full = static_cast<unsigned>(b.total16.size() - 1);
    const std::size_t size = b.total16.size();
    const bool real = model.real;
    if (real) {
        b.rateLow.assign(size, 1.0);
    }
    b.rateHigh.assign(size, 1.0);
    for (unsigned s = 1; s <= full; ++s) {
        if (s % kControlEvery == 0 && CancelRequested(control)) {
            return false;
        }
        double low = std::numeric_limits<double>::infinity();
        double high = 0.0;
        for (unsigned left = s; left != 0; left &= left - 1) {
            const int u = std::countr_zero(left);
            const unsigned pred = s ^ (1u << u);
            const std::vector<UnitRow>& rows = model.units[static_cast<std::size_t>(u)];
            double hi = b.rateHigh[pred];
            for (const UnitRow& row : rows) {
                hi = CumulativeRate(hi, row.rate);
            }
            high = std::max(high, hi);
            if (real) {
                double lo = b.rateLow[pred];
                for (const UnitRow& row : rows) {
                    lo = CumulativeRate(lo, row.rate);
                }
                low = std::min(low, lo);
            }
        }
        b.rateHigh[s] = high;
        if (real) {
            b.rateLow[s] = low;
        }
    }
    return true;
}

// Fills rest; false when cancelled.
KOV_FAST_FLOOR bool FillRest(const OrderModel& model, SubsetBounds& b,
                             const SearchControl* control) {
    const unsigned full = static_cast<unsigned>(b.total16.size() - 1);
    const bool real = model.real;
    RowDamage damage[kComboRows];
    b.rest.assign(b.total16.size(), 0.0);
    for (unsigned s = full; s-- > 0;) {
        if (s % kControlEvery == 0 && CancelRequested(control)) {
            return false;
        }
        const double low = real ? b.rateLow[s] : 0.0;
        const double high = b.rateHigh[s];
        double best = 0.0;
        for (unsigned left = full & ~s; left != 0; left &= left - 1) {
            const int u = std::countr_zero(left);
            const std::vector<UnitRow>& rows = model.units[static_cast<std::size_t>(u)];
            std::int32_t total16 = b.total16[s];
            bool alive = b.alive[s] != 0;
            AddUnitDamage(rows, model.hp, total16, alive, damage);
            best = std::max(best, UnitBound(rows, damage, low, high, real) + b.rest[s | (1u << u)]);
        }
        b.rest[s] = best;
    }
    return true;
}

} // namespace

OrderModel MakeOrderModel(const ComboState& state, const std::vector<ComboUnit>& units) {
    OrderModel model;
    model.hp = state.m_nHp;
    model.real = state.m_bReal != 0;
    bool ordered = true;
    for (const ComboUnit& unit : units) {
        std::vector<UnitRow> rows;
        for (int j = 0; j < unit.rows; ++j) {
            const ComboEntry& e = state.m_table[static_cast<std::size_t>(unit.first + j)];
            const UnitRow row{HitDamage(e, state.m_nDef), HitRate(e), BonusMultiplier(e),
                              e.m_bCalculate != 0};
            ordered = ordered && std::isfinite(row.rate) && row.rate >= 0.0 &&
                      std::isfinite(row.bonus) && row.bonus >= 0.0;
            model.damage += row.damage;
            rows.push_back(row);
        }
        model.units.push_back(std::move(rows));
    }
    model.monotone = ordered && model.damage < kDamageLimit;
    return model;
}

SubsetBounds ComputeSubsetBounds(const OrderModel& model, const SearchControl* control) {
    SubsetBounds b;
    const int count = static_cast<int>(model.units.size());
    const unsigned full = (1u << count) - 1;
    const std::size_t size = std::size_t{full} + 1;
    b.total16.assign(size, 0);
    b.alive.assign(size, 1);
    RowDamage damage[kComboRows];
    for (unsigned s = 1; s <= full; ++s) {
        const unsigned pred = s & (s - 1);
        std::int32_t total16 = b.total16[pred];
        bool alive = b.alive[pred] != 0;
        AddUnitDamage(model.units[static_cast<std::size_t>(std::countr_zero(s))], model.hp, total16,
                      alive, damage);
        b.total16[s] = total16;
        b.alive[s] = alive ? 1 : 0;
    }
    if (!model.monotone) {
        return b;
    }

    if (!FillRates(model, b, control) || !FillRest(model, b, control)) {
        b.cancelled = true;
        return b;
    }
    b.usable = b.rest[0] < kWholeLimit;
    return b;
}
