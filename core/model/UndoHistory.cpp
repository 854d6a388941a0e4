// SPDX-License-Identifier: MIT
#include "model/UndoHistory.h"

#include <algorithm>

UndoHistory::UndoHistory(std::size_t limit) : m_limit(std::max<std::size_t>(limit, 1)) {}

void UndoHistory::Record(const std::string& label, const ComboState& before) {
    m_redo.clear();
    m_undo.push_back(Step{label, before});
    while (m_undo.size() > m_limit) {
        m_undo.pop_front();
    }
}

std::string UndoHistory::UndoLabel() const {
    return m_undo.empty() ? std::string() : m_undo.back().label;
}

std::string UndoHistory::RedoLabel() const {
    return m_redo.empty() ? std::string() : m_redo.back().label;
}

std::optional<ComboState> UndoHistory::Undo(const ComboState& current) {
    if (m_undo.empty()) {
        return std::nullopt;
    }
    Step step = std::move(m_undo.back());
    m_undo.pop_back();
    m_redo.push_back(Step{step.label, current});
    return std::move(step.state);
}

std::optional<ComboState> UndoHistory::Redo(const ComboState& current) {
    if (m_redo.empty()) {
        return std::nullopt;
    }
    Step step = std::move(m_redo.back());
    m_redo.pop_back();
    // Redo steps never outnumber the undo room they came from, so this
    // cannot push the oldest undo step out.
    m_undo.push_back(Step{step.label, current});
    return std::move(step.state);
}

void UndoHistory::Clear() {
    m_undo.clear();
    m_redo.clear();
}
