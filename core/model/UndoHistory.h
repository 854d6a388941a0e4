// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <utility>

// Undo and redo of changes. Each step keeps a whole snapshot of what was on
// one side of the change (a combo and the file it belongs to: a few
// kilobytes), labelled with the name of the action that made it ("Add",
// "Clear", "Move Up" ...).
inline constexpr std::size_t kDefaultUndoLimit = 100;

template <class Snapshot> class UndoHistory {
public:
    explicit UndoHistory(std::size_t limit = kDefaultUndoLimit)
        : m_limit(std::max<std::size_t>(limit, 1)) {}

    // A change named `label` has turned `before` into the current snapshot.
    // The redo steps are dropped; beyond the limit the oldest step goes.
    void Record(const std::string& label, Snapshot before) {
        m_redo.clear();
        m_undo.push_back(Step{label, std::move(before)});
        while (m_undo.size() > m_limit)
            m_undo.pop_front();
    }

    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }

    // The name of the change that Undo or Redo would take back or make
    // again; empty when there is none.
    std::string UndoLabel() const { return m_undo.empty() ? std::string() : m_undo.back().label; }
    std::string RedoLabel() const { return m_redo.empty() ? std::string() : m_redo.back().label; }

    // The snapshot Undo or Redo would restore; null when there is none.
    const Snapshot* NextUndo() const { return m_undo.empty() ? nullptr : &m_undo.back().snapshot; }
    const Snapshot* NextRedo() const { return m_redo.empty() ? nullptr : &m_redo.back().snapshot; }

    // Takes back the latest change: returns the snapshot to restore, and keeps
    // `current` for Redo. Nothing (and no change) when there is no step.
    std::optional<Snapshot> Undo(Snapshot current) {
        return Move(m_undo, m_redo, std::move(current));
    }

    // Makes the latest undone change again; `current` goes back to Undo. Redo
    // steps never outnumber the undo room they came from, so this cannot push
    // the oldest undo step out.
    std::optional<Snapshot> Redo(Snapshot current) {
        return Move(m_redo, m_undo, std::move(current));
    }

    void Clear() {
        m_undo.clear();
        m_redo.clear();
    }

    std::size_t UndoCount() const { return m_undo.size(); }
    std::size_t RedoCount() const { return m_redo.size(); }

private:
    struct Step {
        std::string label;
        Snapshot snapshot;
    };

    template <class From, class To>
    static std::optional<Snapshot> Move(From& from, To& to, Snapshot current) {
        if (from.empty())
            return std::nullopt;
        Step step = std::move(from.back());
        from.pop_back();
        to.push_back(Step{step.label, std::move(current)});
        return std::move(step.snapshot);
    }

    std::size_t m_limit;
    std::deque<Step> m_undo; // oldest first
    std::deque<Step> m_redo; // most recently undone last
};
