// SPDX-License-Identifier: MIT
#include "model/UndoHistory.h"
#include "model/ComboState.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A model told apart by its HP: version n has HP n.
ComboState Version(int n) {
    ComboState state;
    state.m_nHp = n;
    return state;
}

// One step of a script and what the history must say after it.
enum class Op { Change, Undo, Redo };
struct Step {
    Op op;
    std::string label;     // Change: the action's name
    int expectHp;          // the model after the step
    std::string undoLabel; // "" = nothing to undo
    std::string redoLabel; // "" = nothing to redo
};

// Runs a script against one history. Every change makes a new version whose
// HP is the next number, so any mix-up of snapshots shows in the HP.
void RunScript(const std::vector<Step>& script) {
    UndoHistory<ComboState> history;
    ComboState current = Version(0);
    int next = 1;
    for (std::size_t i = 0; i < script.size(); ++i) {
        const Step& step = script[i];
        if (step.op == Op::Change) {
            history.Record(step.label, current);
            current = Version(next++);
        } else {
            const auto restored =
                step.op == Op::Undo ? history.Undo(current) : history.Redo(current);
            if (restored) {
                current = *restored;
            }
        }
        EXPECT_EQ(current.m_nHp, step.expectHp) << "step " << i;
        EXPECT_EQ(history.UndoLabel(), step.undoLabel) << "step " << i;
        EXPECT_EQ(history.RedoLabel(), step.redoLabel) << "step " << i;
        EXPECT_EQ(history.CanUndo(), !step.undoLabel.empty()) << "step " << i;
        EXPECT_EQ(history.CanRedo(), !step.redoLabel.empty()) << "step " << i;
    }
}

TEST(UndoHistory, UndoAllThenRedoAll) {
    RunScript({
        {Op::Undo, "", 0, "", ""}, // nothing yet: no change
        {Op::Change, "Add", 1, "Add", ""},
        {Op::Change, "Modify", 2, "Modify", ""},
        {Op::Change, "Move Up", 3, "Move Up", ""},
        {Op::Change, "Theory/Real", 4, "Theory/Real", ""},
        {Op::Undo, "", 3, "Move Up", "Theory/Real"},
        {Op::Undo, "", 2, "Modify", "Move Up"},
        {Op::Undo, "", 1, "Add", "Modify"},
        {Op::Undo, "", 0, "", "Add"},
        {Op::Undo, "", 0, "", "Add"},
        {Op::Redo, "", 1, "Add", "Modify"},
        {Op::Redo, "", 2, "Modify", "Move Up"},
        {Op::Redo, "", 3, "Move Up", "Theory/Real"},
        {Op::Redo, "", 4, "Theory/Real", ""},
        {Op::Redo, "", 4, "Theory/Real", ""},
    });
}

TEST(UndoHistory, AChangeAfterAnUndoDropsTheRedoSteps) {
    RunScript({
        {Op::Change, "Add", 1, "Add", ""},
        {Op::Change, "Add", 2, "Add", ""},
        {Op::Change, "Clear", 3, "Clear", ""},
        {Op::Undo, "", 2, "Add", "Clear"},
        {Op::Undo, "", 1, "Add", "Add"},
        {Op::Change, "Remove", 4, "Remove", ""},
        {Op::Redo, "", 4, "Remove", ""},
        {Op::Undo, "", 1, "Add", "Remove"},
        {Op::Undo, "", 0, "", "Add"},
        {Op::Redo, "", 1, "Add", "Remove"},
        {Op::Redo, "", 4, "Remove", ""},
    });
}

TEST(UndoHistory, KeepsTheNewestStepsUpToTheLimit) {
    UndoHistory<ComboState> history;
    ComboState current = Version(0);
    for (int n = 1; n <= 130; ++n) {
        history.Record("Add", current);
        current = Version(n);
    }
    EXPECT_EQ(history.UndoCount(), 100u);
    int undone = 0;
    while (auto restored = history.Undo(current)) {
        current = *restored;
        ++undone;
    }
    // The 100 newest changes come back; the 30 oldest are gone.
    EXPECT_EQ(undone, 100);
    EXPECT_EQ(current.m_nHp, 30);
    EXPECT_EQ(history.RedoCount(), 100u);
    while (auto restored = history.Redo(current)) {
        current = *restored;
    }
    EXPECT_EQ(current.m_nHp, 130);

    UndoHistory<ComboState> small(2);
    small.Record("Add", Version(0));
    small.Record("Modify", Version(1));
    small.Record("Remove", Version(2));
    const auto last = small.Undo(Version(3));
    const auto first = small.Undo(*last);
    EXPECT_EQ(last->m_nHp, 2);
    EXPECT_EQ(first->m_nHp, 1);
    EXPECT_FALSE(small.Undo(*first));
    small.Clear();
    EXPECT_FALSE(small.CanRedo());
}

} // namespace
