// The editing commands and the list selection. Each leaves the buttons'
// enabled states and the focus in a fixed pattern; a refusal only beeps.
#include "dialog/CComboCalcDlg.h"

#include "dialog/Feedback.h"
#include "dialog/controls/ComboListBox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

int CComboCalcDlg::SelectedLine() const {
    return m_listCombo->selectedRow();
}

void CComboCalcDlg::SelectLine(int line) {
    m_listCombo->setCurrentRow(line, QItemSelectionModel::ClearAndSelect);
}

void CComboCalcDlg::OnOK() {
    if (!ValidateEntry())
        return;
    m_state.m_nLast = CaptureEntry(m_state.m_nLast + 1);
    Recalculate();
    m_btnClear->setEnabled(true);
    m_btnOutput->setEnabled(true);
    m_btnDown->setEnabled(false);
    m_btnUp->setEnabled(false);
    m_btnTheory->setEnabled(true);
    m_rdoCeil->setFocus();
}

void CComboCalcDlg::OnModify() {
    // Modify is enabled only while a line of the combo is selected.
    if (m_state.m_nSel < 0 || m_state.m_nSel > m_state.m_nLast) {
        Feedback::Beep();
        return;
    }
    if (!ValidateEntry())
        return;
    const int last = CaptureEntry(m_state.m_nSel);
    if (last > m_state.m_nSel)
        m_state.m_nLast = last;
    Recalculate();
    m_btnModify->setEnabled(false);
    m_btnRemove->setEnabled(false);
    m_btnClear->setEnabled(true);
    m_btnOutput->setEnabled(true);
    m_btnDown->setEnabled(false);
    m_btnUp->setEnabled(false);
    m_rdoCeil->setFocus();
}

void CComboCalcDlg::OnRemove() {
    const int line = SelectedLine();
    if (line < 0) {
        Feedback::Beep();
        return;
    }
    if (line == 0) {
        OnClear();
        return;
    }
    m_state.TruncateFrom(line, true);
    Recalculate();
    m_btnRemove->setEnabled(false);
    m_btnModify->setEnabled(false);
    if (!m_btnAdd->isEnabled())
        m_btnAdd->setEnabled(true);
    m_btnDown->setEnabled(false);
    m_btnUp->setEnabled(false);
    m_rdoCeil->setFocus();
}

void CComboCalcDlg::OnClear() {
    m_state.ResetCombo();
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

void CComboCalcDlg::OnDown() {
    const int line = SelectedLine();
    if (line < 0 || line == kLastRow) {
        Feedback::Beep();
        return;
    }
    const int moved = m_state.SwapWithNeighbour(line, true);
    if (moved < 0) {
        Feedback::Beep();
        return;
    }
    Recalculate();
    if (moved == kLastRow) {
        // No line follows row 14 to press down on again.
        m_rdoCeil->setFocus();
        return;
    }
    SelectLine(moved);
    OnSelchangeList();
    m_btnDown->setFocus();
}

void CComboCalcDlg::OnUp() {
    const int line = SelectedLine();
    if (line <= 0) {
        Feedback::Beep();
        return;
    }
    const int moved = m_state.SwapWithNeighbour(line, false);
    if (moved < 0) {
        Feedback::Beep();
        return;
    }
    Recalculate();
    SelectLine(moved);
    OnSelchangeList();
    m_btnUp->setFocus();
}

void CComboCalcDlg::OnTheory() {
    if (!ValidateEntry())
        return;
    if (m_state.m_bReal) {
        m_btnTheory->setText(QStringLiteral("Theory"));
        m_state.m_bReal = 0;
    } else {
        m_btnTheory->setText(QStringLiteral("Real"));
        m_state.m_bReal = 1;
    }
    m_state.m_nHp = ReadNumberEdit(m_editHp);
    m_state.m_nDef = ReadNumberEdit(m_editDef);
    Recalculate();
    m_btnTheory->setFocus();
}

void CComboCalcDlg::OnSelchangeList() {
    const int line = SelectedLine();
    if (line < 0 || line > m_state.m_nLast)
        return;
    m_state.m_nSel = line;
    ShowEntry(m_state.m_table[line]);
    m_btnRemove->setEnabled(true);
    m_btnModify->setEnabled(true);
    m_btnDown->setEnabled(true);
    m_btnUp->setEnabled(true);
}
