// SPDX-License-Identifier: MIT
#include "model/ComboState.h"

#include <gtest/gtest.h>

namespace {

// Rows 0..last with damage 10 + row and recognisable results 100 + row.
ComboState MakeCombo(int last) {
    ComboState state;
    for (int r = 0; r <= last; ++r) {
        state.m_entry.m_nDamage = 10 + r;
        state.PlaceEntry(r, 1);
        state.m_results[r].m_nDamage = 100 + r;
    }
    state.m_nLast = last;
    state.m_entry = DefaultEntry();
    return state;
}

TEST(ComboState, ResetGivesDefaults) {
    ComboState state = MakeCombo(5);
    state.m_nHp = state.m_nDef = state.m_bReal = state.m_nSel = 3;
    state.ResetCombo();
    EXPECT_EQ(state.m_nLast, -1);
    EXPECT_EQ(state.m_nSel, -1);
    EXPECT_EQ(state.m_bReal + state.m_nHp + state.m_nDef, 0);
    // used, type, damage, Kov rate, hit rate, UnDifence, hits left, Calculate, the rest 0
    const ComboEntry expected{0, kTrapCeil, 0, 1.0, 0.99, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(state.m_entry, expected);
    for (int r = 0; r < kComboRows; ++r) {
        EXPECT_EQ(state.m_table[r], expected) << r;
        EXPECT_EQ(state.m_results[r], HitResult{}) << r;
    }
}

TEST(ComboState, PlaceEntryWritesGroupsAndCutsAtTableEnd) {
    ComboState state = MakeCombo(2);
    state.m_entry.m_nDamage = 77;
    EXPECT_EQ(state.PlaceEntry(3, 1), 3);
    EXPECT_EQ(state.m_table[3].m_nHitsLeft, 1);
    EXPECT_EQ(state.m_table[3].m_nDamage, 77);
    EXPECT_EQ(state.m_nLast, 2) << "a single hit does not move the end";

    ComboState group = MakeCombo(9);
    EXPECT_EQ(group.PlaceEntry(3, 4), 6);
    EXPECT_EQ(group.m_nLast, 3);
    for (int r = 3; r <= 6; ++r) {
        EXPECT_EQ(group.m_table[r].m_bUsed, 1);
        EXPECT_EQ(group.m_table[r].m_nHitsLeft, 7 - r);
    }
    EXPECT_EQ(group.m_results[3].m_nDamage, 103) << "results up to the start stay";
    EXPECT_EQ(group.m_results[4], HitResult{});
    EXPECT_EQ(group.m_results[14], HitResult{});
    EXPECT_EQ(group.m_table[7].m_bUsed, 0) << "old rows past the group are freed";
    EXPECT_EQ(group.m_entry.m_nHitsLeft, 1) << "entry holds the last row written";

    ComboState tail = MakeCombo(11);
    EXPECT_EQ(tail.PlaceEntry(12, 5), 14);
    EXPECT_EQ(tail.m_table[12].m_nHitsLeft, 5);
    EXPECT_EQ(tail.m_table[14].m_nHitsLeft, 3);

    ComboState full = MakeCombo(14);
    const ComboTable before = full.m_table;
    EXPECT_EQ(full.PlaceEntry(15, 1), 14);
    EXPECT_EQ(full.m_table, before);

    // Modify of row 2 in rows 0..9: one hit keeps the end, three end the combo at 4.
    ComboState modify = MakeCombo(9);
    EXPECT_EQ(modify.PlaceEntry(2, 1), 2);
    EXPECT_EQ(modify.m_nLast, 9);
    EXPECT_EQ(modify.m_table[3].m_nDamage, 13);
    EXPECT_EQ(modify.PlaceEntry(2, 3), 4);
    EXPECT_EQ(modify.m_table[5].m_bUsed, 0);
}

TEST(ComboState, TruncateClearsEverythingAfterTheEnd) {
    ComboState state = MakeCombo(9);
    state.m_entry.m_nDamage = 42;
    state.TruncateFrom(5, true);
    EXPECT_EQ(state.m_nLast, 4);
    EXPECT_EQ(state.m_entry, DefaultEntry());
    for (int r = 5; r < kComboRows; ++r) {
        EXPECT_EQ(state.m_table[r], DefaultEntry()) << r;
        EXPECT_EQ(state.m_results[r], HitResult{}) << r;
    }
    EXPECT_EQ(state.m_results[4].m_nDamage, 104);
    EXPECT_EQ(state.m_table[4].m_nDamage, 14);

    ComboState keep = MakeCombo(14);
    keep.m_entry.m_nDamage = 42;
    const ComboTable table = keep.m_table;
    keep.TruncateFrom(15, false);
    EXPECT_EQ(keep.m_nLast, 14);
    EXPECT_EQ(keep.m_table, table);
    EXPECT_EQ(keep.m_entry.m_nDamage, 42);

    keep.TruncateFrom(-7, false);
    EXPECT_EQ(keep.m_nLast, -1);
}

TEST(ComboState, SwapExchangesWholeRowsOrRefuses) {
    ComboState state = MakeCombo(5);
    state.m_table[2].m_bJk = 1;
    state.m_table[2].m_nHitsLeft = 2;
    const ComboEntry moved = state.m_table[2];
    const ComboEntry other = state.m_table[3];
    const ResultTable results = state.m_results;
    state.m_nSel = 2;
    EXPECT_EQ(state.SwapWithNeighbour(2, true), 3);
    EXPECT_EQ(state.m_table[3], moved);
    EXPECT_EQ(state.m_table[2], other);
    EXPECT_EQ(state.m_entry, moved);
    EXPECT_EQ(state.m_results, results);
    EXPECT_EQ(state.m_nSel + state.m_nLast, 2 + 5);
    EXPECT_EQ(state.SwapWithNeighbour(3, false), 2);
    EXPECT_EQ(state.m_table[2], moved);

    ComboState full = MakeCombo(14);
    const ComboTable table = full.m_table;
    for (auto [row, down] : {std::pair{0, false}, {14, true}, {-1, true}, {15, false}}) {
        EXPECT_EQ(full.SwapWithNeighbour(row, down), kSwapAtTableEnd) << row;
    }
    EXPECT_EQ(full.m_table, table);
    EXPECT_EQ(full.m_entry, DefaultEntry());
}

// "Remove" at row 2 of six rows, then "Add" of one hit: the last row must not
// be able to swap with a leftover of the old combo.
TEST(ComboState, RemoveThenAddLeavesNoStaleRowBelowTheEnd) {
    ComboState state = MakeCombo(5);
    state.TruncateFrom(2, true);
    state.m_entry.m_nDamage = 99;
    state.m_nLast = state.PlaceEntry(state.m_nLast + 1, 1);
    ASSERT_EQ(state.m_nLast, 2);

    const ComboTable table = state.m_table;
    const ComboEntry entry = state.m_entry;
    EXPECT_EQ(state.SwapWithNeighbour(state.m_nLast, true), kSwapNeighbourFree);
    EXPECT_EQ(state.m_table, table);
    EXPECT_EQ(state.m_entry, entry);
}

} // namespace
