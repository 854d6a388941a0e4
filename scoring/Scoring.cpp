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

} // namespace

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

void ScoreCombo(ComboState& state) {
    // Never read past the table, whatever m_nLast holds.
    const int last = std::min(state.m_nLast, kLastRow);
    for (int i = 0; i <= last; ++i) {
        ComboEntry& entry = state.m_table[i];
        if (entry.m_bUsed == 0) {
            continue;
        }
        const HitResult* prev = i > 0 ? &state.m_results[i - 1] : nullptr;

        const double d = HitDamage(entry, state.m_nDef);
        const double total = prev ? prev->m_nTotalDamage + d : d;
        const std::int16_t total16 = ToInt16(total);
        const auto rem = static_cast<std::int16_t>(std::int64_t{state.m_nHp} - total16);

        const bool killed = rem < 1;
        const bool aliveBefore = prev == nullptr || prev->m_bKilled == 0;
        const bool jk = killed && rem >= -2 && aliveBefore;

        const double rate = HitRate(entry);
        const double prevRate = prev ? prev->m_dTotalRate : 1.0;
        const double totalRate = Thousandths(prevRate * rate);

        double kov = 0.0;
        if (entry.m_bCalculate != 0) {
            const double base = std::floor(total * totalRate);
            kov = std::floor(BonusMultiplier(entry) * base);
            if (jk) {
                kov = kov + 50.0;
            }
        }
        if (state.m_bReal != 0 && kov >= kRealModulus) {
            // Same value as subtracting 2^24 until below it, for any integral
            // score, without the loop.
            kov = std::fmod(kov, kRealModulus);
        }
        const double totalKov = prev ? prev->m_dTotalKov + kov : kov;

        HitResult& result = state.m_results[i];
        result.m_nDamage = ToInt16(d);
        result.m_nTotalDamage = total16;
        result.m_dRate = rate;
        result.m_dTotalRate = totalRate;
        result.m_dKov = kov;
        result.m_dTotalKov = totalKov;
        result.m_bKilled = killed ? 1 : 0;
        entry.m_bJk = jk ? 1 : 0;
    }
}
