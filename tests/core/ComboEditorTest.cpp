// SPDX-License-Identifier: MIT
#include "model/ComboEditor.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t kHp = 100;
constexpr std::int32_t kDef = 5;

ComboEntry Stored(int damage) {
    ComboEntry e = DefaultEntry();
    e.m_bUsed = 1;
    e.m_nDamage = damage;
    return e;
}

// Rows 0..n-1, single hits of damage 10 + row, results marked 100 + row; row
// `sel` last selected; the working entry at its defaults.
ComboState Combo(int n, int sel = -1) {
    ComboState state;
    for (int r = 0; r < n; ++r) {
        state.m_table[r] = Stored(10 + r);
        state.m_results[r].m_nDamage = 100 + r;
    }
    state.m_nLast = n - 1;
    state.m_nSel = sel;
    state.m_nHp = kHp;
    state.m_nDef = kDef;
    return state;
}

// The working entry as the controls left it: damage 50, everything else default.
ComboState WithWorkingDamage50(ComboState state) {
    state.m_entry.m_nDamage = 50;
    return state;
}

// HP 300, defence 20, Kov rate 1.5, hit rate 0.9, link count 7.
EntryCapture Capture(int hitCount) {
    return EntryCapture{300, 20, hitCount, 1.5, 0.9, 7};
}

// The working entry after a capture of Capture(): damage 50, used, the rates.
ComboEntry Placed(int hitsLeft) {
    ComboEntry e = DefaultEntry();
    e.m_bUsed = 1;
    e.m_nDamage = 50;
    e.m_dKovRate = 1.5;
    e.m_dHitRate = 0.9;
    e.m_nHitsLeft = hitsLeft;
    return e;
}

struct Row {
    int damage;
    int hitsLeft;
};

using Rows = std::vector<Row>;

// A run of single hits with damages first..last.
Rows Singles(int first, int last) {
    Rows rows;
    for (int d = first; d <= last; ++d)
        rows.push_back({d, 1});
    return rows;
}

Rows operator+(Rows a, const Rows& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Expected {
    Rows rows;
    int sel;
    ComboEntry entry;
    int resultsKept; // results 0..resultsKept-1 keep their marks, the rest are zero
    std::int32_t real = 0;
    std::int32_t hp = kHp;
    std::int32_t def = kDef;
};

struct Case {
    std::string what;
    ComboState before;
    std::function<bool(ComboState&)> run; // false: refused
    bool done;
    Expected after; // when refused, the state must be `before` unchanged
};

void ExpectUnchanged(const ComboState& s, const ComboState& before) {
    EXPECT_EQ(s.m_nLast, before.m_nLast);
    EXPECT_EQ(s.m_nSel, before.m_nSel);
    EXPECT_EQ(s.m_entry, before.m_entry);
    EXPECT_EQ(s.m_table, before.m_table);
    EXPECT_EQ(s.m_results, before.m_results);
    EXPECT_EQ(s.m_bReal, before.m_bReal);
    EXPECT_EQ(s.m_nHp, before.m_nHp);
    EXPECT_EQ(s.m_nDef, before.m_nDef);
}

void ExpectModel(const ComboState& s, const Expected& e) {
    const int n = static_cast<int>(e.rows.size());
    EXPECT_EQ(s.m_nLast, n - 1);
    for (int r = 0; r < n; ++r) {
        EXPECT_EQ(s.m_table[r].m_bUsed, 1) << "row " << r;
        EXPECT_EQ(s.m_table[r].m_nDamage, e.rows[r].damage) << "row " << r;
        EXPECT_EQ(s.m_table[r].m_nHitsLeft, e.rows[r].hitsLeft) << "row " << r;
    }
    for (int r = n; r < kComboRows; ++r)
        EXPECT_EQ(s.m_table[r].m_bUsed, 0) << "row " << r << " past the end is free";
    for (int r = 0; r < kComboRows; ++r)
        EXPECT_EQ(s.m_results[r].m_nDamage, r < e.resultsKept ? 100 + r : 0) << "result " << r;
    EXPECT_EQ(s.m_nSel, e.sel);
    EXPECT_EQ(s.m_entry, e.entry);
    EXPECT_EQ(s.m_bReal, e.real);
    EXPECT_EQ(s.m_nHp, e.hp);
    EXPECT_EQ(s.m_nDef, e.def);
}

void RunCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ComboState state = c.before;
        const bool done = c.run(state);
        EXPECT_EQ(done, c.done);
        if (c.done)
            ExpectModel(state, c.after);
        else
            ExpectUnchanged(state, c.before);
    }
}

std::function<bool(ComboState&)> Add(int hitCount) {
    return [hitCount](ComboState& s) {
        AddEntry(s, Capture(hitCount));
        return true;
    };
}

std::function<bool(ComboState&)> Modify(int hitCount) {
    return
        [hitCount](ComboState& s) { return ModifyEntry(s, Capture(hitCount)) == EditResult::Done; };
}

std::function<bool(ComboState&)> Move(int line, MoveDirection direction, int expectedRow) {
    return [=](ComboState& s) {
        const std::optional<int> moved = MoveLine(s, line, direction);
        if (moved) {
            EXPECT_EQ(*moved, expectedRow);
        }
        return moved.has_value();
    };
}

std::function<bool(ComboState&)> Delete(int row) {
    return [row](ComboState& s) { return DeleteLine(s, row) == EditResult::Done; };
}

std::function<bool(ComboState&)> Duplicate(int row) {
    return [row](ComboState& s) { return DuplicateLine(s, row) == EditResult::Done; };
}

// The tables are laid out one case a line, by hand.
// clang-format off
TEST(ComboEditor, AddAndModifyPlaceTheWorkingEntry) {
    const ComboState empty = WithWorkingDamage50(Combo(0));
    // A Core hit lands at rate 1.0 whatever the list shows; a link count
    // counts only with Link Trap.
    ComboState core = empty, link = empty;
    core.m_entry.m_bCore = 1;
    link.m_entry.m_bLinkTrap = 1;
    ComboEntry coreHit = Placed(1), linkHit = Placed(1);
    coreHit.m_bCore = 1;
    linkHit.m_bLinkTrap = 1;
    coreHit.m_dHitRate = 1.0;
    linkHit.m_nLinkCount = 7;
    RunCases({
        {"add first hit", empty, Add(1), true, {{{50, 1}}, -1, Placed(1), 0, 0, 300, 20}},
        {"add a Core hit", core, Add(1), true, {{{50, 1}}, -1, coreHit, 0, 0, 300, 20}},
        {"add a Link Trap hit", link, Add(1), true, {{{50, 1}}, -1, linkHit, 0, 0, 300, 20}},
        {"add 3 after rows 0..12", WithWorkingDamage50(Combo(13)), Add(3), true,
         {Singles(10, 22) + Rows{{50, 3}, {50, 2}}, -1, Placed(2), 13, 0, 300, 20}},
        {"add to a full combo", WithWorkingDamage50(Combo(15, 4)), Add(1), true,
         {Singles(10, 24), 4, Placed(1), 15, 0, 300, 20}},
        {"modify 1 keeps the end", WithWorkingDamage50(Combo(10, 2)), Modify(1), true,
         {Singles(10, 11) + Rows{{50, 1}} + Singles(13, 19), 2, Placed(1), 10, 0, 300, 20}},
        {"modify 3 ends the combo", WithWorkingDamage50(Combo(10, 2)), Modify(3), true,
         {Singles(10, 11) + Rows{{50, 3}, {50, 2}, {50, 1}}, 2, Placed(1), 3, 0, 300, 20}},
        {"modify 5 cut at row 14", WithWorkingDamage50(Combo(15, 12)), Modify(5), true,
         {Singles(10, 21) + Rows{{50, 5}, {50, 4}, {50, 3}}, 12, Placed(3), 13, 0, 300, 20}},
        {"modify, nothing selected", WithWorkingDamage50(Combo(10, -1)), Modify(1), false, {}},
        {"modify past the end", WithWorkingDamage50(Combo(3, 5)), Modify(1), false, {}},
    });
    EXPECT_TRUE(CanModify(Combo(3, 2)));
    EXPECT_FALSE(CanModify(Combo(3, 3)));
    EXPECT_FALSE(CanModify(Combo(0, 0)));
}
// clang-format on

// clang-format off
TEST(ComboEditor, RemoveClearAndModeSwitch) {
    ComboState real = Combo(10, 4);
    real.m_bReal = 1;
    real.m_entry = Stored(13);
    const auto remove = [](int line, RemoveResult expected) {
        return [=](ComboState& s) { return RemoveLine(s, line) == expected; };
    };
    const auto clear = [](ComboState& s) { ClearCombo(s); return true; };
    const auto switchMode = [](ComboState& s) { SwitchMode(s, 300, 20); return true; };
    RunCases({
        {"remove line 4 of 10", real, remove(4, RemoveResult::Truncated), true,
         {Singles(10, 13), 4, DefaultEntry(), 4, 1}},
        {"remove line 0 is Clear", real, remove(0, RemoveResult::Cleared), true,
         {{}, -1, DefaultEntry(), 0, 0, 0, 0}},
        {"clear", real, clear, true, {{}, -1, DefaultEntry(), 0, 0, 0, 0}},
        {"remove, no line", real, remove(-1, RemoveResult::Truncated), false, {}},
        {"remove past the end", real, remove(10, RemoveResult::Truncated), false, {}},
        {"Real to Theory", real, switchMode, true,
         {Singles(10, 19), 4, Stored(13), 10, 0, 300, 20}},
        {"Theory to Real", Combo(2, 1), switchMode, true,
         {Singles(10, 11), 1, DefaultEntry(), 2, 1, 300, 20}},
    });
}

TEST(ComboEditor, MovesExchangeNeighboursInsideTheComboOnly) {
    ComboState group = Combo(10, 3);
    group.m_table[3].m_nHitsLeft = 2;
    group.m_table[3].m_bJk = 1;
    const ComboEntry moved = group.m_table[3];
    ComboState stale = Combo(3, 2);
    stale.m_table[3] = Stored(99); // an old hit left past the end
    const MoveDirection down = MoveDirection::Down, up = MoveDirection::Up;
    RunCases({
        {"down from 3", group, Move(3, down, 4), true,
         {Singles(10, 12) + Rows{{14, 1}, {13, 2}} + Singles(15, 19), 3, moved, 10}},
        {"up from 3", group, Move(3, up, 2), true,
         {Singles(10, 11) + Rows{{13, 2}, {12, 1}} + Singles(14, 19), 3, moved, 10}},
        {"down into row 14", Combo(15, 13), Move(13, down, 14), true,
         {Singles(10, 22) + Rows{{24, 1}, {23, 1}}, 13, Stored(23), 15}},
        {"down from the last row", Combo(10, 9), Move(9, down, 0), false, {}},
        {"down onto an old row past the end", stale, Move(2, down, 0), false, {}},
        {"down from row 14", Combo(15, 14), Move(14, down, 0), false, {}},
        {"up from row 0", Combo(10, 0), Move(0, up, 0), false, {}},
        {"no line", Combo(10, 3), Move(-1, down, 0), false, {}},
        {"line past the end", Combo(3, 3), Move(3, up, 0), false, {}},
    });
}

TEST(ComboEditor, DeleteAndDuplicateOneLine) {
    RunCases({
        {"delete row 1 of 4", Combo(4, 1), Delete(1), true,
         {Rows{{10, 1}, {12, 1}, {13, 1}}, 1, DefaultEntry(), 1}},
        {"delete the last row", Combo(4, 3), Delete(3), true, {Singles(10, 12), 3, DefaultEntry(), 3}},
        {"delete the only row", Combo(1, 0), Delete(0), true, {{}, 0, DefaultEntry(), 0}},
        {"delete row 0 of 15", Combo(15), Delete(0), true, {Singles(11, 24), -1, DefaultEntry(), 0}},
        {"delete, no row", Combo(4), Delete(-1), false, {}},
        {"delete past the end", Combo(4), Delete(4), false, {}},
        {"duplicate row 1 of 3", Combo(3, 2), Duplicate(1), true,
         {Rows{{10, 1}, {11, 1}, {11, 1}, {12, 1}}, 2, DefaultEntry(), 2}},
        {"duplicate the last row", Combo(3), Duplicate(2), true,
         {Singles(10, 12) + Rows{{12, 1}}, -1, DefaultEntry(), 3}},
        {"duplicate into row 14", Combo(14), Duplicate(0), true,
         {Rows{{10, 1}} + Singles(10, 23), -1, DefaultEntry(), 1}},
        {"duplicate in a full combo", Combo(15), Duplicate(3), false, {}},
        {"duplicate, no row", Combo(3), Duplicate(-1), false, {}},
        {"duplicate past the end", Combo(3), Duplicate(3), false, {}},
    });
}
// clang-format on

} // namespace
