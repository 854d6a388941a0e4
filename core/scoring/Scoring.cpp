// SPDX-License-Identifier: MIT
#include "scoring/Scoring.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

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
