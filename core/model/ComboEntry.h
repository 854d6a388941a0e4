// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// Trap type of a hit, as the four type radio buttons set it.
using TrapType = std::int32_t;
enum : TrapType { kTrapCeil = 1, kTrapWall = 2, kTrapFloor = 3, kTrapExtra = 4 };

// One hit of a combo. Flags are 32-bit integers holding 0 or 1, as the check
// boxes report them; the record is copied whole, every field, wherever it goes.
struct ComboEntry {
    std::int32_t m_bUsed;
    TrapType m_nType;
    std::int32_t m_nDamage;
    double m_dKovRate;
    double m_dHitRate;
    std::int32_t m_bUnDefence;
    std::int32_t m_nHitsLeft;
    std::int32_t m_bCalculate;
    std::int32_t m_bAirier;
    std::int32_t m_bCore;
    std::int32_t m_bCounter;
    std::int32_t m_bDouble;
    std::int32_t m_bLinkTrap;
    std::int32_t m_bLongRange;
    std::int32_t m_bRapidChain;
    std::int32_t m_bJk;
    std::int32_t m_bOption;
    std::int32_t m_nLinkCount;

    bool operator==(const ComboEntry&) const = default;
};

// The computed values of one row.
struct HitResult {
    std::int32_t m_nDamage;
    std::int32_t m_nTotalDamage;
    double m_dRate;
    double m_dTotalRate;
    double m_dKov;
    double m_dTotalKov;
    std::int32_t m_bKilled;

    bool operator==(const HitResult&) const = default;
};

// The hit rate of every Core hit, whatever the list shows.
inline constexpr double kCoreHitRate = 1.0;

void ClearEntry(ComboEntry& entry);
void ClearResult(HitResult& result);

// The default entry, as ClearEntry leaves it.
ComboEntry DefaultEntry();
