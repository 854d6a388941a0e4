#include "scoring/Scoring.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// The game keeps damage in 16-bit signed registers. Truncate towards zero and
// wrap modulo 2^16 the way such a register would, without ever converting an
// out-of-range double to an integer (that would be undefined).
std::int16_t ToInt16(double value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    const double wrapped = std::fmod(std::trunc(value), 65536.0); // exact, |wrapped| < 2^16
    return static_cast<std::int16_t>(static_cast<std::int64_t>(wrapped));
}

// floor(x * 1000.0) * 0.001: multiplying by the double nearest 0.001 instead of
// dividing by 1000 is what makes 1.5 x 1.2 come out as 1.799.
double Thousandths(double x) {
    return std::floor(x * 1000.0) * 0.001;
}

} // namespace

double HitDamage(const ComboEntry& entry, std::int32_t defence) {
    if (entry.m_nDamage == 0) {
        return 0.0;
    }
    double x;
    if (entry.m_bUnDefence != 0) {
        x = static_cast<double>(entry.m_nDamage);
    } else {
        const std::int64_t diff = std::int64_t{entry.m_nDamage} - std::int64_t{defence};
        x = static_cast<double>(diff) * entry.m_dHitRate;
    }
    const double d = std::floor(x);
    // Written so that a NaN also ends up as the minimum damage.
    return d >= 1.0 ? d : 1.0;
}

double HitRate(const ComboEntry& entry) {
    if (entry.m_bCalculate == 0) {
        return 1.0;
    }
    if (entry.m_bLinkTrap != 0) {
        return (entry.m_nLinkCount - 1.0) * 0.1 + entry.m_dKovRate;
    }
    return entry.m_dKovRate;
}

double BonusMultiplier(const ComboEntry& entry) {
    double m = 1.0;
    if (entry.m_bAirier != 0) {
        m = 1.5;
    }
    for (std::int32_t flag : {entry.m_bCore, entry.m_bCounter, entry.m_bDouble, entry.m_bLongRange,
                              entry.m_bRapidChain}) {
        if (flag != 0) {
            m = m * 1.5;
        }
    }
    return Thousandths(m);
}

double CumulativeRate(double previousTotalRate, double rate) {
    return Thousandths(previousTotalRate * rate);
}

DamageStep AddDamage(std::int32_t previousTotal16, bool aliveBefore, double damage,
                     std::int32_t hp) {
    const double total = previousTotal16 + damage;
    const std::int16_t total16 = ToInt16(total);
    const auto rem = static_cast<std::int16_t>(std::int64_t{hp} - total16);
    const bool killed = rem < 1;
    return {total, total16, killed, killed && rem >= -2 && aliveBefore};
}

double HitScore(double total, double totalRate, double bonus, bool calculate, bool jk, bool real) {
    double kov = 0.0;
    if (calculate) {
        const double base = std::floor(total * totalRate);
        kov = std::floor(bonus * base);
        if (jk) {
            kov = kov + kJkBonus;
        }
    }
    if (real && kov >= kRealModulus) {
        // Same value as subtracting 2^24 until below it, for any integral
        // score, without the loop.
        kov = std::fmod(kov, kRealModulus);
    }
    return kov;
}

HitResult ScoreRow(const ComboEntry& entry, const HitResult* previous, std::int32_t hp,
                   std::int32_t def, bool real, std::int32_t* jk) {
    const double d = HitDamage(entry, def);
    const DamageStep step = AddDamage(previous ? previous->m_nTotalDamage : 0,
                                      previous == nullptr || previous->m_bKilled == 0, d, hp);
    const double rate = HitRate(entry);
    const double totalRate = CumulativeRate(previous ? previous->m_dTotalRate : 1.0, rate);
    const double kov = HitScore(step.total, totalRate, BonusMultiplier(entry),
                                entry.m_bCalculate != 0, step.jk, real);

    HitResult result;
    result.m_nDamage = ToInt16(d);
    result.m_nTotalDamage = step.total16;
    result.m_dRate = rate;
    result.m_dTotalRate = totalRate;
    result.m_dKov = kov;
    result.m_dTotalKov = previous ? previous->m_dTotalKov + kov : kov;
    result.m_bKilled = step.killed ? 1 : 0;
    if (jk != nullptr) {
        *jk = step.jk ? 1 : 0;
    }
    return result;
}

void ScoreCombo(ComboState& state) {
    // Never read past the table, whatever m_nLast holds.
    const int last = std::min(state.m_nLast, kLastRow);
    for (int i = 0; i <= last; ++i) {
        ComboEntry& entry = state.m_table[i];
        if (entry.m_bUsed == 0) {
            continue;
        }
        const HitResult* prev = i > 0 ? &state.m_results[i - 1] : nullptr;
        state.m_results[i] =
            ScoreRow(entry, prev, state.m_nHp, state.m_nDef, state.m_bReal != 0, &entry.m_bJk);
    }
}
