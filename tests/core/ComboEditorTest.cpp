// SPDX-License-Identifier: MIT
#include "model/ComboEditor.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t kHp = 100;
constexpr std::int32_t kDef = 5;

// Rows 0..n-1, single hits of damage 10 + row, results marked 100 + row; row
// `sel` last selected; the working entry at its defaults.
ComboState Combo(int n, int sel = -1) {
    ComboState state;
    for (int r = 0; r < n; ++r) {
        state.m_table[r] = DefaultEntry();
        state.m_table[r].m_bUsed = 1;
        state.m_table[r].m_nDamage = 10 + r;
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

EntryCapture Capture(int hitCount) {
    EntryCapture capture;
    capture.hp = 300;
    capture.def = 20;
    capture.hitCount = hitCount;
    capture.kovRate = 1.5;
    capture.hitRate = 0.9;
    capture.linkCount = 7;
    return capture;
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

ComboEntry Stored(int damage) {
    ComboEntry e = DefaultEntry();
    e.m_bUsed = 1;
    e.m_nDamage = damage;
    return e;
}

struct Row {
    int damage;
    int hitsLeft;
};

// A run of single hits with damages first..last.
std::vector<Row> Singles(int first, int last) {
    std::vector<Row> rows;
    for (int d = first; d <= last; ++d)
        rows.push_back({d, 1});
    return rows;
}

std::vector<Row> operator+(std::vector<Row> a, const std::vector<Row>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Expected {
    std::vector<Row> rows;
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

TEST(ComboEditor, AddAppendsAndDropsWhatDoesNotFit) {
    RunCases({
        {"first hit",
         WithWorkingDamage50(Combo(0)),
         Add(1),
         true,
         {{{50, 1}}, -1, Placed(1), 0, 0, 300, 20}},
        {"group of 3 after rows 0..12",
         WithWorkingDamage50(Combo(13)),
         Add(3),
         true,
         {Singles(10, 22) + std::vector<Row>{{50, 3}, {50, 2}}, -1, Placed(2), 13, 0, 300, 20}},
        {"full combo: nothing written",
         WithWorkingDamage50(Combo(15, 4)),
         Add(1),
         true,
         {Singles(10, 24), 4, Placed(1), 15, 0, 300, 20}},
    });
}

TEST(ComboEditor, ModifyRewritesTheSelectedRowOrTheRestOfTheCombo) {
    RunCases({
        {"single hit keeps the end",
         WithWorkingDamage50(Combo(10, 2)),
         Modify(1),
         true,
         {Singles(10, 11) + std::vector<Row>{{50, 1}} + Singles(13, 19), 2, Placed(1), 10, 0, 300,
          20}},
        {"group ends the combo",
         WithWorkingDamage50(Combo(10, 2)),
         Modify(3),
         true,
         {Singles(10, 11) + std::vector<Row>{{50, 3}, {50, 2}, {50, 1}}, 2, Placed(1), 3, 0, 300,
          20}},
        {"group cut at row 14",
         WithWorkingDamage50(Combo(15, 12)),
         Modify(5),
         true,
         {Singles(10, 21) + std::vector<Row>{{50, 5}, {50, 4}, {50, 3}}, 12, Placed(3), 13, 0, 300,
          20}},
        {"nothing selected", WithWorkingDamage50(Combo(10, -1)), Modify(1), false, {}},
        {"selection past the end", WithWorkingDamage50(Combo(3, 5)), Modify(1), false, {}},
    });
    EXPECT_TRUE(CanModify(Combo(3, 2)));
    EXPECT_FALSE(CanModify(Combo(3, 3)));
    EXPECT_FALSE(CanModify(Combo(0, 0)));
}

TEST(ComboEditor, CaptureFixesCoreRateAndLinkCount) {
    for (const bool core : {false, true}) {
        for (const bool link : {false, true}) {
            ComboState state = Combo(0);
            state.m_entry.m_bCore = core;
            state.m_entry.m_bLinkTrap = link;
            AddEntry(state, Capture(1));
            EXPECT_EQ(state.m_table[0].m_dHitRate, core ? 1.0 : 0.9) << core << link;
            EXPECT_EQ(state.m_table[0].m_nLinkCount, link ? 7 : 0) << core << link;
            EXPECT_EQ(state.m_table[0].m_dKovRate, 1.5);
        }
    }
}

TEST(ComboEditor, RemoveTruncatesOrClearsAndClearResetsAll) {
    ComboState real = Combo(10, 4);
    real.m_bReal = 1;
    real.m_entry = Stored(13);
    RunCases({
        {"line 4 of 10",
         real,
         [](ComboState& s) { return RemoveLine(s, 4) == RemoveResult::Truncated; },
         true,
         {Singles(10, 13), 4, DefaultEntry(), 4, 1}},
        {"line 0 is Clear",
         real,
         [](ComboState& s) { return RemoveLine(s, 0) == RemoveResult::Cleared; },
         true,
         {{}, -1, DefaultEntry(), 0, 0, 0, 0}},
        {"Clear",
         real,
         [](ComboState& s) {
             ClearCombo(s);
             return true;
         },
         true,
         {{}, -1, DefaultEntry(), 0, 0, 0, 0}},
        {"no line",
         real,
         [](ComboState& s) { return RemoveLine(s, -1) != RemoveResult::Refused; },
         false,
         {}},
        {"line past the end",
         real,
         [](ComboState& s) { return RemoveLine(s, 10) != RemoveResult::Refused; },
         false,
         {}},
    });
}

TEST(ComboEditor, MovesExchangeNeighboursInsideTheComboOnly) {
    ComboState group = Combo(10, 3);
    group.m_table[3].m_nHitsLeft = 2;
    group.m_table[3].m_bJk = 1;
    ComboEntry movedEntry = group.m_table[3];
    ComboState stale = Combo(3, 2);
    stale.m_table[3] = Stored(99); // an old hit left past the end
    RunCases({
        {"down from 3",
         group,
         Move(3, MoveDirection::Down, 4),
         true,
         {Singles(10, 12) + std::vector<Row>{{14, 1}, {13, 2}} + Singles(15, 19), 3, movedEntry,
          10}},
        {"up from 3",
         group,
         Move(3, MoveDirection::Up, 2),
         true,
         {Singles(10, 11) + std::vector<Row>{{13, 2}, {12, 1}} + Singles(14, 19), 3, movedEntry,
          10}},
        {"down into row 14",
         Combo(15, 13),
         Move(13, MoveDirection::Down, 14),
         true,
         {Singles(10, 22) + std::vector<Row>{{24, 1}, {23, 1}}, 13, Stored(23), 15}},
        {"down from the last row", Combo(10, 9), Move(9, MoveDirection::Down, 0), false, {}},
        {"down onto an old row past the end", stale, Move(2, MoveDirection::Down, 0), false, {}},
        {"down from row 14", Combo(15, 14), Move(14, MoveDirection::Down, 0), false, {}},
        {"up from row 0", Combo(10, 0), Move(0, MoveDirection::Up, 0), false, {}},
        {"no line", Combo(10, 3), Move(-1, MoveDirection::Down, 0), false, {}},
        {"line past the end", Combo(3, 3), Move(3, MoveDirection::Up, 0), false, {}},
    });
    // The exchange moved Jk with its row.
    ComboState state = group;
    ASSERT_TRUE(MoveLine(state, 3, MoveDirection::Down));
    EXPECT_EQ(state.m_table[4].m_bJk, 1);
    EXPECT_EQ(state.m_table[3].m_bJk, 0);
}

TEST(ComboEditor, SwitchModeTogglesAndTakesTheEnemyData) {
    ComboState state = Combo(2, 1);
    SwitchMode(state, 300, 20);
    ExpectModel(state, {Singles(10, 11), 1, DefaultEntry(), 2, 1, 300, 20});
    SwitchMode(state, 7, 8);
    ExpectModel(state, {Singles(10, 11), 1, DefaultEntry(), 2, 0, 7, 8});
}

TEST(ComboEditor, DeleteAndDuplicateOneLine) {
    RunCases({
        {"delete row 1 of 4",
         Combo(4, 1),
         Delete(1),
         true,
         {std::vector<Row>{{10, 1}, {12, 1}, {13, 1}}, 1, DefaultEntry(), 1}},
        {"delete the last row",
         Combo(4, 3),
         Delete(3),
         true,
         {Singles(10, 12), 3, DefaultEntry(), 3}},
        {"delete the only row", Combo(1, 0), Delete(0), true, {{}, 0, DefaultEntry(), 0}},
        {"delete row 0 of a full combo",
         Combo(15),
         Delete(0),
         true,
         {Singles(11, 24), -1, DefaultEntry(), 0}},
        {"delete: no row", Combo(4), Delete(-1), false, {}},
        {"delete past the end", Combo(4), Delete(4), false, {}},
        {"duplicate row 1 of 3",
         Combo(3, 2),
         Duplicate(1),
         true,
         {std::vector<Row>{{10, 1}, {11, 1}, {11, 1}, {12, 1}}, 2, DefaultEntry(), 2}},
        {"duplicate the last row",
         Combo(3),
         Duplicate(2),
         true,
         {Singles(10, 12) + std::vector<Row>{{12, 1}}, -1, DefaultEntry(), 3}},
        {"duplicate into row 14",
         Combo(14),
         Duplicate(0),
         true,
         {std::vector<Row>{{10, 1}} + Singles(10, 23), -1, DefaultEntry(), 1}},
        {"duplicate in a full combo", Combo(15), Duplicate(3), false, {}},
        {"duplicate: no row", Combo(3), Duplicate(-1), false, {}},
        {"duplicate past the end", Combo(3), Duplicate(3), false, {}},
    });
}

} // namespace
