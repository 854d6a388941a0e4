// SPDX-License-Identifier: MIT
#include "model/ComboContent.h"

#include <gtest/gtest.h>

namespace {

ComboState TwoRows() {
    ComboState state;
    state.m_nHp = 300;
    state.m_nDef = 20;
    state.m_nLast = 1;
    state.m_table[0].m_nDamage = 10;
    state.m_table[1].m_nDamage = 20;
    return state;
}

TEST(ComboContent, WhatAFileKeepsCountsAndTheRestDoesNot) {
    const ComboState base = TwoRows();
    EXPECT_TRUE(SameComboContent(base, base));

    ComboState other = base;
    other.m_entry.m_nDamage = 99; // the working entry
    other.m_nSel = 1;
    other.m_results[0].m_dTotalKov = 1234.0;
    other.m_table[5].m_nDamage = 7; // a row outside the combo
    EXPECT_TRUE(SameComboContent(base, other));

    const auto differs = [&base](auto change) {
        ComboState changed = base;
        change(changed);
        return !SameComboContent(base, changed) && !SameComboContent(changed, base);
    };
    EXPECT_TRUE(differs([](ComboState& s) { s.m_nHp = 301; }));
    EXPECT_TRUE(differs([](ComboState& s) { s.m_nDef = 0; }));
    EXPECT_TRUE(differs([](ComboState& s) { s.m_bReal = 1; }));
    EXPECT_TRUE(differs([](ComboState& s) { s.m_nLast = 0; }));
    EXPECT_TRUE(differs([](ComboState& s) { s.m_table[1].m_bCore = 1; }));
    EXPECT_TRUE(differs([](ComboState& s) { std::swap(s.m_table[0], s.m_table[1]); }));
}

} // namespace
