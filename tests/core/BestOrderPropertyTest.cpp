// SPDX-License-Identifier: MIT
// Best Order against every order of the units, on combos RapidCheck draws.

#include "scoring/BestOrder.h"

#include "BestOrderBruteForce.h"
#include "BestOrderCombos.h"

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

RC_GTEST_PROP(BestOrderProperty, NoOrderOfTheUnitsScoresMore, ()) {
    const auto seed = *rc::gen::arbitrary<std::uint64_t>();
    const int units = *rc::gen::inRange(2, 8); // 2..7
    const bool real = *rc::gen::arbitrary<bool>();
    combos::ComboMaker maker(seed);
    std::vector<int> rows;
    const ComboState s = maker.Combo(units, real, true, &rows);

    const BestOrderResult r = FindBestOrder(s);
    ComboState current = s;
    ScoreCombo(current);
    const double before = brute::Total(current);
    const double best = brute::BestTotal(s, rows);
    RC_ASSERT(r.units == static_cast<int>(rows.size()));
    RC_ASSERT(r.totalAfter == best);
    RC_ASSERT(r.improved == (best > before));

    std::vector<int> sorted = r.order;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> identity(rows.size());
    std::iota(identity.begin(), identity.end(), 0);
    RC_ASSERT(sorted == identity);
    const ComboState expected = brute::Permuted(s, rows, r.order);
    RC_ASSERT(r.state.m_table == expected.m_table);
    RC_ASSERT(r.state.m_results == expected.m_results);
}

} // namespace
