// SPDX-License-Identifier: MIT
#include "workbench/ComboWorkbench.h"

#include "support/FileText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// Readable failures: which buttons, which line, which focus.
void PrintTo(const ViewUpdate& u, std::ostream* os) {
    const auto b = [](const std::optional<bool>& v) { return v ? (*v ? 'T' : 'F') : '-'; };
    const ButtonStates& s = u.buttons;
    *os << "{beep " << u.beep << ", reset " << u.resetForm << ", rebuild " << u.rebuildList
        << ", select " << (u.selectLine ? *u.selectLine : -1) << ", buttons " << b(s.add)
        << b(s.modify) << b(s.remove) << b(s.clear) << b(s.output) << b(s.down) << b(s.up)
        << b(s.theory) << ", mode " << (u.modeCaption ? *u.modeCaption : -1) << ", enemy "
        << u.showEnemyData << ", focus " << static_cast<int>(u.focus) << "}";
}

namespace {

constexpr std::optional<bool> T = true;
constexpr std::optional<bool> F = false;
constexpr std::optional<bool> Keep = std::nullopt;

EntryCapture Capture(int hitCount = 1) {
    return EntryCapture{300, 20, hitCount, 1.0, 0.99, 0};
}

void AddHit(ComboWorkbench& bench, int damage, int hitCount = 1) {
    bench.WorkingEntry().m_nDamage = damage;
    bench.Add(Capture(hitCount));
}

ComboWorkbench WithHits(int count) {
    ComboWorkbench bench;
    for (int i = 0; i < count; ++i)
        AddHit(bench, 10 + i);
    return bench;
}

ButtonStates Buttons(std::optional<bool> add, std::optional<bool> modify,
                     std::optional<bool> remove, std::optional<bool> clear,
                     std::optional<bool> output, std::optional<bool> down, std::optional<bool> up,
                     std::optional<bool> theory) {
    return ButtonStates{add, modify, remove, clear, output, down, up, theory};
}

ViewUpdate Update(bool reset, bool rebuild, std::optional<int> select, ButtonStates buttons,
                  std::optional<std::int32_t> mode, bool enemy, ControlRole focus) {
    return ViewUpdate{false, reset, rebuild, select, buttons, mode, enemy, focus};
}

ViewUpdate Beep() {
    ViewUpdate update;
    update.beep = true;
    return update;
}

// Every command from a given combo, and what the window does after it: the
// state table of the window's buttons, list and focus.
struct TableCase {
    const char* name;
    int hits;     // the combo before: that many single hits
    int selected; // the line chosen in the list first, -1 for none
    std::function<ViewUpdate(ComboWorkbench&)> command;
    ViewUpdate expected;
};

class StateTable : public ::testing::TestWithParam<TableCase> {};

TEST_P(StateTable, EachCommandLeavesTheControlsAsTheWindowDoes) {
    const TableCase& c = GetParam();
    ComboWorkbench bench = WithHits(c.hits);
    if (c.selected >= 0)
        bench.SelectLine(c.selected);
    EXPECT_EQ(c.command(bench), c.expected);
}

const ButtonStates kStartUp = Buttons(T, F, F, F, F, F, F, F);

INSTANTIATE_TEST_SUITE_P(
    Commands, StateTable,
    ::testing::Values(
        TableCase{"AddToAnEmptyCombo", 0, -1, [](auto& b) { return b.Add(Capture()); },
                  Update(false, true, {}, Buttons(T, F, F, T, T, F, F, T), {}, false,
                         ControlRole::Ceil)},
        TableCase{"AddFillingTheTable", 14, -1, [](auto& b) { return b.Add(Capture()); },
                  Update(false, true, {}, Buttons(F, F, F, T, T, F, F, T), {}, false,
                         ControlRole::Ceil)},
        TableCase{"ModifyWithoutALine", 2, -1, [](auto& b) { return b.Modify(Capture()); },
                  Beep()},
        TableCase{"ModifyTheChosenLine", 2, 1, [](auto& b) { return b.Modify(Capture()); },
                  Update(false, true, {}, Buttons(T, F, F, T, T, F, F, Keep), {}, false,
                         ControlRole::Ceil)},
        TableCase{"RemoveWithoutALine", 2, -1, [](auto& b) { return b.Remove(-1); }, Beep()},
        TableCase{"RemoveLineZeroClearsAll", 3, 0, [](auto& b) { return b.Remove(0); },
                  Update(true, false, {}, kStartUp, 0, false, ControlRole::Hp)},
        TableCase{"RemoveALaterLine", 3, 1, [](auto& b) { return b.Remove(1); },
                  Update(false, true, {}, Buttons(T, F, F, Keep, Keep, F, F, Keep), {}, false,
                         ControlRole::Ceil)},
        TableCase{"Clear", 3, -1, [](auto& b) { return b.Clear(); },
                  Update(true, false, {}, kStartUp, 0, false, ControlRole::Hp)},
        TableCase{"MoveDownKeepsTheLineChosen", 3, 0,
                  [](auto& b) { return b.Move(0, MoveDirection::Down); },
                  Update(false, true, 1, Buttons(T, T, T, Keep, Keep, T, T, Keep), {}, false,
                         ControlRole::Down)},
        TableCase{"MoveUpKeepsTheLineChosen", 3, 2,
                  [](auto& b) { return b.Move(2, MoveDirection::Up); },
                  Update(false, true, 1, Buttons(T, T, T, Keep, Keep, T, T, Keep), {}, false,
                         ControlRole::Up)},
        TableCase{"MoveDownOntoTheLastRow", 15, 13,
                  [](auto& b) { return b.Move(13, MoveDirection::Down); },
                  Update(false, true, {}, Buttons(F, F, F, Keep, Keep, Keep, Keep, Keep), {},
                         false, ControlRole::Ceil)},
        TableCase{"MovePastTheEnd", 3, 2, [](auto& b) { return b.Move(2, MoveDirection::Down); },
                  Beep()},
        TableCase{"SwitchMode", 2, -1, [](auto& b) { return b.SwitchMode(300, 20); },
                  Update(false, true, {}, Buttons(T, F, F, Keep, Keep, Keep, Keep, Keep), 1,
                         false, ControlRole::Theory)},
        TableCase{"ChooseALine", 3, -1, [](auto& b) { return b.SelectLine(2); },
                  Update(false, false, 2, Buttons(Keep, T, T, Keep, Keep, T, T, Keep), {},
                         false, ControlRole::None)},
        TableCase{"ChooseBelowTheCombo", 3, -1, [](auto& b) { return b.SelectLine(3); },
                  ViewUpdate{}},
        TableCase{"UndoShowsTheWholeCombo", 3, 1, [](auto& b) { return b.Undo(); },
                  Update(false, true, {}, Buttons(T, F, F, T, T, F, F, T), 0, true,
                         ControlRole::Ceil)},
        TableCase{"UndoToAnEmptyComboShowsItsEnemyDataAndMode", 0, -1,
                  [](auto& b) {
                      b.SwitchMode(300, 20);
                      AddHit(b, 10);
                      return b.Undo();
                  },
                  Update(true, false, {}, kStartUp, 1, true, ControlRole::Hp)},
        TableCase{"UndoToTheFreshCombo", 1, -1, [](auto& b) { return b.Undo(); },
                  Update(true, false, {}, kStartUp, 0, false, ControlRole::Hp)},
        TableCase{"UndoWithNothingToUndo", 0, -1, [](auto& b) { return b.Undo(); }, Beep()},
        TableCase{"RedoWithNothingToRedo", 3, -1, [](auto& b) { return b.Redo(); }, Beep()},
        TableCase{"DeleteLine", 3, 1, [](auto& b) { return b.DeleteLine(1); },
                  Update(false, true, {}, Buttons(T, F, F, T, T, F, F, T), 0, true,
                         ControlRole::Ceil)},
        TableCase{"DeleteWithoutALine", 3, -1, [](auto& b) { return b.DeleteLine(-1); },
                  Beep()},
        TableCase{"DuplicateInAFullCombo", 15, 3, [](auto& b) { return b.DuplicateLine(3); },
                  Beep()},
        TableCase{"New", 3, -1, [](auto& b) { return b.New(); },
                  Update(true, false, {}, kStartUp, 0, false, ControlRole::Hp)}),
    [](const auto& test) { return std::string(test.param.name); });

// Which of the commands beyond the buttons are enabled, for the menus and
// the keys alike.
TEST(ComboWorkbench, EnablesTheCommandsBeyondTheButtonsByTheCombo) {
    struct Case {
        int hits;
        int line;
        WorkbenchCommand command;
        bool enabled;
    } const cases[] = {
        {0, -1, WorkbenchCommand::Undo, false},
        {1, -1, WorkbenchCommand::Undo, true},
        {1, -1, WorkbenchCommand::Redo, false},
        {2, 1, WorkbenchCommand::DeleteLine, true},
        {2, 2, WorkbenchCommand::DeleteLine, false},
        {2, -1, WorkbenchCommand::DeleteLine, false},
        {14, 0, WorkbenchCommand::DuplicateLine, true},
        {15, 0, WorkbenchCommand::DuplicateLine, false},
        {0, -1, WorkbenchCommand::CopyReport, false},
        {1, -1, WorkbenchCommand::CopyReport, true},
        {1, -1, WorkbenchCommand::BestOrder, false},
        {2, -1, WorkbenchCommand::BestOrder, true},
    };
    for (const Case& c : cases) {
        const ComboWorkbench bench = WithHits(c.hits);
        EXPECT_EQ(bench.IsEnabled(c.command, c.line), c.enabled)
            << c.hits << " hits, line " << c.line << ", command " << static_cast<int>(c.command);
    }
    // A group of three hits is one unit: nothing to reorder.
    ComboWorkbench group;
    AddHit(group, 50, 3);
    EXPECT_FALSE(group.IsEnabled(WorkbenchCommand::BestOrder, -1));
}

// Sequences of commands and the undo steps they leave: one labelled step
// for each change, none for a command that changed nothing.
TEST(ComboWorkbench, RecordsOneLabelledStepForEachChangeAndNoneOtherwise) {
    struct Case {
        const char* name;
        std::function<void(ComboWorkbench&)> run;
        std::size_t steps;
        const char* undoLabel;
    } const cases[] = {
        {"add", [](auto& b) { AddHit(b, 10); }, 1, "Add"},
        {"modify to the same values",
         [](auto& b) {
             AddHit(b, 10);
             b.SelectLine(0);
             b.Modify(Capture());
         },
         1, "Add"},
        {"modify",
         [](auto& b) {
             AddHit(b, 10);
             b.SelectLine(0);
             b.WorkingEntry().m_nDamage = 11;
             b.Modify(Capture());
         },
         2, "Modify"},
        {"duplicate",
         [](auto& b) {
             AddHit(b, 10);
             b.DuplicateLine(0);
         },
         2, "Duplicate Line"},
        {"delete",
         [](auto& b) {
             AddHit(b, 10);
             b.DeleteLine(0);
         },
         2, "Delete Line"},
        {"refused duplicate", [](auto& b) { b.DuplicateLine(0); }, 0, ""},
        {"clear of an empty combo", [](auto& b) { b.Clear(); }, 0, ""},
        {"new of an empty combo", [](auto& b) { b.New(); }, 0, ""},
        {"move",
         [](auto& b) {
             AddHit(b, 10);
             AddHit(b, 20);
             b.Move(0, MoveDirection::Down);
         },
         3, "Move Down"},
        {"mode", [](auto& b) { b.SwitchMode(1, 2); }, 1, "Theory/Real"},
        {"remove",
         [](auto& b) {
             AddHit(b, 10);
             AddHit(b, 20);
             b.Remove(1);
         },
         3, "Remove"},
    };
    for (const Case& c : cases) {
        ComboWorkbench bench;
        c.run(bench);
        std::size_t steps = 0;
        for (; bench.IsEnabled(WorkbenchCommand::Undo, -1); ++steps) {
            if (steps == 0) {
                EXPECT_EQ(bench.UndoLabel(), c.undoLabel) << c.name;
            }
            bench.Undo();
        }
        EXPECT_EQ(steps, c.steps) << c.name;
    }
}

TEST(ComboWorkbench, UndoAndRedoRestoreTheWholeCombo) {
    ComboWorkbench bench = WithHits(3);
    const ComboState three = bench.State();
    bench.Undo();
    EXPECT_EQ(bench.State().m_nLast, 1);
    EXPECT_EQ(bench.RedoLabel(), "Add");
    bench.Redo();
    EXPECT_EQ(bench.State().m_table, three.m_table);
    EXPECT_EQ(bench.State().m_results, three.m_results);
}

TEST(ComboWorkbench, KeepsAtLeastTheUndoLimitOfSteps) {
    ComboWorkbench bench(3);
    for (int i = 0; i < 5; ++i)
        bench.SwitchMode(i, i);
    int undone = 0;
    while (undone < 10 && !bench.Undo().beep)
        ++undone;
    EXPECT_EQ(undone, 3);
}

// Two combo files, A and B, with different combos.
class WorkbenchFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ComboWorkbench maker = WithHits(1);
        ASSERT_TRUE(maker.SaveAs(m_a).ok);
        AddHit(maker, 99);
        ASSERT_TRUE(maker.SaveAs(m_b).ok);
        m_aBytes = ReadFile(m_a);
        m_bBytes = ReadFile(m_b);
    }

    void Open(ComboWorkbench& bench, const std::string& path) {
        ASSERT_TRUE(std::holds_alternative<ViewUpdate>(bench.Open(path))) << path;
    }

    TempDir m_dir;
    const std::string m_a = m_dir.File("A.kovcombo");
    const std::string m_b = m_dir.File("B.kovcombo");
    std::string m_aBytes;
    std::string m_bBytes;
};

TEST_F(WorkbenchFiles, UndoOfOpenGoesBackToTheFileOpenBefore) {
    ComboWorkbench bench;
    Open(bench, m_a);
    Open(bench, m_b);
    ASSERT_EQ(bench.State().m_nLast, 1);
    bench.Undo();
    EXPECT_EQ(bench.FilePath(), m_a);
    EXPECT_EQ(bench.State().m_nLast, 0);
    EXPECT_FALSE(bench.HasUnsavedChanges());
    EXPECT_EQ(bench.WindowTitle("Kov"), "A.kovcombo[*] - Kov");
    // Saving now writes A's combo into A; B keeps every byte.
    ASSERT_TRUE(bench.SaveAs(bench.FilePath()).ok);
    EXPECT_EQ(ReadFile(m_b), m_bBytes);
    EXPECT_EQ(ReadFile(m_a), m_aBytes);
    // Redo returns to B as it was opened.
    bench.Redo();
    EXPECT_EQ(bench.FilePath(), m_b);
    EXPECT_EQ(bench.State().m_nLast, 1);
    EXPECT_FALSE(bench.HasUnsavedChanges());
    // And the first Open undone leaves no file at all.
    bench.Undo();
    bench.Undo();
    EXPECT_EQ(bench.FilePath(), "");
    EXPECT_EQ(bench.WindowTitle("Kov"), "Kov");
}

TEST_F(WorkbenchFiles, UnsavedChangesFollowWhatTheFileHolds) {
    ComboWorkbench bench;
    EXPECT_FALSE(bench.HasUnsavedChanges());
    AddHit(bench, 10);
    EXPECT_FALSE(bench.HasUnsavedChanges()) << "a combo without a file has none to save";
    Open(bench, m_a);
    EXPECT_FALSE(bench.HasUnsavedChanges());
    AddHit(bench, 5);
    EXPECT_TRUE(bench.HasUnsavedChanges());
    ASSERT_TRUE(bench.SaveAs(m_a).ok);
    EXPECT_FALSE(bench.HasUnsavedChanges());
    // Undo after the save: the file holds the newer combo now.
    bench.Undo();
    EXPECT_EQ(bench.FilePath(), m_a);
    EXPECT_TRUE(bench.HasUnsavedChanges());
    // An undo after Save As stays with the file saved to, even for a step
    // made while the combo belonged to the file before.
    AddHit(bench, 8);
    ASSERT_TRUE(bench.SaveAs(m_dir.File("D.kovcombo")).ok);
    bench.Undo();
    EXPECT_EQ(bench.FilePath(), m_dir.File("D.kovcombo"));
    EXPECT_TRUE(bench.HasUnsavedChanges());
    ASSERT_TRUE(bench.SaveAs(m_dir.File("C.kovcombo")).ok);
    AddHit(bench, 6);
    EXPECT_TRUE(bench.HasUnsavedChanges());
    bench.Undo();
    EXPECT_EQ(bench.FilePath(), m_dir.File("C.kovcombo"));
    EXPECT_FALSE(bench.HasUnsavedChanges());
    AddHit(bench, 6);
    // New leaves the file; its undo brings it back with its changes.
    bench.New();
    EXPECT_EQ(bench.FilePath(), "");
    EXPECT_EQ(bench.State().m_nLast, -1);
    bench.Undo();
    EXPECT_EQ(bench.FilePath(), m_dir.File("C.kovcombo"));
    EXPECT_TRUE(bench.HasUnsavedChanges());
}

TEST_F(WorkbenchFiles, ARefusedFileChangesNothing) {
    ComboWorkbench bench;
    Open(bench, m_a);
    AddHit(bench, 7);
    const ComboState before = bench.State();
    WriteFile(m_dir.File("bad.kovcombo"), "{");
    const auto result = bench.Open(m_dir.File("bad.kovcombo"));
    EXPECT_TRUE(std::holds_alternative<ComboFileError>(result));
    EXPECT_EQ(bench.FilePath(), m_a);
    EXPECT_EQ(bench.State().m_table, before.m_table);
    EXPECT_EQ(bench.UndoLabel(), "Add");
}

TEST_F(WorkbenchFiles, RestoredCombosBelongToNoFile) {
    ComboWorkbench bench;
    Open(bench, m_b);
    bench.Restore("Restore Last Combo", WithHits(4).State());
    EXPECT_EQ(bench.FilePath(), "");
    EXPECT_EQ(bench.State().m_nLast, 3);
    EXPECT_EQ(bench.UndoLabel(), "Restore Last Combo");
    bench.Undo();
    EXPECT_EQ(bench.FilePath(), m_b);
    EXPECT_FALSE(bench.HasUnsavedChanges());
}

// Closing, Open and New ask only where a file has unsaved changes; a Save
// that fails keeps the combo.
TEST_F(WorkbenchFiles, MayLeaveAsksOnlyAboutUnsavedChangesToAFile) {
    struct Case {
        bool changed;
        SaveAnswer answer;
        bool saveWorks;
        bool asked;
        bool saved;
        bool mayLeave;
    } const cases[] = {
        {false, SaveAnswer::Cancel, false, false, false, true},
        {true, SaveAnswer::Save, true, true, true, true},
        {true, SaveAnswer::Save, false, true, true, false},
        {true, SaveAnswer::Discard, false, true, false, true},
        {true, SaveAnswer::Cancel, true, true, false, false},
    };
    for (const Case& c : cases) {
        ComboWorkbench bench;
        Open(bench, m_a);
        if (c.changed)
            AddHit(bench, 3);
        bool asked = false;
        bool saved = false;
        const bool leave = bench.MayLeave(
            [&] {
                asked = true;
                return c.answer;
            },
            [&] {
                saved = true;
                return c.saveWorks;
            });
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(saved, c.saved);
        EXPECT_EQ(leave, c.mayLeave)
            << "changed " << c.changed << ", answer " << static_cast<int>(c.answer)
            << ", save works " << c.saveWorks;
    }
}

TEST(ComboWorkbench, TellsEveryChangeToItsListener) {
    ComboWorkbench bench;
    std::vector<int> lasts;
    bench.SetChangeListener([&](const ComboState& state) { lasts.push_back(state.m_nLast); });
    AddHit(bench, 10);
    AddHit(bench, 20);
    bench.SelectLine(0);
    bench.Modify(Capture()); // the same values: no change
    bench.Undo();
    bench.Redo();
    bench.Clear();
    EXPECT_EQ(lasts, (std::vector<int>{0, 1, 0, 1, -1}));
}

TEST(ComboWorkbench, BestOrderTakesOnlyAHigherTotal) {
    ComboWorkbench bench = WithHits(2);
    BestOrderResult same;
    same.improved = false;
    same.state = WithHits(3).State();
    EXPECT_EQ(bench.TakeBestOrder(same), ViewUpdate{});
    EXPECT_EQ(bench.State().m_nLast, 1);
    BestOrderResult better = same;
    better.improved = true;
    better.cancelled = true;
    EXPECT_EQ(bench.TakeBestOrder(better), ViewUpdate{});
    better.cancelled = false;
    bench.TakeBestOrder(better);
    EXPECT_EQ(bench.State().m_nLast, 2);
    EXPECT_EQ(bench.UndoLabel(), "Best Order");
}

} // namespace
