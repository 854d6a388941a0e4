// SPDX-License-Identifier: MIT
#include "reference/OrderSearch.h"

#include "scoring/Scoring.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

// The search walks the subsets S of units in increasing order of their bit
// masks, so every S minus one unit is done before S. A state of S is the pair
// (cumulative rate P, total Kov s) after playing the units of S in some order.
// The units of S alone fix the damage so far (damage is whole and adds up the
// same in any order), hence the kill and whether the next hit can be a Jk;
// what the rest of the combo scores from there depends on S and P only.
// So two states of S with the same P have the same future and only the
// higher s matters.
//
// Theory mode. Every step from P to a hit's score is monotone non-decreasing:
// R = floor(P x rate x 1000) x 0.001, floor(T x R) with T >= 0, floor(M3 x
// base), and rounded multiplication and addition are all monotone. So a state
// (P1, s1) with P1 >= P2 and s1 >= s2 ends at least as high as (P2, s2) for
// every order of the remaining units: the front of states of S that no other
// state beats in both P and s is all that needs keeping.
//
// Real mode. A score of 2^24 or more wraps, which breaks that argument only
// for a hit whose score can reach 2^24. Whether one can is bounded from the
// state alone:
//   - the damage so far T of any later hit is at most D, the damage of all
//     units (without a 16-bit wrap, checked: otherwise nothing is pruned by
//     domination at all);
//   - the cumulative rate of any later hit is at most P x G(S) x (1 + 1e-9),
//     with G(S) the product of max(rate, 1) over the rows not in S: each step
//     multiplies by the row's rate and truncates (which only lowers it), and
//     the (1 + 1e-9) covers the few rounding errors per step, each a factor of
//     at most 1 + 2^-53, over at most 15 rows;
//   - its bonus multiplier is at most B(S), the largest among those rows,
//     and the Jk bonus adds 50.
// A state is safe when B(S) x D x P x G(S) x (1 + 1e-9) + 50 < 2^24: then no
// later hit from it wraps, and as the bound rises with P, neither does any
// hit from a state of S with a lower P. Between a safe (P1, s1) and any
// (P2, s2) with P2 <= P1 and s2 <= s1 the Theory argument holds unchanged, so
// (P2, s2) goes. A state beaten only by unsafe states is kept: of each
// unsafe rate only the best score survives.
// On top of that, a state is dropped when even every later hit scoring its
// most, the smaller of 2^24 - 1 and the bound above, cannot lift it above a
// total that a known order already reaches. Real totals are whole numbers,
// so "cannot beat" is total + bound < known + 0.5, far outside rounding.
// Nothing dropped could have led to a higher total than what is kept, so the
// best final state is the true maximum (or the known order is).

namespace {

constexpr double kBoundSlack = 1.0 + 1e-9;
// Below this the 16-bit damage so far never wraps and stays non-negative.
constexpr double kDamageLimit = 32768.0;
constexpr unsigned kControlEvery = 256;

struct RowConstants {
    double damage;
    double rate;
    double bonus;
    bool calculate;
};

struct UnitConstants {
    std::vector<RowConstants> rows;
    double growth = 1.0; // product of max(rate, 1)
    double maxBonus = 0.0;
    int scoringRows = 0;
};

struct Point {
    double rate;
    double score;
    std::int32_t from; // index of the state this one came from, -1 at the start
    std::int32_t unit; // unit played last
};

// Rows of one unit after a given subset: what does not depend on the rate.
struct RowDamage {
    double total;
    bool jk;
};

class Search {
public:
    Search(const ComboState& state, const std::vector<ComboUnit>& units,
           const OrderSearchOptions& options)
        : m_options(options), m_hp(state.m_nHp), m_real(state.m_bReal != 0),
          m_count(static_cast<int>(units.size())), m_full((1u << m_count) - 1) {
        double damage = 0.0;
        bool ordered = true;
        for (const ComboUnit& unit : units) {
            UnitConstants c;
            for (int j = 0; j < unit.rows; ++j) {
                const ComboEntry& e = state.m_table[static_cast<std::size_t>(unit.first + j)];
                const RowConstants row{HitDamage(e, state.m_nDef), HitRate(e), BonusMultiplier(e),
                                       e.m_bCalculate != 0};
                ordered = ordered && std::isfinite(row.rate) && row.rate >= 0.0 && row.bonus >= 0.0;
                c.growth *= std::max(row.rate, 1.0);
                if (row.calculate) {
                    c.maxBonus = std::max(c.maxBonus, row.bonus);
                    ++c.scoringRows;
                }
                damage += row.damage;
                c.rows.push_back(row);
            }
            m_units.push_back(std::move(c));
        }
        m_damageBound = damage;
        m_monotone = ordered && damage < kDamageLimit;
    }

    OrderSearchResult Run();

private:
    void PrepareSubsets();
    bool Safe(unsigned subset, double rate) const;
    double FutureBound(unsigned subset, double rate) const;
    void Expand(unsigned subset);
    void MergeRuns(unsigned subset);
    std::size_t Prune(unsigned subset, Point* points, std::size_t n) const;
    bool Stopped(unsigned subset) const;

    OrderSearchOptions m_options;
    std::int32_t m_hp;
    bool m_real;
    int m_count;
    unsigned m_full;
    std::vector<UnitConstants> m_units;
    double m_damageBound = 0.0;
    bool m_monotone = false;

    // Per subset: damage so far, alive, and bounds over the units not in it.
    std::vector<std::int32_t> m_total16;
    std::vector<std::uint8_t> m_alive;
    std::vector<double> m_growthLeft;
    std::vector<double> m_bonusLeft;
    std::vector<int> m_scoringLeft;

    std::vector<Point> m_pool;
    std::vector<std::uint32_t> m_begin; // m_begin[s]..m_begin[s + 1] in m_pool
    std::vector<Point> m_candidates;
    std::vector<std::uint32_t> m_runs; // where each unit's candidates start, and the end
    std::vector<Point> m_merged;
    std::vector<RowDamage> m_rowDamage; // of the unit at hand
};

void Search::PrepareSubsets() {
    const std::size_t n = std::size_t{m_full} + 1;
    m_total16.assign(n, 0);
    m_alive.assign(n, 1);
    m_growthLeft.assign(n, 1.0);
    m_bonusLeft.assign(n, 0.0);
    m_scoringLeft.assign(n, 0);
    for (unsigned s = 1; s <= m_full; ++s) {
        const int u = std::countr_zero(s);
        const unsigned pred = s & (s - 1);
        std::int32_t total16 = m_total16[pred];
        bool alive = m_alive[pred] != 0;
        for (const RowConstants& row : m_units[static_cast<std::size_t>(u)].rows) {
            const DamageStep step = AddDamage(total16, alive, row.damage, m_hp);
            total16 = step.total16;
            alive = !step.killed;
        }
        m_total16[s] = total16;
        m_alive[s] = alive ? 1 : 0;
    }
    for (unsigned s = 0; s <= m_full; ++s) {
        for (int u = 0; u < m_count; ++u) {
            if ((s >> u & 1u) == 0) {
                const UnitConstants& c = m_units[static_cast<std::size_t>(u)];
                m_growthLeft[s] *= c.growth;
                m_bonusLeft[s] = std::max(m_bonusLeft[s], c.maxBonus);
                m_scoringLeft[s] += c.scoringRows;
            }
        }
    }
}

// No hit after a state of `subset` at `rate` can reach the Real modulus, or
// the mode never wraps: domination by a higher rate and score is sound.
bool Search::Safe(unsigned subset, double rate) const {
    if (m_options.pruning == Pruning::AssumeMonotone) {
        return true;
    }
    if (!m_monotone) {
        return false;
    }
    if (!m_real) {
        return true;
    }
    return m_bonusLeft[subset] * m_damageBound * rate * m_growthLeft[subset] * kBoundSlack +
               kJkBonus <
           kRealModulus;
}

// Most that the hits after a state of `subset` at `rate` can add in Real mode.
double Search::FutureBound(unsigned subset, double rate) const {
    const double cap = kRealModulus - 1.0;
    double perHit = cap;
    if (m_monotone) {
        perHit = std::min(cap, m_bonusLeft[subset] * m_damageBound * rate * m_growthLeft[subset] *
                                       kBoundSlack +
                                   kJkBonus);
    }
    return perHit * m_scoringLeft[subset];
}

// Builds the states of `subset` from those of each subset one unit smaller.
// Each of those is a front in order of falling rate, and the rate after a
// unit rises with the rate before it, so every unit yields a sorted run of
// candidates and the runs only need merging.
void Search::Expand(unsigned subset) {
    m_candidates.clear();
    m_runs.clear();
    for (int u = 0; u < m_count; ++u) {
        const unsigned bit = 1u << u;
        if ((subset & bit) == 0) {
            continue;
        }
        const unsigned pred = subset ^ bit;
        const std::vector<RowConstants>& rows = m_units[static_cast<std::size_t>(u)].rows;
        m_rowDamage.clear();
        std::int32_t total16 = m_total16[pred];
        bool alive = m_alive[pred] != 0;
        for (const RowConstants& row : rows) {
            const DamageStep step = AddDamage(total16, alive, row.damage, m_hp);
            m_rowDamage.push_back({step.total, step.jk});
            total16 = step.total16;
            alive = !step.killed;
        }
        m_runs.push_back(static_cast<std::uint32_t>(m_candidates.size()));
        const std::size_t count = rows.size();
        const RowConstants* row = rows.data();
        const RowDamage* damage = m_rowDamage.data();
        for (std::uint32_t i = m_begin[pred]; i < m_begin[pred + 1]; ++i) {
            double rate = m_pool[i].rate;
            double score = m_pool[i].score;
            for (std::size_t j = 0; j < count; ++j) {
                rate = CumulativeRate(rate, row[j].rate);
                score = score + HitScore(damage[j].total, rate, row[j].bonus, row[j].calculate,
                                         damage[j].jk, m_real);
            }
            m_candidates.push_back({rate, score, static_cast<std::int32_t>(i), u});
        }
    }
    m_runs.push_back(static_cast<std::uint32_t>(m_candidates.size()));
    MergeRuns(subset);
}

// Merges the sorted runs of m_candidates (bounds in m_runs) pairwise into
// one in order of falling rate, then keeps what the pruning lets through.
// std::merge is stable, so ties keep their order.
void Search::MergeRuns(unsigned subset) {
    const auto byRate = [](const Point& a, const Point& b) { return a.rate > b.rate; };
    m_merged.resize(m_candidates.size());
    while (m_runs.size() > 2) {
        std::size_t next = 0;
        for (std::size_t r = 0; r + 1 < m_runs.size(); r += 2) {
            const std::uint32_t lo = m_runs[r];
            const std::uint32_t mid = m_runs[r + 1];
            const std::uint32_t hi = r + 2 < m_runs.size() ? m_runs[r + 2] : mid;
            std::merge(m_candidates.data() + lo, m_candidates.data() + mid,
                       m_candidates.data() + mid, m_candidates.data() + hi, m_merged.data() + lo,
                       byRate);
            m_runs[next++] = lo;
        }
        m_runs[next++] = m_runs.back();
        m_runs.resize(next);
        m_candidates.swap(m_merged);
    }
    const std::size_t kept = Prune(subset, m_candidates.data(), m_candidates.size());
    m_pool.insert(m_pool.end(), m_candidates.begin(),
                  m_candidates.begin() + static_cast<std::ptrdiff_t>(kept));
}

// Keeps, at the front of the `n` points in order of falling rate, those the
// pruning lets through; returns how many.
std::size_t Search::Prune(unsigned subset, Point* points, std::size_t n) const {
    const bool bound = m_real && m_options.pruning == Pruning::Exact &&
                       std::isfinite(m_options.incumbent) && subset != m_full;
    double bestSafe = -std::numeric_limits<double>::infinity();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < n;) {
        // Points with the same rate have the same future: the first one with
        // the highest score stands for them all.
        std::size_t pick = i;
        std::size_t next = i + 1;
        for (; next < n && points[next].rate == points[i].rate; ++next) {
            if (points[next].score > points[pick].score) {
                pick = next;
            }
        }
        i = next;
        const Point p = points[pick];
        if (Safe(subset, p.rate)) {
            if (p.score <= bestSafe) {
                continue;
            }
            bestSafe = p.score;
        }
        if (bound && p.score + FutureBound(subset, p.rate) < m_options.incumbent + 0.5) {
            continue;
        }
        points[kept++] = p;
    }
    return kept;
}

bool Search::Stopped(unsigned subset) const {
    const SearchControl* control = m_options.control;
    if (control == nullptr || subset % kControlEvery != 0) {
        return false;
    }
    ReportProgress(control, static_cast<double>(subset) / (m_full + 1.0));
    return CancelRequested(control);
}

OrderSearchResult Search::Run() {
    OrderSearchResult result;
    PrepareSubsets();
    m_begin.assign(std::size_t{m_full} + 2, 0);
    m_pool.reserve(std::size_t{8} * (m_full + 1)); // a few states per subset is typical
    m_pool.push_back({1.0, 0.0, -1, -1});
    m_begin[1] = 1;
    for (unsigned s = 1; s <= m_full; ++s) {
        if (Stopped(s)) {
            result.cancelled = true;
            return result;
        }
        Expand(s);
        m_begin[s + 1] = static_cast<std::uint32_t>(m_pool.size());
        result.largestFront =
            std::max<std::size_t>(result.largestFront, m_begin[s + 1] - m_begin[s]);
    }
    result.states = m_pool.size();
    ReportProgress(m_options.control, 1.0);

    std::int32_t best = -1;
    for (std::uint32_t i = m_begin[m_full]; i < m_begin[m_full + 1]; ++i) {
        if (best < 0 || m_pool[i].score > m_pool[static_cast<std::size_t>(best)].score) {
            best = static_cast<std::int32_t>(i);
        }
    }
    if (best < 0) {
        return result;
    }
    result.total = m_pool[static_cast<std::size_t>(best)].score;
    for (std::int32_t i = best; m_pool[static_cast<std::size_t>(i)].from >= 0;
         i = m_pool[static_cast<std::size_t>(i)].from) {
        result.order.push_back(m_pool[static_cast<std::size_t>(i)].unit);
    }
    std::reverse(result.order.begin(), result.order.end());
    return result;
}

} // namespace

OrderSearchResult SearchBestOrder(const ComboState& state, const std::vector<ComboUnit>& units,
                                  const OrderSearchOptions& options) {
    if (units.empty() || units.size() > static_cast<std::size_t>(kComboRows)) {
        return {};
    }
    return Search(state, units, options).Run();
}
