// SPDX-License-Identifier: MIT
#pragma once

#include "files/ComboFileError.h"
#include "files/SafeFileWrite.h"
#include "model/ComboEditor.h"
#include "model/ComboState.h"
#include "model/EntryCapture.h"
#include "model/UndoHistory.h"
#include "scoring/BestOrder.h"
#include "workbench/SaveAnswer.h"
#include "workbench/ViewUpdate.h"

#include <functional>
#include <map>
#include <string>
#include <variant>

// The commands beyond the window's buttons whose enabling follows the combo.
enum class WorkbenchCommand { Undo, Redo, DeleteLine, DuplicateLine, CopyReport, BestOrder };

// The combo a person works on, with everything that belongs to it: its undo
// history, the file it came from or went to, and what that file holds. Every
// change goes through here: one labelled undo step when the combo or its file
// changed, none otherwise. Each command answers with the ViewUpdate a front
// end applies to its controls, so every front end follows the same rules.
class ComboWorkbench {
public:
    using ChangeListener = std::function<void(const ComboState&)>;

    explicit ComboWorkbench(std::size_t historyLimit = kDefaultUndoLimit);

    const ComboState& State() const { return m_state; }
    // The form mirrors its Trap Data controls here as they change; the
    // working entry is no part of the combo's content.
    ComboEntry& WorkingEntry() { return m_state.m_entry; }

    // Called after every change of the combo's content, undo and redo included
    // (the recovery file listens here).
    void SetChangeListener(ChangeListener listener) { m_listener = std::move(listener); }

    // How the controls show the combo as it stands, with no line chosen (the
    // window as it opens).
    ViewUpdate ShowCombo() { return ShowWhole(); }

    // The window's buttons. The front end checks the form first (see
    // EntryCheck.h) and reads it into `capture`.
    ViewUpdate Add(const EntryCapture& capture);
    bool CanModify() const;
    ViewUpdate Modify(const EntryCapture& capture);
    ViewUpdate Remove(int line);
    ViewUpdate Clear();
    ViewUpdate Move(int line, MoveDirection direction);
    ViewUpdate SwitchMode(std::int32_t hp, std::int32_t def);
    // A person chose `line` in the list.
    ViewUpdate SelectLine(int line);

    // The commands beyond them.
    bool IsEnabled(WorkbenchCommand command, int selectedLine) const;
    ViewUpdate Undo();
    ViewUpdate Redo();
    std::string UndoLabel() const { return m_history.UndoLabel(); }
    std::string RedoLabel() const { return m_history.RedoLabel(); }
    ViewUpdate DeleteLine(int line);
    ViewUpdate DuplicateLine(int line);
    // The combo as at start-up, with no file.
    ViewUpdate New();
    // The combo a search found; nothing changes unless it scores higher.
    ViewUpdate TakeBestOrder(const BestOrderResult& result);
    // A combo from elsewhere (the recovery file) replaces this one and belongs
    // to no file, so that saving it can never overwrite the file shown before.
    ViewUpdate Restore(const std::string& label, const ComboState& combo);

    // Files. Open reads `path` and makes it the combo's file; a refused file
    // changes nothing.
    using OpenResult = std::variant<ViewUpdate, ComboFileError>;
    OpenResult Open(const std::string& path);
    // Writes the combo to `path`, which becomes its file on success.
    WriteOutcome SaveAs(const std::string& path);
    // The file the combo belongs to; empty when it never touched one.
    const std::string& FilePath() const { return m_filePath; }
    // The combo differs from what its file holds (never without a file).
    bool HasUnsavedChanges() const;
    // Whether the combo may be left (the window closed, another combo opened
    // or a new one begun): unsaved changes to a file are asked about first,
    // and a Save that fails or is cancelled keeps the combo.
    bool MayLeave(const std::function<SaveAnswer()>& ask, const std::function<bool()>& save) const;
    // The window title: `base` alone without a file, else the file's name
    // with Qt's "[*]" placeholder, which shows while there are unsaved changes.
    std::string WindowTitle(const std::string& base) const;

private:
    // One side of an undo step. Only steps that change the file (Open, New,
    // Restore) carry it back; other steps leave the file as it is now, so that
    // an undo after Save As stays with the file saved to.
    struct Snapshot {
        ComboState state;
        std::string filePath;
        bool changesFile = false;
    };

    // The one way a command changes the combo: `change` edits m_state (and
    // may set m_filePath); a step named `label` is recorded if anything
    // changed.
    template <class Change> void Record(const char* label, Change change);
    ViewUpdate Step(bool undo);
    ViewUpdate ShowWhole();
    ViewUpdate Rebuilt(ButtonStates buttons, ControlRole focus) const;
    void Changed();

    ComboState m_state;
    UndoHistory<Snapshot> m_history;
    std::string m_filePath;
    // What each file we opened or saved holds, as far as we know.
    std::map<std::string, ComboState> m_onDisk;
    ChangeListener m_listener;
};
