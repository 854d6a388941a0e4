// SPDX-License-Identifier: MIT
// The subset bound of the bounded order search against orders scored by
// ScoreCombo, the search's rounds against brute force, and the search
// against the subset search it replaced on the benchmark's combos.

#include "scoring/BoundedSearch.h"
#include "scoring/ComboUnits.h"
#include "scoring/OrderBound.h"

#include "BestOrderBruteForce.h"
#include "BestOrderCombos.h"
#include "BestOrderReference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

std::vector<int> RowsOf(const std::vector<ComboUnit>& units) {
    std::vector<int> rows;
    for (const ComboUnit& u : units) {
        rows.push_back(u.rows);
    }
    return rows;
}

// Every prefix of `order`: its rate inside its subset's range, and its
// score plus the subset's rest at least the order's final total.
void CheckOrder(const ComboState& s, const std::vector<int>& rows, const SubsetBounds& b,
                const std::vector<int>& order) {
    const ComboState played = brute::Permuted(s, rows, order);
    const double total = brute::Total(played);
    unsigned subset = 0;
    int row = -1;
    for (std::size_t k = 0; k <= order.size(); ++k) {
        const double rate = row < 0 ? 1.0 : played.m_results[row].m_dTotalRate;
        const double score = row < 0 ? 0.0 : played.m_results[row].m_dTotalKov;
        EXPECT_LE(rate, b.rateHigh[subset]) << "prefix " << k;
        if (s.m_bReal != 0) {
            EXPECT_GE(rate, b.rateLow[subset]) << "prefix " << k;
        }
        ASSERT_GE(score + b.rest[subset], total) << "prefix " << k;
        if (k < order.size()) {
            subset |= 1u << order[k];
            row += rows[order[k]];
        }
    }
}

TEST(BestOrderBound, EveryPrefixLiesInsideItsRangeAndUnderItsBound) {
    combos::ComboMaker maker(31);
    std::mt19937_64 shuffle(7);
    struct Kind {
        const char* name;
        int count;
        ComboState (*make)(combos::ComboMaker&, int);
    };
    const Kind kinds[] = {
        {"theory", 150,
         [](combos::ComboMaker& m, int i) { return m.Combo(2 + i % 14, false, true); }},
        {"real", 150, [](combos::ComboMaker& m, int i) { return m.Combo(2 + i % 14, true, true); }},
        {"high rates", 150,
         [](combos::ComboMaker& m, int i) { return m.HighRateCombo(2 + i % 14); }},
    };
    for (const Kind& kind : kinds) {
        for (int i = 0; i < kind.count; ++i) {
            SCOPED_TRACE(::testing::Message() << kind.name << " " << i);
            const ComboState s = kind.make(maker, i);
            const std::vector<ComboUnit> units = SplitIntoUnits(s);
            const SubsetBounds b = ComputeSubsetBounds(MakeOrderModel(s, units), nullptr);
            ASSERT_TRUE(b.usable);
            EXPECT_EQ(b.rest.back(), 0.0);
            std::vector<int> order(units.size());
            std::iota(order.begin(), order.end(), 0);
            for (int trial = 0; trial < 20; ++trial) {
                std::shuffle(order.begin(), order.end(), shuffle);
                CheckOrder(s, RowsOf(units), b, order);
            }
        }
    }
}

// The best order's own prefixes meet the bound with the least room; each
// one is also checked by brute force here.
TEST(BestOrderBound, HoldsAlongTheBestOrder) {
    combos::ComboMaker maker(32);
    for (int i = 0; i < 60; ++i) {
        SCOPED_TRACE(i);
        const ComboState s = i % 3 == 2 ? maker.HighRateCombo(7) : maker.Combo(7, i % 3 == 1, true);
        const std::vector<ComboUnit> units = SplitIntoUnits(s);
        const SubsetBounds b = ComputeSubsetBounds(MakeOrderModel(s, units), nullptr);
        const BoundedSearchResult r = SearchBestOrderBounded(s, units);
        ASSERT_EQ(r.total, brute::BestTotal(s, RowsOf(units)));
        CheckOrder(s, RowsOf(units), b, r.order);
    }
}

// With the first round aimed just under the bound and little known before
// it, every combo whose bound is not met exactly takes rounds (a quarter of
// these); each must still end at the best order.
TEST(BestOrderBound, RoundsEndAtTheBestOrder) {
    combos::ComboMaker maker(33);
    struct Setting {
        int beamWidth;
        double firstMargin;
    };
    int severalRounds = 0;
    // The last: one round at the total the moves reach from the current order.
    for (const Setting setting :
         {Setting{0, 1.0}, Setting{0, 4096.0}, Setting{2, 1.0}, Setting{0, 1e18}}) {
        for (int i = 0; i < 90; ++i) {
            SCOPED_TRACE(::testing::Message()
                         << setting.beamWidth << " " << setting.firstMargin << " " << i);
            const ComboState s = i % 3 == 2 ? maker.HighRateCombo(3 + i % 6)
                                            : maker.Combo(3 + i % 6, i % 3 == 1, true);
            const std::vector<ComboUnit> units = SplitIntoUnits(s);
            BoundedSearchOptions options;
            options.beamWidth = setting.beamWidth;
            options.firstMargin = setting.firstMargin;
            const BoundedSearchResult r = SearchBestOrderBounded(s, units, options);
            const std::vector<int> rows = RowsOf(units);
            ASSERT_EQ(r.total, brute::BestTotal(s, rows));
            EXPECT_EQ(brute::Total(brute::Permuted(s, rows, r.order)), r.total);
            severalRounds += r.rounds > 1 ? 1 : 0;
        }
    }
    EXPECT_GT(severalRounds, 50);
}

// Combos on which the best order scores exactly one more than the order the
// moves settle on from the current one: the last round's threshold must let
// a total of known + 1 through.
TEST(BestOrderBound, BestOneAboveTheKnownOrder) {
    struct Case {
        std::uint64_t seed;
        bool groups;
        double known;
        double best;
    };
    for (const Case c : {Case{12231, true, 204, 205}, Case{12295, false, 697, 698},
                         Case{17687, false, 17702, 17703}}) {
        SCOPED_TRACE(c.seed);
        combos::ComboMaker maker(c.seed);
        const ComboState s = maker.Combo(6, true, c.groups);
        const std::vector<ComboUnit> units = SplitIntoUnits(s);
        ASSERT_EQ(brute::BestTotal(s, RowsOf(units)), c.best);
        BoundedSearchOptions options;
        options.beamWidth = 0;
        options.firstMargin = 1e18;
        const BoundedSearchResult r = SearchBestOrderBounded(s, units, options);
        EXPECT_EQ(r.knownTotal, c.known);
        EXPECT_EQ(r.total, c.best);
    }
}

// High rates on 13 units put the bound millions above the best order: the
// search with its defaults needs several rounds there. Brute force is out
// of reach; the subset search it replaced is the reference.
TEST(BestOrderBound, DefaultSearchTakesSeveralRoundsOnHighRates) {
    combos::ComboMaker maker(47);
    int mostRounds = 0;
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const ComboState s = maker.HighRateCombo(13);
        const std::vector<ComboUnit> units = SplitIntoUnits(s);
        const BoundedSearchResult r = SearchBestOrderBounded(s, units);
        EXPECT_EQ(r.total, reference::BestOrder(s).total);
        EXPECT_EQ(brute::Total(brute::Permuted(s, RowsOf(units), r.order)), r.total);
        mostRounds = std::max(mostRounds, r.rounds);
    }
    EXPECT_GE(mostRounds, 3);
}

// The benchmark's 15-unit combos, where brute force is out of reach.
TEST(BestOrderBound, SameBestTotalsAsTheSubsetSearchOnTheBenchmarkCombos) {
    for (const bool real : {false, true}) {
        combos::ComboMaker maker(20261207);
        for (int i = 0; i < 100; ++i) {
            SCOPED_TRACE(::testing::Message() << (real ? "real " : "theory ") << i);
            const ComboState s = maker.Combo(kComboRows, real);
            const std::vector<ComboUnit> units = SplitIntoUnits(s);
            const BoundedSearchResult r = SearchBestOrderBounded(s, units);
            EXPECT_EQ(r.total, reference::BestOrder(s).total);
            EXPECT_EQ(brute::Total(brute::Permuted(s, RowsOf(units), r.order)), r.total);
        }
    }
}

} // namespace
