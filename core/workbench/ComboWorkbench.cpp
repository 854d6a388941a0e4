// SPDX-License-Identifier: MIT
#include "workbench/ComboWorkbench.h"

#include "files/ComboFileReader.h"
#include "files/ComboFileWriter.h"
#include "model/ComboContent.h"
#include "scoring/ComboUnits.h"
#include "scoring/Scoring.h"

namespace {

bool IsComboLine(const ComboState& state, int line) {
    return line >= 0 && line <= state.m_nLast;
}

void LineCommands(ButtonStates& buttons, bool enabled) {
    buttons.modify = enabled;
    buttons.remove = enabled;
    buttons.down = enabled;
    buttons.up = enabled;
}

ViewUpdate Refusal() {
    ViewUpdate update;
    update.beep = true;
    return update;
}

// The form as at start-up: only Add works, the focus waits in HP.
ViewUpdate FormReset(std::int32_t mode) {
    ViewUpdate update;
    update.resetForm = true;
    update.buttons.add = true;
    LineCommands(update.buttons, false);
    update.buttons.clear = false;
    update.buttons.output = false;
    update.buttons.theory = false;
    update.modeCaption = mode;
    update.focus = ControlRole::Hp;
    return update;
}

// The list rebuilt from the combo: the working entry is cleared, Modify and
// Remove have no line to work on, Add works while the table has room.
ViewUpdate RebuiltList(ComboState& state) {
    ClearEntry(state.m_entry);
    ViewUpdate update;
    update.rebuildList = true;
    update.buttons.modify = false;
    update.buttons.remove = false;
    update.buttons.add = state.m_nLast < kLastRow;
    return update;
}

std::string FileName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

ComboWorkbench::ComboWorkbench(std::size_t historyLimit) : m_history(historyLimit) {
    m_state.ResetCombo();
}

template <class Change> void ComboWorkbench::Record(const char* label, Change change) {
    Snapshot before{m_state, m_filePath, false};
    change();
    before.changesFile = before.filePath != m_filePath;
    // A command that left the combo and its file as they were (Modify with the
    // same values, say) is no step to take back.
    if (!before.changesFile && SameComboContent(before.state, m_state))
        return;
    m_history.Record(label, std::move(before));
    Changed();
}

void ComboWorkbench::Changed() {
    if (m_listener)
        m_listener(m_state);
}

ViewUpdate ComboWorkbench::Add(const EntryCapture& capture) {
    Record("Add", [&] {
        AddEntry(m_state, capture);
        ScoreCombo(m_state);
    });
    ViewUpdate update = RebuiltList(m_state);
    LineCommands(update.buttons, false);
    update.buttons.clear = true;
    update.buttons.output = true;
    update.buttons.theory = true;
    update.focus = ControlRole::Ceil;
    return update;
}

bool ComboWorkbench::CanModify() const {
    return ::CanModify(m_state);
}

ViewUpdate ComboWorkbench::Modify(const EntryCapture& capture) {
    if (!CanModify())
        return Refusal();
    Record("Modify", [&] {
        ModifyEntry(m_state, capture);
        ScoreCombo(m_state);
    });
    ViewUpdate update = RebuiltList(m_state);
    LineCommands(update.buttons, false);
    update.buttons.clear = true;
    update.buttons.output = true;
    update.focus = ControlRole::Ceil;
    return update;
}

ViewUpdate ComboWorkbench::Remove(int line) {
    RemoveResult result = RemoveResult::Refused;
    Record("Remove", [&] {
        result = RemoveLine(m_state, line);
        if (result == RemoveResult::Truncated)
            ScoreCombo(m_state);
    });
    switch (result) {
    case RemoveResult::Refused:
        return Refusal();
    case RemoveResult::Cleared:
        return FormReset(m_state.m_bReal);
    case RemoveResult::Truncated:
        break;
    }
    ViewUpdate update = RebuiltList(m_state);
    LineCommands(update.buttons, false);
    update.buttons.add = true;
    update.focus = ControlRole::Ceil;
    return update;
}

ViewUpdate ComboWorkbench::Clear() {
    Record("Clear", [&] { ClearCombo(m_state); });
    return FormReset(m_state.m_bReal);
}

ViewUpdate ComboWorkbench::Move(int line, MoveDirection direction) {
    std::optional<int> moved;
    Record(direction == MoveDirection::Down ? "Move Down" : "Move Up", [&] {
        moved = MoveLine(m_state, line, direction);
        if (moved)
            ScoreCombo(m_state);
    });
    if (!moved)
        return Refusal();
    ViewUpdate update = RebuiltList(m_state);
    if (*moved == kLastRow) {
        // No line follows row 14 to press down on again; the arrows keep
        // their state.
        update.focus = ControlRole::Ceil;
        return update;
    }
    // The moved line stays selected, so the same arrow can move it on.
    m_state.m_nSel = *moved;
    m_state.m_entry = m_state.m_table[*moved];
    update.selectLine = *moved;
    LineCommands(update.buttons, true);
    update.focus = direction == MoveDirection::Down ? ControlRole::Down : ControlRole::Up;
    return update;
}

ViewUpdate ComboWorkbench::SwitchMode(std::int32_t hp, std::int32_t def) {
    Record("Theory/Real", [&] {
        ::SwitchMode(m_state, hp, def);
        ScoreCombo(m_state);
    });
    ViewUpdate update = RebuiltList(m_state);
    update.modeCaption = m_state.m_bReal;
    update.focus = ControlRole::Theory;
    return update;
}

ViewUpdate ComboWorkbench::SelectLine(int line) {
    if (!IsComboLine(m_state, line))
        return {};
    m_state.m_nSel = line;
    m_state.m_entry = m_state.m_table[line];
    ViewUpdate update;
    update.selectLine = line;
    LineCommands(update.buttons, true);
    return update;
}

bool ComboWorkbench::IsEnabled(WorkbenchCommand command, int selectedLine) const {
    switch (command) {
    case WorkbenchCommand::Undo:
        return m_history.CanUndo();
    case WorkbenchCommand::Redo:
        return m_history.CanRedo();
    case WorkbenchCommand::DeleteLine:
        return IsComboLine(m_state, selectedLine);
    case WorkbenchCommand::DuplicateLine:
        return IsComboLine(m_state, selectedLine) && m_state.m_nLast < kLastRow;
    case WorkbenchCommand::CopyReport:
        return m_state.m_nLast >= 0;
    case WorkbenchCommand::BestOrder:
        return SplitIntoUnits(m_state).size() >= 2;
    }
    return false;
}

ViewUpdate ComboWorkbench::ShowWhole() {
    m_state.m_nSel = -1;
    if (m_state.m_nLast < 0) {
        // An empty combo looks as after Clear; the mode button still names
        // the combo's mode, and HP and defence other than zero stay visible.
        ClearEntry(m_state.m_entry);
        ViewUpdate update = FormReset(m_state.m_bReal);
        update.showEnemyData = m_state.m_nHp != 0 || m_state.m_nDef != 0;
        return update;
    }
    ViewUpdate update = RebuiltList(m_state);
    LineCommands(update.buttons, false);
    update.buttons.clear = true;
    update.buttons.output = true;
    update.buttons.theory = true;
    update.modeCaption = m_state.m_bReal;
    update.showEnemyData = true;
    update.focus = ControlRole::Ceil;
    return update;
}

ViewUpdate ComboWorkbench::Step(bool undo) {
    const Snapshot* next = undo ? m_history.NextUndo() : m_history.NextRedo();
    if (!next)
        return Refusal();
    Snapshot current{m_state, m_filePath, next->changesFile};
    std::optional<Snapshot> restored =
        undo ? m_history.Undo(std::move(current)) : m_history.Redo(std::move(current));
    m_state = restored->state;
    if (restored->changesFile)
        m_filePath = restored->filePath;
    Changed();
    return ShowWhole();
}

ViewUpdate ComboWorkbench::Undo() {
    return Step(true);
}

ViewUpdate ComboWorkbench::Redo() {
    return Step(false);
}

ViewUpdate ComboWorkbench::DeleteLine(int line) {
    EditResult result = EditResult::Refused;
    Record("Delete Line", [&] {
        result = ::DeleteLine(m_state, line);
        if (result == EditResult::Done)
            ScoreCombo(m_state);
    });
    return result == EditResult::Refused ? Refusal() : ShowWhole();
}

ViewUpdate ComboWorkbench::DuplicateLine(int line) {
    EditResult result = EditResult::Refused;
    Record("Duplicate Line", [&] {
        result = ::DuplicateLine(m_state, line);
        if (result == EditResult::Done)
            ScoreCombo(m_state);
    });
    return result == EditResult::Refused ? Refusal() : ShowWhole();
}

ViewUpdate ComboWorkbench::New() {
    Record("New", [&] {
        m_state.ResetCombo();
        m_filePath.clear();
    });
    return ShowWhole();
}

ViewUpdate ComboWorkbench::TakeBestOrder(const BestOrderResult& result) {
    if (result.cancelled || !result.improved)
        return {};
    Record("Best Order", [&] { m_state = result.state; });
    return ShowWhole();
}

ViewUpdate ComboWorkbench::Restore(const std::string& label, const ComboState& combo) {
    Record(label.c_str(), [&] {
        m_state = combo;
        m_filePath.clear();
    });
    return ShowWhole();
}

ComboWorkbench::OpenResult ComboWorkbench::Open(const std::string& path) {
    ComboFileResult loaded = LoadComboFile(path);
    if (auto* error = std::get_if<ComboFileError>(&loaded))
        return std::move(*error);
    Record("Open", [&] {
        m_state = std::get<ComboState>(std::move(loaded));
        m_filePath = path;
    });
    m_onDisk[path] = m_state;
    return ShowWhole();
}

WriteOutcome ComboWorkbench::SaveAs(const std::string& path) {
    WriteOutcome outcome = SaveComboFile(path, m_state);
    if (outcome.ok) {
        m_filePath = path;
        m_onDisk[path] = m_state;
    }
    return outcome;
}

bool ComboWorkbench::HasUnsavedChanges() const {
    if (m_filePath.empty())
        return false;
    const auto known = m_onDisk.find(m_filePath);
    return known == m_onDisk.end() || !SameComboContent(known->second, m_state);
}

bool ComboWorkbench::MayLeave(const std::function<SaveAnswer()>& ask,
                              const std::function<bool()>& save) const {
    if (!HasUnsavedChanges())
        return true;
    switch (ask()) {
    case SaveAnswer::Save:
        return save();
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        return false;
    }
    return false;
}

std::string ComboWorkbench::WindowTitle(const std::string& base) const {
    if (m_filePath.empty())
        return base;
    return FileName(m_filePath) + "[*] - " + base;
}
