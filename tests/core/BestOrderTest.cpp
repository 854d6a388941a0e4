// SPDX-License-Identifier: MIT
#include "scoring/BestOrder.h"
#include "reference/OrderSearch.h"
#include "scoring/BoundedSearch.h"
#include "scoring/ComboUnits.h"
#include "support/TestEntries.h"

#include "BestOrderBruteForce.h"
#include "BestOrderCombos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <numeric>
#include <vector>

namespace {

// Places single hits, or a group of `rows` for an entry whose m_nHitsLeft > 1.
ComboState Combo(int hp, int def, bool real, const std::vector<ComboEntry>& hits) {
    ComboState state;
    state.m_nHp = hp;
    state.m_nDef = def;
    state.m_bReal = real ? 1 : 0;
    for (const ComboEntry& hit : hits) {
        state.m_entry = hit;
        state.m_nLast = state.PlaceEntry(state.m_nLast + 1, hit.m_nHitsLeft);
    }
    ScoreCombo(state);
    return state;
}

ComboEntry Group(ComboEntry hit, int rows) {
    hit.m_nHitsLeft = rows;
    return hit;
}

void ExpectSameCombo(const ComboState& a, const ComboState& b) {
    EXPECT_EQ(a.m_nLast, b.m_nLast);
    EXPECT_EQ(a.m_nSel, b.m_nSel);
    EXPECT_EQ(a.m_entry, b.m_entry);
    EXPECT_EQ(a.m_nHp, b.m_nHp);
    EXPECT_EQ(a.m_nDef, b.m_nDef);
    EXPECT_EQ(a.m_bReal, b.m_bReal);
    EXPECT_EQ(a.m_table, b.m_table);
    EXPECT_EQ(a.m_results, b.m_results);
}

// Checks the search against every order of the units (`unitRows` rows each).
void CheckAgainstBruteForce(const ComboState& state, const std::vector<int>& unitRows) {
    const BestOrderResult r = FindBestOrder(state);
    ComboState current = state;
    ScoreCombo(current);
    const double before = brute::Total(current);
    const double best = brute::BestTotal(state, unitRows);

    ASSERT_EQ(r.units, static_cast<int>(unitRows.size()));
    EXPECT_FALSE(r.cancelled);
    EXPECT_EQ(r.totalBefore, before);
    EXPECT_EQ(r.totalAfter, best);
    EXPECT_EQ(r.improved, best > before);

    std::vector<int> sorted = r.order;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> identity(unitRows.size());
    std::iota(identity.begin(), identity.end(), 0);
    ASSERT_EQ(sorted, identity) << "not a permutation of the units";
    if (!r.improved) {
        EXPECT_EQ(r.order, identity);
    }
    // The returned combo is the input with whole units moved, scored afresh.
    ExpectSameCombo(r.state, brute::Permuted(state, unitRows, r.order));
    EXPECT_EQ(brute::Total(r.state), r.totalAfter);
}

TEST(BestOrderUnits, GroupsMoveTogetherOnlyWhenComplete) {
    ComboEntry a = Hit(100, 1.5);
    ComboEntry b = Hit(200, 2.0);
    ComboState s = Combo(999, 0, false, {a, Group(b, 3), a});
    EXPECT_EQ(SplitIntoUnits(s), (std::vector<ComboUnit>{{0, 1}, {1, 3}, {4, 1}}));

    // Jk differs between rows of a group: still one unit.
    s.m_table[2].m_bJk = 1;
    EXPECT_EQ(SplitIntoUnits(s).size(), 3u);

    // A row of the group edited: every row is a unit of its own.
    s.m_table[2].m_nDamage = 201;
    EXPECT_EQ(SplitIntoUnits(s), (std::vector<ComboUnit>{{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}}));

    // Hits left not counting down to 1 (rows swapped within the group).
    ComboState t = Combo(999, 0, false, {Group(b, 2)});
    std::swap(t.m_table[0], t.m_table[1]);
    EXPECT_EQ(SplitIntoUnits(t), (std::vector<ComboUnit>{{0, 1}, {1, 1}}));

    // A group cut at the end of the table is no unit.
    ComboState cut = Combo(999, 0, false, {a, a, a, a, a, a, a, a, a, a, a, a, a, Group(b, 4)});
    ASSERT_EQ(cut.m_nLast, kLastRow);
    EXPECT_EQ(SplitIntoUnits(cut).size(), 15u);

    EXPECT_TRUE(SplitIntoUnits(ComboState{}).empty());
}

// Rows of one hit with the given hits-left values, as a group edited by
// hand could leave them: only a countdown N, N - 1 ... 1 is one unit.
TEST(BestOrderUnits, OnlyACountdownToOneIsAGroup) {
    struct Case {
        std::vector<int> hitsLeft;
        std::vector<int> unitRows;
    };
    const Case cases[] = {
        {{3, 2, 1}, {3}}, {{3, 1, 2}, {1, 1, 1}}, {{2, 1, 2, 1}, {2, 2}},    {{3, 2, 2}, {1, 1, 1}},
        {{2, 2}, {1, 1}}, {{1, 2, 1}, {1, 2}},    {{3, 3, 2, 1}, {1, 3}},    {{4, 2, 1}, {1, 2}},
        {{2, 0}, {1, 1}}, {{3, 3, 1}, {1, 1, 1}}, {{4, 1, 2, 1}, {1, 1, 2}},
    };
    for (const Case& c : cases) {
        ComboState s;
        s.m_entry = Hit(100, 1.5);
        s.m_nLast = s.PlaceEntry(0, static_cast<int>(c.hitsLeft.size()));
        std::vector<int> rows;
        for (std::size_t i = 0; i < c.hitsLeft.size(); ++i) {
            s.m_table[i].m_nHitsLeft = c.hitsLeft[i];
        }
        for (const ComboUnit& u : SplitIntoUnits(s)) {
            rows.push_back(u.rows);
        }
        EXPECT_EQ(rows, c.unitRows) << ::testing::PrintToString(c.hitsLeft);
    }
}

TEST(BestOrder, NothingToDoBelowTwoUnits) {
    for (const ComboState& s : {ComboState{}, Combo(100, 0, false, {Hit(10, 2.0)}),
                                Combo(100, 0, true, {Group(Hit(10, 2.0), 4)})}) {
        const BestOrderResult r = FindBestOrder(s);
        EXPECT_LT(r.units, 2);
        EXPECT_FALSE(r.improved);
        ExpectSameCombo(r.state, s);
    }
}

TEST(BestOrder, HigherRateFirstWorkedByHand) {
    // d = 99 each. Rate 1.0 first: 99 + floor(198 x 2.0) = 495.
    // Rate 2.0 first: floor(99 x 2.0) + floor(198 x 2.0) = 594.
    ComboState s = Combo(999, 0, false, {Hit(100, 1.0), Hit(100, 2.0)});
    s.m_nSel = 1;
    s.m_entry = Hit(7, 1.3);
    const BestOrderResult r = FindBestOrder(s);
    EXPECT_TRUE(r.improved);
    EXPECT_EQ(r.totalBefore, 495.0);
    EXPECT_EQ(r.totalAfter, 594.0);
    EXPECT_EQ(r.order, (std::vector<int>{1, 0}));
    EXPECT_EQ(r.state.m_table[0].m_dKovRate, 2.0);
    EXPECT_EQ(r.state.m_results[1].m_dTotalKov, 594.0);
    EXPECT_EQ(r.state.m_nSel, 1);
    EXPECT_EQ(r.state.m_entry, Hit(7, 1.3));

    // Already the best order: nothing changes.
    const BestOrderResult again = FindBestOrder(r.state);
    EXPECT_FALSE(again.improved);
    EXPECT_EQ(again.totalAfter, 594.0);
    ExpectSameCombo(again.state, r.state);
}

TEST(BestOrder, TiesKeepTheCurrentOrderAndAreDeterministic) {
    // Identical hits in separate units: every order scores the same.
    ComboState same = Combo(999, 0, false, {Hit(50, 1.5), Hit(50, 1.5), Hit(50, 1.5)});
    same.m_table[1].m_nType = kTrapWall; // tells the rows apart, scores alike
    const BestOrderResult r = FindBestOrder(same);
    EXPECT_FALSE(r.improved);
    ExpectSameCombo(r.state, same);

    combos::ComboMaker maker(11);
    for (int i = 0; i < 20; ++i) {
        const ComboState s = maker.Combo(8, i % 2 == 1, true);
        const BestOrderResult first = FindBestOrder(s);
        const BestOrderResult second = FindBestOrder(s);
        EXPECT_EQ(first.order, second.order);
        EXPECT_EQ(first.state.m_table, second.state.m_table);
        // The best order, searched again, stays.
        const BestOrderResult settled = FindBestOrder(first.state);
        EXPECT_FALSE(settled.improved);
        EXPECT_EQ(settled.totalAfter, first.totalAfter);
    }
}

TEST(BestOrder, MatchesEveryOrderOnRandomCombos) {
    combos::ComboMaker maker(2026);
    for (int i = 0; i < 240; ++i) {
        std::vector<int> rows;
        const int units = 2 + i % 6; // 2..7
        const ComboState s = maker.Combo(units, i % 2 == 1, i % 3 == 0, &rows);
        SCOPED_TRACE(i);
        CheckAgainstBruteForce(s, rows);
    }
    for (int i = 0; i < 4; ++i) {
        std::vector<int> rows;
        const ComboState s = maker.Combo(9, i % 2 == 1, false, &rows);
        SCOPED_TRACE(100 + i);
        CheckAgainstBruteForce(s, rows);
    }
}

// Damage that lands right on the enemy's HP, with the whole set of flags
// that change a hit's part: Calculate off, Core, UnDefence, links, damage 0.
ComboState EdgeCombo(combos::ComboMaker& maker, int units, bool real, std::vector<int>& rows) {
    ComboState s;
    s.m_nDef = maker.OneIn(2) ? 0 : maker.Below(40);
    s.m_bReal = real ? 1 : 0;
    int killAt = 0;
    for (int u = 0; u < units && s.m_nLast < kLastRow; ++u) {
        ComboEntry e = maker.Hit();
        e.m_nDamage = maker.OneIn(4) ? 0 : maker.Below(60);
        e.m_bUnDefence = 1; // damage as entered, so HP can be set to the edge
        e.m_bCalculate = !maker.OneIn(4);
        s.m_entry = e;
        const int n = std::min(maker.OneIn(3) ? 2 : 1, kLastRow - s.m_nLast);
        s.m_nLast = s.PlaceEntry(s.m_nLast + 1, n);
        rows.push_back(n);
        if (maker.OneIn(2)) {
            killAt += n * std::max(e.m_nDamage, e.m_nDamage > 0 ? 1 : 0);
        }
    }
    // Overkill 0..3 for the units picked above played first; HP 0 at times.
    s.m_nHp = maker.OneIn(6) ? 0 : std::max(0, killAt - maker.Below(4));
    return s;
}

TEST(BestOrder, MatchesEveryOrderOnTheJkEdge) {
    combos::ComboMaker maker(77);
    int jkSeen = 0;
    for (int i = 0; i < 200; ++i) {
        std::vector<int> rows;
        const ComboState s = EdgeCombo(maker, 3 + i % 5, i % 2 == 1, rows);
        SCOPED_TRACE(i);
        CheckAgainstBruteForce(s, rows);
        const BestOrderResult r = FindBestOrder(s);
        for (int row = 0; row <= r.state.m_nLast; ++row) {
            jkSeen += r.state.m_table[row].m_bJk;
        }
    }
    EXPECT_GT(jkSeen, 50) << "the edge cases should often end in a Jk";
}

// High rates, bonuses and damage: single scores well past 2^24.
ComboState WrappingCombo(combos::ComboMaker& maker, int units, std::vector<int>& rows) {
    static const double kHigh[] = {1.9, 2.3, 2.5, 2.8, 3.2, 4.0};
    ComboState s;
    s.m_nHp = maker.Below(1000);
    s.m_nDef = maker.Below(100);
    s.m_bReal = 1;
    for (int u = 0; u < units; ++u) {
        ComboEntry e = maker.Hit();
        e.m_nDamage = 300 + maker.Below(700);
        e.m_dKovRate = kHigh[maker.Below(6)];
        e.m_bCalculate = 1;
        s.m_entry = e;
        const int n = maker.OneIn(4) ? 2 : 1;
        s.m_nLast = s.PlaceEntry(s.m_nLast + 1, n);
        rows.push_back(n);
    }
    return s;
}

TEST(BestOrder, MatchesEveryOrderWhenRealScoresWrap) {
    combos::ComboMaker maker(4099);
    int wrapped = 0;
    for (int i = 0; i < 60; ++i) {
        std::vector<int> rows;
        const ComboState s = WrappingCombo(maker, 6 + i % 3, rows);
        SCOPED_TRACE(i);
        CheckAgainstBruteForce(s, rows);
        ComboState theory = s;
        theory.m_bReal = 0;
        ScoreCombo(theory);
        for (int row = 0; row <= theory.m_nLast; ++row) {
            if (theory.m_results[row].m_dKov >= kRealModulus) {
                ++wrapped;
                break;
            }
        }
    }
    EXPECT_GT(wrapped, 30) << "most of these combos should have a score that wraps";
}

// A state no entry field can make, hits of several thousand damage: the 16-bit
// damage so far wraps, nothing about the order is monotone, and the search
// has to do without its bound and its domination rule.
TEST(BestOrder, MatchesEveryOrderWhenTheDamageSoFarWraps) {
    combos::ComboMaker maker(515);
    for (int i = 0; i < 120; ++i) {
        std::vector<int> rows;
        ComboState s = maker.Combo(5 + i % 3, i % 2 == 1, i % 3 == 0, &rows);
        int row = 0;
        for (const int n : rows) { // the rows of a group stay alike
            const int damage = 2000 + maker.Below(14000);
            for (const int end = row + n; row < end; ++row)
                s.m_table[row].m_nDamage = damage;
        }
        ScoreCombo(s);
        SCOPED_TRACE(i);
        CheckAgainstBruteForce(s, rows);
    }
}

// Seven single hits at high rates: the last unit's score crosses 2^24
// between the cumulative rates that different orders of the others reach.
ComboState CrossingCombo() {
    struct Row {
        int damage;
        double kovRate, hitRate;
        int airier, dbl, links;
    };
    const Row rows[] = {{672, 4.0, 0.92, 0, 0, 0}, {124, 2.3, 0.90, 0, 0, 11},
                        {156, 1.3, 0.91, 1, 1, 0}, {522, 3.2, 0.86, 0, 0, 0},
                        {344, 3.2, 0.98, 1, 0, 0}, {716, 4.0, 0.87, 0, 1, 0},
                        {729, 2.8, 0.92, 1, 0, 9}};
    std::vector<ComboEntry> hits;
    for (const Row& r : rows) {
        ComboEntry e = Hit(r.damage, r.kovRate, r.hitRate);
        e.m_bAirier = r.airier;
        e.m_bDouble = r.dbl;
        e.m_bLinkTrap = r.links > 0;
        e.m_nLinkCount = r.links;
        hits.push_back(e);
    }
    return Combo(999, 0, true, hits);
}

TEST(BestOrder, RealModeNeedsItsOwnPruning) {
    const ComboState s = CrossingCombo();
    const std::vector<int> rows(7, 1);
    const double best = brute::BestTotal(s, rows);
    EXPECT_EQ(best, 27611842.0);

    const std::vector<ComboUnit> units = SplitIntoUnits(s);
    OrderSearchOptions unsafe;
    unsafe.pruning = Pruning::AssumeMonotone;
    const OrderSearchResult assumed = SearchBestOrder(s, units, unsafe);
    EXPECT_LT(assumed.total, best - 1e6) << "the Theory pruning should miss by millions here";

    const OrderSearchResult exact = SearchBestOrder(s, units, OrderSearchOptions{});
    EXPECT_EQ(exact.total, best);
    EXPECT_EQ(brute::Total(brute::Permuted(s, rows, exact.order)), best);
    EXPECT_EQ(FindBestOrder(s).totalAfter, best);

    // In Theory mode the same combo never wraps, and the Theory pruning is exact.
    ComboState theory = s;
    theory.m_bReal = 0;
    ScoreCombo(theory);
    const double theoryBest = brute::BestTotal(theory, rows);
    EXPECT_EQ(SearchBestOrder(theory, units, unsafe).total, theoryBest);
    EXPECT_EQ(SearchBestOrder(theory, units, OrderSearchOptions{}).total, theoryBest);
}

// One more hit, of damage 1 at Kov rate 0.5, after the seven of
// CrossingCombo: a rate below 1 that domination must not take for growth.
TEST(BestOrder, RealModeRateBelowOneAfterTheCrossing) {
    ComboState s = CrossingCombo();
    s.m_entry = Hit(1, 0.5);
    s.m_nLast = s.PlaceEntry(s.m_nLast + 1, 1);
    ScoreCombo(s);
    const std::vector<int> rows(8, 1);
    ASSERT_EQ(brute::BestTotal(s, rows), 31341227.0);

    const BestOrderResult r = FindBestOrder(s);
    EXPECT_EQ(r.totalAfter, 31341227.0);
    EXPECT_EQ(brute::Total(brute::Permuted(s, rows, r.order)), 31341227.0);
    // The subset search kept as the reference, on its own.
    const std::vector<ComboUnit> units = SplitIntoUnits(s);
    const OrderSearchResult exact = SearchBestOrder(s, units, OrderSearchOptions{});
    EXPECT_EQ(exact.total, 31341227.0);

    // The bounded search with nothing but the moves from each rotation of
    // the order to start from, one round: its domination does the work.
    BoundedSearchOptions loose;
    loose.beamWidth = 0;
    loose.firstMargin = 1e18;
    for (const ComboState& start : {CrossingCombo(), s}) {
        const std::vector<ComboUnit> startUnits = SplitIntoUnits(start);
        const double best = brute::BestTotal(start, std::vector<int>(startUnits.size(), 1));
        std::vector<int> order(startUnits.size());
        std::iota(order.begin(), order.end(), 0);
        for (std::size_t k = 0; k < order.size(); ++k) {
            SCOPED_TRACE(k);
            std::rotate(order.begin(), order.begin() + 1, order.end());
            const ComboState rotated = ReorderUnits(start, startUnits, order);
            EXPECT_EQ(SearchBestOrderBounded(rotated, startUnits, loose).total, best);
        }
    }
}

// A search cancelled before it starts changes nothing; one left to run
// reports the whole way done, with the same order as without a control.
void CheckCancel(const ComboState& s) {
    std::atomic<bool> cancel{true};
    std::atomic<double> progress{0.0};
    SearchControl control{&cancel, &progress};
    const BestOrderResult stopped = FindBestOrder(s, &control);
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_FALSE(stopped.improved);
    EXPECT_EQ(stopped.state.m_table, s.m_table);

    cancel = false;
    const BestOrderResult done = FindBestOrder(s, &control);
    EXPECT_FALSE(done.cancelled);
    EXPECT_EQ(progress.load(), 1.0);
    EXPECT_EQ(done.order, FindBestOrder(s).order);
}

TEST(BestOrder, CancelLeavesTheComboAndProgressReachesTheEnd) {
    combos::ComboMaker maker(5);
    for (const bool real : {false, true}) {
        SCOPED_TRACE(real);
        CheckCancel(maker.Combo(12, real));
    }
}

} // namespace
