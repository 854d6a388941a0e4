// SPDX-License-Identifier: MIT
// Undo and redo of changes to the combo, and the keys that reach them from
// inside a number edit.
#include "window/CComboCalcDlg.h"

#include "window/Feedback.h"
#include "model/ComboContent.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

bool IsUndoKey(const QKeyEvent* key) {
    return key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Z);
}

bool IsRedoKey(const QKeyEvent* key) {
    return key->keyCombination() ==
               QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z) ||
           key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
}

} // namespace

void CComboCalcDlg::RecordChange(const char* label, const ComboState& before) {
    // A command that left the combo as it was (Modify with the same values,
    // say) is no step to take back.
    if (!SameComboContent(before, m_state))
        m_history.Record(label, before);
}

void CComboCalcDlg::ShowWholeCombo() {
    m_state.m_nSel = -1;
    if (m_state.m_nLast < 0) {
        // An empty combo looks as after Clear; the mode caption still tells
        // the mode the model is in, and HP and defence other than the fresh
        // zeros stay visible.
        ClearEntry(m_state.m_entry);
        ResetControls();
        m_btnTheory->setText(ModeCaption(m_state.m_bReal));
        if (m_state.m_nHp != 0 || m_state.m_nDef != 0) {
            m_editHp->setText(QString::number(m_state.m_nHp));
            m_editDef->setText(QString::number(m_state.m_nDef));
        }
        return;
    }
    RebuildComboList();
    EnableLineCommands(false);
    EnableComboCommands();
    m_btnTheory->setEnabled(true);
    m_btnTheory->setText(ModeCaption(m_state.m_bReal));
    m_editHp->setText(QString::number(m_state.m_nHp));
    m_editDef->setText(QString::number(m_state.m_nDef));
    m_rdoCeil->setFocus();
}

void CComboCalcDlg::OnUndo() {
    std::optional<ComboState> restored = m_history.Undo(m_state);
    if (!restored) {
        Feedback::Beep();
        return;
    }
    m_state = *restored;
    ShowWholeCombo();
}

void CComboCalcDlg::OnRedo() {
    std::optional<ComboState> restored = m_history.Redo(m_state);
    if (!restored) {
        Feedback::Beep();
        return;
    }
    m_state = *restored;
    ShowWholeCombo();
}

bool CComboCalcDlg::eventFilter(QObject* watched, QEvent* event) {
    // A number edit takes Ctrl+Z and the redo keys for its own typing. Once it
    // has no typing to take back, the keys go on to the combo's history.
    if (watched == m_btnOutput && event->type() == QEvent::ToolTip)
        SetStaticTooltips(); // the current folder may have changed
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* edit = qobject_cast<QLineEdit*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (edit && ((IsUndoKey(key) && !edit->isUndoAvailable()) ||
                     (IsRedoKey(key) && !edit->isRedoAvailable()))) {
            event->ignore();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
