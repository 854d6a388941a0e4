// SPDX-License-Identifier: MIT
#include "scoring/BoundedSearch.h"

#include "scoring/OrderBound.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <numeric>

// An exact search for the best order, cut by a bound instead of relying on
// the domination of states alone (which Real mode allows only where no later
// score can reach 2^24, rarely the case on long combos).
//
// 1. Rate range per subset and 2. the bound rest[S] on what the units
//    outside S can add in any order: see OrderBound.cpp.
//
// 3. A good known order. A beam search, layer by layer, keeps the states
//    with the highest score + rest[S]; its best order, or the current one
//    if that scores more, is then improved by moving one unit elsewhere as
//    long as the total rises. Every order tried is scored with the engine's
//    steps, so the best total I reached is one a real order reaches. This
//    step only decides how much the next ones can cut; it proves nothing.
//
// 4. The exact search. States (S, P, s): after playing the units of S in
//    some order, cumulative rate P and total Kov s. The units of S fix the
//    damage so far, the kill and whether a later hit can be a Jk, so the
//    future of a state depends on S and P only. The subsets are done one
//    layer (number of units) at a time, two layers in memory; each state
//    carries its order, four bits a unit, instead of a back-pointer. A state
//    goes when
//      - s + rest[S] < theta: P lies in S's rate range, so no completion of
//        it ends at theta or above;
//      - another state of S has the same P and a higher score (or the same
//        and comes first): same future, the other ends higher;
//      - a safe state of S has P1 >= P and s1 >= s: no later hit from
//        either can reach 2^24, so every step is monotone and the safe one
//        ends at least as high in any order. Safe means
//        B x D x P1 x G x (1 + 1e-9) + 50 < 2^24, with D the damage of all
//        units (no 16-bit wrap, else nothing is safe), G the product of
//        max(rate, 1) over the rows outside S (each step multiplies by a
//        row's rate and truncates; 1 + 1e-9 covers the rounding of at most
//        15 steps, each at most 1 + 2^-53), B their largest bonus and 50
//        the Jk bonus. The bound rises with the rate, so a safe state makes
//        every one of lower rate safe too.
//    Every state dropped by the second or third rule has one kept, or one
//    dropped by the first, that ends at least as high. So if some order
//    reaches theta or more, the best final state kept is the best order;
//    if none is kept, no order reaches theta.
//
// 5. Rounds. theta = max(I + 0.5, rest[empty] - margin), margin = 2^21 first
//    and doubled each round. A round that keeps a final state has found the
//    maximum, above I. Once theta is I + 0.5 and nothing is kept, no order
//    exceeds I: the order that reached I is the maximum. Totals are whole
//    numbers and rest[empty] is below 2^52 (OrderBound.cpp checks it; else
//    the search runs one round with theta = -infinity, no cut), so every
//    sum and comparison is exact.
//
// A tight round runs a few thousand states; a loose margin is paid for
// only when the bound is far above the best order.

namespace {

constexpr double kBoundSlack = 1.0 + 1e-9;
constexpr unsigned kControlEvery = 64;
constexpr int kMaxMoves = 200;      // improving moves tried before settling
constexpr double kBoundShare = 0.1; // of the progress, for the bound
constexpr double kNoCut = -std::numeric_limits<double>::infinity();

struct State {
    double rate;
    double score;
    std::uint64_t order; // unit played at position k in bits 4k..4k+3
};

struct Partial {
    unsigned subset;
    State state;
};

std::uint64_t Place(std::uint64_t order, int position, int unit) {
    return order | std::uint64_t(unit) << (4 * position);
}

std::vector<int> Unpack(std::uint64_t order, int count) {
    std::vector<int> units(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        units[static_cast<std::size_t>(k)] = static_cast<int>(order >> (4 * k) & 15u);
    }
    return units;
}

class Search {
public:
    Search(const ComboState& state, const std::vector<ComboUnit>& units,
           const BoundedSearchOptions& options)
        : m_options(options), m_model(MakeOrderModel(state, units)),
          m_count(static_cast<int>(units.size())), m_full((1u << m_count) - 1) {
        m_growth.resize(m_model.units.size(), 1.0);
        m_maxBonus.resize(m_model.units.size(), 0.0);
        for (std::size_t u = 0; u < m_model.units.size(); ++u) {
            for (const UnitRow& row : m_model.units[u]) {
                m_growth[u] *= std::max(row.rate, 1.0);
                if (row.calculate) {
                    m_maxBonus[u] = std::max(m_maxBonus[u], row.bonus);
                }
            }
        }
    }

    BoundedSearchResult Run();

private:
    double Rest(unsigned subset) const { return m_bounds.usable ? m_bounds.rest[subset] : 0.0; }
    State Step(unsigned subset, const State& from, int unit) const;
    double ScoreOrder(const std::vector<int>& order) const;
    void Beam();
    void Moves();
    enum class Outcome { Found, None, Cancelled };
    Outcome Round(double theta, double progressFrom, double progressTo);
    void Expand(unsigned subset, int layer, double theta);
    void Prune(unsigned subset);
    bool Cancelled() const;
    void ShowProgress(double fraction) const;

    BoundedSearchOptions m_options;
    OrderModel m_model;
    int m_count;
    unsigned m_full;
    std::vector<double> m_growth;   // per unit: product of max(rate, 1) over its rows
    std::vector<double> m_maxBonus; // per unit: largest bonus of its scoring rows
    SubsetBounds m_bounds;

    std::vector<int> m_known; // best order found so far and its total
    double m_knownTotal = kNoCut;
    BoundedSearchResult m_result;

    // The two layers: states of each subset at m_begin[s], m_size[s] of them,
    // in m_layer (the one being read) or m_next (the one being written).
    std::vector<State> m_layer;
    std::vector<State> m_next;
    std::vector<std::uint32_t> m_begin;
    std::vector<std::uint32_t> m_size;
    std::vector<unsigned> m_live;     // subsets of the layer read that kept states
    std::vector<unsigned> m_nextLive; // subsets of the layer written
    std::vector<std::uint8_t> m_seen;
    std::vector<State> m_candidates;
    std::vector<std::uint32_t> m_runs; // where each unit's candidates start, and the end
    std::vector<State> m_merged;
};

KOV_FAST_FLOOR State Search::Step(unsigned subset, const State& from, int unit) const {
    const std::vector<UnitRow>& rows = m_model.units[static_cast<std::size_t>(unit)];
    RowDamage damage[kComboRows];
    std::int32_t total16 = m_bounds.total16[subset];
    bool alive = m_bounds.alive[subset] != 0;
    AddUnitDamage(rows, m_model.hp, total16, alive, damage);
    State to = from;
    PlayUnit(rows, damage, m_model.real, to.rate, to.score);
    to.order = Place(from.order, std::popcount(subset), unit);
    return to;
}

double Search::ScoreOrder(const std::vector<int>& order) const {
    State s{1.0, 0.0, 0};
    unsigned subset = 0;
    for (int u : order) {
        s = Step(subset, s, u);
        subset |= 1u << u;
    }
    return s.score;
}

// States of each layer ranked by score + rest, the best `beamWidth` kept.
void Search::Beam() {
    const auto width = static_cast<std::size_t>(m_options.beamWidth);
    if (width == 0) {
        return;
    }
    std::vector<Partial> beam{{0u, State{1.0, 0.0, 0}}};
    std::vector<Partial> next;
    for (int layer = 0; layer < m_count; ++layer) {
        next.clear();
        for (const Partial& p : beam) {
            for (unsigned left = m_full & ~p.subset; left != 0; left &= left - 1) {
                const int u = std::countr_zero(left);
                next.push_back({p.subset | 1u << u, Step(p.subset, p.state, u)});
            }
        }
        // Same subset and rate, same future: the best score stands for all.
        std::stable_sort(next.begin(), next.end(), [](const Partial& a, const Partial& b) {
            if (a.subset != b.subset) {
                return a.subset < b.subset;
            }
            if (a.state.rate != b.state.rate) {
                return a.state.rate > b.state.rate;
            }
            return a.state.score > b.state.score;
        });
        next.erase(std::unique(next.begin(), next.end(),
                               [](const Partial& a, const Partial& b) {
                                   return a.subset == b.subset && a.state.rate == b.state.rate;
                               }),
                   next.end());
        std::stable_sort(next.begin(), next.end(), [this](const Partial& a, const Partial& b) {
            return a.state.score + Rest(a.subset) > b.state.score + Rest(b.subset);
        });
        if (next.size() > width) {
            next.resize(width);
        }
        beam.swap(next);
    }
    // The beam is sorted by score now (rest of the full set is 0).
    if (beam.front().state.score > m_knownTotal) {
        m_knownTotal = beam.front().state.score;
        m_known = Unpack(beam.front().state.order, m_count);
    }
}

// Moves one unit to another place while that raises the total.
void Search::Moves() {
    std::vector<int> trial;
    for (int moves = 0; moves < kMaxMoves; ++moves) {
        bool moved = false;
        for (int from = 0; from < m_count && !moved; ++from) {
            for (int to = 0; to < m_count && !moved; ++to) {
                if (to == from) {
                    continue;
                }
                trial = m_known;
                const int unit = trial[static_cast<std::size_t>(from)];
                trial.erase(trial.begin() + from);
                trial.insert(trial.begin() + to, unit);
                const double total = ScoreOrder(trial);
                if (total > m_knownTotal) {
                    m_knownTotal = total;
                    m_known = trial;
                    moved = true;
                }
            }
        }
        if (!moved) {
            return;
        }
    }
}

bool Search::Cancelled() const {
    return CancelRequested(m_options.control);
}

// `fraction` of this search done; it only ever grows.
void Search::ShowProgress(double fraction) const {
    ReportProgress(m_options.control, fraction);
}

// Builds the states of `subset` (of `layer` units) from those of each
// subset one unit smaller. Each of those is in order of falling rate, and
// the rate after a unit rises with the rate before it, so each unit yields
// a sorted run; the runs are merged, not sorted.
KOV_FAST_FLOOR void Search::Expand(unsigned subset, int layer, double theta) {
    m_candidates.clear();
    m_runs.clear();
    const double rest = Rest(subset);
    RowDamage damage[kComboRows];
    for (unsigned left = subset; left != 0; left &= left - 1) {
        const int u = std::countr_zero(left);
        const unsigned pred = subset ^ (1u << u);
        if (m_size[pred] == 0) {
            continue;
        }
        const std::vector<UnitRow>& rows = m_model.units[static_cast<std::size_t>(u)];
        std::int32_t total16 = m_bounds.total16[pred];
        bool alive = m_bounds.alive[pred] != 0;
        AddUnitDamage(rows, m_model.hp, total16, alive, damage);
        m_runs.push_back(static_cast<std::uint32_t>(m_candidates.size()));
        const State* from = m_layer.data() + m_begin[pred];
        for (const State* end = from + m_size[pred]; from != end; ++from) {
            State to = *from;
            PlayUnit(rows, damage, m_model.real, to.rate, to.score);
            if (to.score + rest < theta) {
                continue;
            }
            to.order = Place(to.order, layer - 1, u);
            m_candidates.push_back(to);
        }
    }
    m_runs.push_back(static_cast<std::uint32_t>(m_candidates.size()));

    // Pairwise merges of the runs into one in order of falling rate;
    // std::merge is stable, so ties keep their order.
    const auto byRate = [](const State& a, const State& b) { return a.rate > b.rate; };
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
    Prune(subset);
}

// Appends to m_next the candidates of `subset` (in order of falling rate)
// that the same-rate and domination rules keep.
void Search::Prune(unsigned subset) {
    // Whether a state is safe: no later hit from it can reach 2^24 (the
    // bound of the top comment).
    double growth = 1.0;
    double bonus = 0.0;
    for (unsigned left = m_full & ~subset; left != 0; left &= left - 1) {
        const auto u = static_cast<std::size_t>(std::countr_zero(left));
        growth *= m_growth[u];
        bonus = std::max(bonus, m_maxBonus[u]);
    }
    const auto safe = [&](double rate) {
        return m_model.monotone &&
               (!m_model.real ||
                bonus * m_model.damage * rate * growth * kBoundSlack + kJkBonus < kRealModulus);
    };

    const std::size_t begin = m_next.size();
    double bestSafe = -std::numeric_limits<double>::infinity();
    const State* points = m_candidates.data();
    const std::size_t n = m_candidates.size();
    for (std::size_t i = 0; i < n;) {
        std::size_t pick = i;
        std::size_t next = i + 1;
        for (; next < n && points[next].rate == points[i].rate; ++next) {
            if (points[next].score > points[pick].score) {
                pick = next;
            }
        }
        i = next;
        const State& p = points[pick];
        if (safe(p.rate)) {
            if (p.score <= bestSafe) {
                continue;
            }
            bestSafe = p.score;
        }
        m_next.push_back(p);
    }
    m_begin[subset] = static_cast<std::uint32_t>(begin);
    m_size[subset] = static_cast<std::uint32_t>(m_next.size() - begin);
}

// One exact search with threshold theta. Found leaves the best order in
// m_known.
Search::Outcome Search::Round(double theta, double progressFrom, double progressTo) {
    ++m_result.rounds;
    m_layer.assign(1, State{1.0, 0.0, 0});
    m_begin[0] = 0;
    m_size[0] = 1;
    m_live.assign(1, 0u);
    unsigned expanded = 0;
    for (int layer = 1; layer <= m_count; ++layer) {
        m_nextLive.clear();
        for (unsigned pred : m_live) {
            for (unsigned left = m_full & ~pred; left != 0; left &= left - 1) {
                const unsigned s = pred | (left & (~left + 1));
                if (m_seen[s] == 0) {
                    m_seen[s] = 1;
                    m_nextLive.push_back(s);
                }
            }
        }
        std::sort(m_nextLive.begin(), m_nextLive.end());
        m_next.clear();
        std::size_t kept = 0;
        for (unsigned s : m_nextLive) {
            m_seen[s] = 0;
            if (++expanded % kControlEvery == 0 && Cancelled()) {
                return Outcome::Cancelled;
            }
            Expand(s, layer, theta);
            if (m_size[s] > 0) {
                m_nextLive[kept++] = s;
            }
        }
        m_nextLive.resize(kept);
        for (unsigned pred : m_live) {
            m_size[pred] = 0;
        }
        m_layer.swap(m_next);
        m_live.swap(m_nextLive);
        m_result.largestLayer = std::max(m_result.largestLayer, m_layer.size());
        ShowProgress(progressFrom + (progressTo - progressFrom) * layer / m_count);
        if (Cancelled()) {
            return Outcome::Cancelled;
        }
        if (m_live.empty()) {
            return Outcome::None;
        }
    }
    // Only the full set is left.
    m_size[m_full] = 0;
    const State* best = &m_layer.front();
    for (const State& s : m_layer) {
        if (s.score > best->score) {
            best = &s;
        }
    }
    // Without a cut the best may only tie the known order, which then stays.
    if (best->score > m_knownTotal) {
        m_knownTotal = best->score;
        m_known = Unpack(best->order, m_count);
    }
    return Outcome::Found;
}

BoundedSearchResult Search::Run() {
    m_bounds = ComputeSubsetBounds(m_model, m_options.control);
    ShowProgress(kBoundShare);
    if (m_bounds.cancelled || Cancelled()) {
        m_result.cancelled = true;
        return m_result;
    }
    m_known.resize(static_cast<std::size_t>(m_count));
    std::iota(m_known.begin(), m_known.end(), 0);
    m_knownTotal = ScoreOrder(m_known);
    Beam();
    Moves();
    m_result.knownTotal = m_knownTotal;

    const std::size_t size = std::size_t{m_full} + 1;
    m_begin.assign(size, 0);
    m_size.assign(size, 0);
    m_seen.assign(size, 0);
    double margin = m_options.firstMargin;
    double from = kBoundShare;
    for (;;) {
        const double floor = m_knownTotal + 0.5;
        const double theta = m_bounds.usable ? std::max(floor, m_bounds.rest[0] - margin) : kNoCut;
        // Each round gets half of the progress still to go; the last
        // finishes it.
        const double to = from + (1.0 - from) / 2;
        const Outcome outcome = Round(theta, from, to);
        if (outcome == Outcome::Cancelled) {
            m_result.cancelled = true;
            return m_result;
        }
        if (outcome == Outcome::Found || theta <= floor) {
            break;
        }
        margin *= 2;
        from = to;
    }
    ShowProgress(1.0);
    m_result.total = m_knownTotal;
    m_result.order = m_known;
    return m_result;
}

} // namespace

BoundedSearchResult SearchBestOrderBounded(const ComboState& state,
                                           const std::vector<ComboUnit>& units,
                                           const BoundedSearchOptions& options) {
    if (units.empty() || units.size() > static_cast<std::size_t>(kComboRows)) {
        return {};
    }
    return Search(state, units, options).Run();
}
