// SPDX-License-Identifier: MIT
// The editing commands and the list selection. Each leaves the buttons'
// enabled states and the focus in a fixed pattern; a refusal only beeps.
#include "window/CComboCalcDlg.h"

#include "window/Feedback.h"
#include "window/controls/ComboListBox.h"
#include "text/ModeName.h"
#include "model/ComboEditor.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

int CComboCalcDlg::SelectedLine() const {
    return m_listCombo->selectedRow();
}

void CComboCalcDlg::SelectLine(int line) {
    m_listCombo->setCurrentRow(line, QItemSelectionModel::ClearAndSelect);
}

void CComboCalcDlg::EnableLineCommands(bool enabled) {
    for (QPushButton* button : {m_btnModify, m_btnRemove, m_btnDown, m_btnUp})
        button->setEnabled(enabled);
}

void CComboCalcDlg::EnableComboCommands() {
    m_btnClear->setEnabled(true);
    m_btnOutput->setEnabled(true);
}

QString CComboCalcDlg::ModeCaption(std::int32_t real) {
    const std::string_view name = ModeName(real);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

void CComboCalcDlg::OnOK() {
    if (!ValidateEntry())
        return;
    const ComboState before = m_state;
    AddEntry(m_state, CaptureEntry());
    Recalculate();
    RecordChange("Add", before);
    EnableLineCommands(false);
    EnableComboCommands();
    m_btnTheory->setEnabled(true);
    m_rdoCeil->setFocus();
}

void CComboCalcDlg::OnModify() {
    // Modify is enabled only while a line of the combo is selected.
    if (!CanModify(m_state)) {
        Feedback::Beep();
        return;
    }
    if (!ValidateEntry())
        return;
    const ComboState before = m_state;
    ModifyEntry(m_state, CaptureEntry());
    Recalculate();
    RecordChange("Modify", before);
    EnableLineCommands(false);
    EnableComboCommands();
    m_rdoCeil->setFocus();
}

void CComboCalcDlg::OnRemove() {
    const ComboState before = m_state;
    switch (RemoveLine(m_state, SelectedLine())) {
    case RemoveResult::Refused:
        Feedback::Beep();
        return;
    case RemoveResult::Cleared:
        RecordChange("Remove", before);
        ResetControls();
        return;
    case RemoveResult::Truncated:
        Recalculate();
        RecordChange("Remove", before);
        EnableLineCommands(false);
        m_btnAdd->setEnabled(true);
        m_rdoCeil->setFocus();
        return;
    }
}

void CComboCalcDlg::OnClear() {
    const ComboState before = m_state;
    ClearCombo(m_state);
    RecordChange("Clear", before);
    ResetControls();
}

void CComboCalcDlg::OnOutput() {
    const AppendOutcome outcome = WriteResultsLog();
    if (outcome.ok) {
        Feedback::ShowMessageBox(this, Feedback::BoxIcon::Information, QStringLiteral("Log Output"),
                                 QStringLiteral("Complete"));
    } else {
        Feedback::ShowMessageBox(
            this, Feedback::BoxIcon::Warning, QStringLiteral("Log Output"),
            QStringLiteral("The report could not be written to %1: %2")
                .arg(QString::fromLatin1(kResultsFileName), QString::fromStdString(outcome.error)));
    }
}

void CComboCalcDlg::MoveSelectedLine(MoveDirection direction) {
    const ComboState before = m_state;
    const std::optional<int> moved = MoveLine(m_state, SelectedLine(), direction);
    if (!moved) {
        Feedback::Beep();
        return;
    }
    Recalculate();
    RecordChange(direction == MoveDirection::Down ? "Move Down" : "Move Up", before);
    if (*moved == kLastRow) {
        // No line follows row 14 to press down on again.
        m_rdoCeil->setFocus();
        return;
    }
    SelectLine(*moved);
    OnSelchangeList();
    (direction == MoveDirection::Down ? m_btnDown : m_btnUp)->setFocus();
}

void CComboCalcDlg::OnDown() {
    MoveSelectedLine(MoveDirection::Down);
}

void CComboCalcDlg::OnUp() {
    MoveSelectedLine(MoveDirection::Up);
}

void CComboCalcDlg::OnTheory() {
    if (!ValidateEntry())
        return;
    const ComboState before = m_state;
    SwitchMode(m_state, ReadNumberEdit(m_editHp), ReadNumberEdit(m_editDef));
    RecordChange("Theory/Real", before);
    m_btnTheory->setText(ModeCaption(m_state.m_bReal));
    Recalculate();
    m_btnTheory->setFocus();
}

void CComboCalcDlg::OnSelchangeList() {
    const int line = SelectedLine();
    if (line < 0 || line > m_state.m_nLast)
        return;
    m_state.m_nSel = line;
    ShowEntry(m_state.m_table[line]);
    EnableLineCommands(true);
}
