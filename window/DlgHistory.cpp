// SPDX-License-Identifier: MIT
// Undo and redo of changes to the combo, and the keys that reach them from
// inside a number edit.
#include "window/CComboCalcDlg.h"

#include "window/Feedback.h"
#include "window/WindowActions.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

void CComboCalcDlg::OnUndo() {
    Apply(m_workbench.Undo());
}

void CComboCalcDlg::OnRedo() {
    Apply(m_workbench.Redo());
}

bool CComboCalcDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_btnOutput && event->type() == QEvent::ToolTip)
        SetStaticTooltips(); // the current folder may have changed
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return QDialog::eventFilter(watched, event);

    // A number edit takes Ctrl+Z and the redo keys for its own typing. Once it
    // has no typing to take back, the keys go on to the combo's history.
    const auto& key = *static_cast<QKeyEvent*>(event);
    const auto* edit = qobject_cast<QLineEdit*>(widget);
    const bool undoKey = m_actions->IsShortcutOf(WindowCommand::Undo, key);
    const bool redoKey = m_actions->IsShortcutOf(WindowCommand::Redo, key);
    const bool editTakes =
        edit && ((undoKey && edit->isUndoAvailable()) || (redoKey && edit->isRedoAvailable()));
    if (event->type() == QEvent::ShortcutOverride) {
        if (edit && (undoKey || redoKey) && !editTakes) {
            event->ignore(); // the window's Undo or Redo takes the key
            return true;
        }
        return QDialog::eventFilter(watched, event);
    }
    // A key press that got this far matched no enabled command: the key of a
    // command with nothing to work on beeps, as the command would.
    if (!editTakes && m_actions->IsDisabledShortcut(key, widget)) {
        Feedback::Beep();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
