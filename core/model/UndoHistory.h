// SPDX-License-Identifier: MIT
#pragma once

#include "model/ComboState.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

// Undo and redo of changes to the combo. Each step keeps the whole model as
// it was on one side of the change (a few kilobytes), labelled with the name
// of the action that made it ("Add", "Clear", "Move Up" ...).
class UndoHistory {
public:
    static constexpr std::size_t kDefaultLimit = 100;

    explicit UndoHistory(std::size_t limit = kDefaultLimit);

    // A change named `label` has turned `before` into the current model. The
    // redo steps are dropped; beyond the limit the oldest step goes.
    void Record(const std::string& label, const ComboState& before);

    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }

    // The name of the change that Undo or Redo would take back or make
    // again; empty when there is none.
    std::string UndoLabel() const;
    std::string RedoLabel() const;

    // Takes back the latest change: returns the model to restore, and keeps
    // `current` for Redo. Nothing (and no change) when there is no step.
    std::optional<ComboState> Undo(const ComboState& current);

    // Makes the latest undone change again; `current` goes back to Undo.
    std::optional<ComboState> Redo(const ComboState& current);

    // Forgets every step (a new file, say).
    void Clear();

    std::size_t UndoCount() const { return m_undo.size(); }
    std::size_t RedoCount() const { return m_redo.size(); }

private:
    struct Step {
        std::string label;
        ComboState state;
    };

    std::size_t m_limit;
    std::deque<Step> m_undo;  // oldest first
    std::vector<Step> m_redo; // most recently undone last
};
