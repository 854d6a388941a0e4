// SPDX-License-Identifier: MIT
#include "scoring/Scoring.h"
#include "support/TestEntries.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

ComboState Combo(int hp, int def, const std::vector<ComboEntry>& hits) {
    ComboState state;
    state.m_nHp = hp;
    state.m_nDef = def;
    for (const ComboEntry& hit : hits) {
        state.m_entry = hit;
        state.m_nLast = state.PlaceEntry(state.m_nLast + 1, 1);
    }
    ScoreCombo(state);
    return state;
}

// Cumulative rate after hits that only differ in their Kov rate.
double TotalRate(const std::vector<double>& kovRates) {
    std::vector<ComboEntry> hits;
    for (double rate : kovRates) {
        hits.push_back(Hit(1, rate));
    }
    return Combo(999, 0, hits).m_results[kovRates.size() - 1].m_dTotalRate;
}

TEST(Scoring, WorkedExampleEveryColumn) {
    ComboEntry r2 = Hit(120, 2.0, 0.95);
    r2.m_bAirier = r2.m_bCounter = 1;
    ComboEntry r3 = Hit(60, 1.0, 0.9);
    r3.m_bLinkTrap = 1;
    r3.m_nLinkCount = 3;
    ComboEntry r4 = Hit(0, 1.3);
    r4.m_bCalculate = 0;
    ComboEntry r5 = Hit(92, 1.1, 0.9);
    r5.m_bUnDefence = r5.m_bDouble = 1;
    const ComboState s = Combo(300, 20, {Hit(100, 1.5), r2, r3, r4, r5, Hit(10, 1.0)});

    // R in thousandths: the engine's value is exactly that count x 0.001.
    struct Row {
        int d, t, killed, jk;
        double rate;
        int r;
        double k, kTotal;
    };
    const Row expected[] = {
        {79, 79, 0, 0, 1.5, 1500, 118, 118},    {95, 174, 0, 0, 2.0, 3000, 1174, 1292},
        {36, 210, 0, 0, 1.2, 3599, 755, 2047},  {0, 210, 0, 0, 1.0, 3599, 0, 2047},
        {92, 302, 1, 1, 1.1, 3958, 1842, 3889}, {1, 303, 1, 0, 1.0, 3958, 1199, 5088},
    };
    ASSERT_EQ(s.m_nLast, 5);
    for (int i = 0; i < 6; ++i) {
        const HitResult& res = s.m_results[i];
        const Row& row = expected[i];
        EXPECT_EQ(res.m_nDamage, row.d) << "row " << i;
        EXPECT_EQ(res.m_nTotalDamage, row.t) << "row " << i;
        EXPECT_EQ(res.m_bKilled, row.killed) << "row " << i;
        EXPECT_EQ(s.m_table[i].m_bJk, row.jk) << "row " << i;
        EXPECT_DOUBLE_EQ(res.m_dRate, row.rate) << "row " << i;
        EXPECT_EQ(res.m_dTotalRate, row.r * 0.001) << "row " << i;
        EXPECT_EQ(res.m_dKov, row.k) << "row " << i;
        EXPECT_EQ(res.m_dTotalKov, row.kTotal) << "row " << i;
    }
}

TEST(Scoring, CumulativeRateTruncatesToThousandths) {
    EXPECT_EQ(TotalRate({1.5, 1.2}), 1799 * 0.001);
    EXPECT_EQ(TotalRate({1.6, 2.8}), 4479 * 0.001);
    EXPECT_EQ(TotalRate({1.6, 2.8, 0.9}), 4031 * 0.001);
    // 1400 x 0.001 is a hair above 1.4 and carries 1.4 x 1.5 to 2.1; taking
    // thousandths by dividing by 1000 would give 2.099.
    EXPECT_EQ(TotalRate({1.4, 1.5}), 2100 * 0.001);

    std::vector<ComboEntry> hits = {Hit(1, 1.6), Hit(1, 2.8), Hit(1, 0.9), Hit(1, 3.0)};
    hits[3].m_bCalculate = 0;
    const HitResult off = Combo(999, 0, hits).m_results[3];
    EXPECT_EQ(off.m_dRate, 1.0);
    EXPECT_EQ(off.m_dTotalRate, 4030 * 0.001);
    EXPECT_EQ(off.m_dKov, 0.0);

    // (4 - 1.0) x 0.1 + 1.9 rounds the product first and gives 2.2; fused into
    // one multiply-add it gives 2.1999999999999997 and a total rate of 2.199.
    ComboEntry four = Hit(1, 1.9);
    four.m_bLinkTrap = 1;
    four.m_nLinkCount = 4;
    EXPECT_EQ(Combo(999, 0, {four}).m_results[0].m_dTotalRate, 2200 * 0.001);

    ComboEntry link = Hit(1, 1.0);
    link.m_bLinkTrap = 1;
    link.m_nLinkCount = 11;
    link.m_bAirier = 1;
    const ComboState linked = Combo(999, 0, {link});
    EXPECT_EQ(linked.m_results[0].m_dRate, 2.0);
    EXPECT_EQ(BonusMultiplier(link), 1.5) << "Link Trap is no bonus factor";
}

TEST(Scoring, DamageRules) {
    ComboEntry whole = Hit(92, 1.0, 0.9);
    whole.m_bUnDefence = 1;
    ComboEntry zero = Hit(0, 1.0);
    zero.m_bUnDefence = 1;
    const ComboState s = Combo(999, 20, {Hit(20, 1.0), Hit(5, 1.0), zero, whole});
    EXPECT_EQ(s.m_results[0].m_nDamage, 1);
    EXPECT_EQ(s.m_results[1].m_nDamage, 1);
    EXPECT_EQ(s.m_results[2].m_nDamage, 0);
    EXPECT_EQ(s.m_results[3].m_nDamage, 92);
    EXPECT_EQ(s.m_results[3].m_nTotalDamage, 94);
    // Damage 0 after earlier hits still scores on the total so far: 2 x 1.
    EXPECT_EQ(s.m_results[2].m_dKov, 2.0);

    EXPECT_EQ(Combo(999, 0, {Hit(100, 1.0)}).m_results[0].m_nDamage, 99);
    // Far outside the dialog's limits the difference must not overflow.
    const ComboState extreme = Combo(0, -2147483647 - 1, {Hit(2147483647, 1.0, 1.0)});
    EXPECT_EQ(extreme.m_results[0].m_nTotalDamage, -1);
}

TEST(Scoring, KillAndJk) {
    for (int total : {100, 101, 102, 103}) {
        const ComboState s =
            Combo(100, 0, {Hit(50, 1.0, 1.0), Hit(total - 50, 1.0, 1.0), Hit(0, 1.0)});
        const bool jk = total <= 102;
        EXPECT_EQ(s.m_results[0].m_bKilled, 0) << total;
        EXPECT_EQ(s.m_results[1].m_bKilled, 1) << total;
        EXPECT_EQ(s.m_table[1].m_bJk, jk ? 1 : 0) << total;
        EXPECT_EQ(s.m_results[1].m_dKov, total + (jk ? 50.0 : 0.0)) << total;
        EXPECT_EQ(s.m_results[2].m_bKilled, 1) << total;
        EXPECT_EQ(s.m_table[2].m_bJk, 0) << total;
    }

    const ComboState none = Combo(0, 0, {Hit(0, 1.0)});
    EXPECT_EQ(none.m_results[0].m_bKilled, 1);
    EXPECT_EQ(none.m_table[0].m_bJk, 1);
    EXPECT_EQ(none.m_results[0].m_dKov, 50.0);

    ComboEntry off = Hit(100, 1.0, 1.0);
    off.m_bCalculate = 0;
    const ComboState quiet = Combo(100, 0, {off});
    EXPECT_EQ(quiet.m_table[0].m_bJk, 1);
    EXPECT_EQ(quiet.m_results[0].m_dKov, 0.0);
}

TEST(Scoring, BonusMultipliers) {
    ComboEntry e = DefaultEntry();
    EXPECT_EQ(BonusMultiplier(e), 1.0);
    e.m_bAirier = 1;
    EXPECT_EQ(BonusMultiplier(e), 1.5);
    e = DefaultEntry();
    e.m_bCore = e.m_bCounter = 1;
    EXPECT_EQ(BonusMultiplier(e), 2.25);
    e.m_bDouble = e.m_bLongRange = 1;
    EXPECT_EQ(BonusMultiplier(e), 5062 * 0.001);
    e.m_bAirier = e.m_bRapidChain = 1;
    EXPECT_EQ(BonusMultiplier(e), 11390 * 0.001);
}

TEST(Scoring, RealModeReducesHitScoresOnly) {
    // Out of the dialog's ranges on purpose, to land exactly on 2^24: row 1
    // brings the total damage to 4096 (a Jk on HP 4096) at rate 4096, so its
    // base is 2^24 and it earns 50 more; row 2 scores 2^24 without Jk.
    ComboEntry big = Hit(4095, 4096.0, 1.0);
    big.m_bUnDefence = 1;
    ComboState s = Combo(4096, 0, {Hit(1, 1.0, 1.0), big, Hit(0, 1.0)});
    const double kov[2][3] = {{1.0, 16777266.0, 16777216.0}, {1.0, 50.0, 0.0}};
    const double total[2][3] = {{1.0, 16777267.0, 33554483.0}, {1.0, 51.0, 51.0}};
    for (int real : {0, 1, 0}) {
        s.m_bReal = real;
        ScoreCombo(s);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(s.m_results[i].m_dKov, kov[real][i]) << real << i;
            EXPECT_EQ(s.m_results[i].m_dTotalKov, total[real][i]) << real << i;
        }
    }
}

TEST(Scoring, RowsOutsideTheComboAreLeftAlone) {
    ComboState s = Combo(300, 0, {Hit(10, 1.0), Hit(10, 1.0)});
    s.m_results[0].m_nDamage = 55;
    s.m_nLast = -1;
    ScoreCombo(s);
    EXPECT_EQ(s.m_results[0].m_nDamage, 55) << "empty combo: nothing rewritten";

    s.m_nLast = 3; // rows 2 and 3 are free: skipped and kept, not zeroed
    s.m_results[2].m_dKov = 3.0;
    s.m_results[5].m_dKov = 7.0;
    ScoreCombo(s);
    EXPECT_EQ(s.m_results[0].m_nDamage, 9);
    EXPECT_EQ(s.m_results[2].m_dKov, 3.0);
    EXPECT_EQ(s.m_results[5].m_dKov, 7.0);
}

} // namespace
