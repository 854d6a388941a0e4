// SPDX-License-Identifier: MIT
#pragma once

// The steps of scoring one row, inline because the order search runs them
// millions of times. Scoring.h declares what each one means.

#include <cmath>
#include <cstdint>

inline constexpr double kRealModulus = 16777216.0;

// Score added to a hit that kills the enemy with 0, 1 or 2 HP to spare.
inline constexpr double kJkBonus = 50.0;

// The game keeps damage in 16-bit signed registers. Truncate towards zero and
// wrap modulo 2^16 the way such a register would, without ever converting an
// out-of-range double to an integer (that would be undefined).
inline std::int16_t ToInt16(double value) {
    // Damage within the register's range, the usual case, truncates to the
    // same value without the division (the order search runs this a lot).
    if (value > -32769.0 && value < 32768.0) {
        return static_cast<std::int16_t>(value);
    }
    if (!std::isfinite(value)) {
        return 0;
    }
    const double wrapped = std::fmod(std::trunc(value), 65536.0); // exact, |wrapped| < 2^16
    return static_cast<std::int16_t>(static_cast<std::int64_t>(wrapped));
}

// floor(x * 1000.0) * 0.001: multiplying by the double nearest 0.001 instead of
// dividing by 1000 is what makes 1.5 x 1.2 come out as 1.799.
inline double Thousandths(double x) {
    return std::floor(x * 1000.0) * 0.001;
}

// Cumulative rate after a hit of `rate`, from the one before it (1.0 at row 0).
inline double CumulativeRate(double previousTotalRate, double rate) {
    return Thousandths(previousTotalRate * rate);
}

// Damage dealt so far and what it did to the enemy.
struct DamageStep {
    double total;         // the damage so far, before it is held in 16 bits
    std::int16_t total16; // as the result stores it
    bool killed;
    bool jk;
};

// Adds `damage` to `previousTotal16` (0 at row 0); `aliveBefore` is true at
// row 0 and when the row before did not kill.
inline DamageStep AddDamage(std::int32_t previousTotal16, bool aliveBefore, double damage,
                            std::int32_t hp) {
    const double total = previousTotal16 + damage;
    const std::int16_t total16 = ToInt16(total);
    const auto rem = static_cast<std::int16_t>(std::int64_t{hp} - total16);
    const bool killed = rem < 1;
    return {total, total16, killed, killed && rem >= -2 && aliveBefore};
}

// Score of one hit from the damage so far and the cumulative rate, reduced
// modulo 2^24 in Real mode.
inline double HitScore(double total, double totalRate, double bonus, bool calculate, bool jk,
                       bool real) {
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
        // score, without the loop; every step is exact (2^24 is a power of
        // two and the difference is a whole number below 2^24).
        kov = kov - std::floor(kov / kRealModulus) * kRealModulus;
    }
    return kov;
}
