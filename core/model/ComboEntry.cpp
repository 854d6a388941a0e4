// SPDX-License-Identifier: MIT
#include "model/ComboEntry.h"

void ClearEntry(ComboEntry& entry) {
    entry.m_bUsed = 0;
    entry.m_nType = kTrapCeil;
    entry.m_nDamage = 0;
    entry.m_dKovRate = 1.0;
    entry.m_dHitRate = 0.99;
    entry.m_bUnDefence = 0;
    entry.m_nHitsLeft = 1;
    entry.m_bCalculate = 1;
    entry.m_bAirier = 0;
    entry.m_bCore = 0;
    entry.m_bCounter = 0;
    entry.m_bDouble = 0;
    entry.m_bLinkTrap = 0;
    entry.m_bLongRange = 0;
    entry.m_bRapidChain = 0;
    entry.m_bJk = 0;
    entry.m_bOption = 0;
    entry.m_nLinkCount = 0;
}

void ClearResult(HitResult& result) {
    result.m_nDamage = 0;
    result.m_nTotalDamage = 0;
    result.m_dRate = 0.0;
    result.m_dTotalRate = 0.0;
    result.m_dKov = 0.0;
    result.m_dTotalKov = 0.0;
    result.m_bKilled = 0;
}

ComboEntry DefaultEntry() {
    ComboEntry entry;
    ClearEntry(entry);
    return entry;
}
