// SPDX-License-Identifier: MIT
// The command buttons and the list selection: each reads what it needs from
// the form and the list, and the workbench says what the controls become.
#include "window/CComboCalcDlg.h"

#include "report/ComboReport.h"
#include "report/ResultsLog.h"
#include "window/ComboListView.h"
#include "window/EntryForm.h"
#include "window/Feedback.h"

void CComboCalcDlg::OnOK() {
    if (!m_form->ValidateEntry())
        return;
    Apply(m_workbench.Add(m_form->CaptureEntry()));
}

void CComboCalcDlg::OnModify() {
    // Modify is enabled only while a line of the combo is selected.
    if (!m_workbench.CanModify()) {
        Feedback::Beep();
        return;
    }
    if (!m_form->ValidateEntry())
        return;
    Apply(m_workbench.Modify(m_form->CaptureEntry()));
}

void CComboCalcDlg::OnRemove() {
    Apply(m_workbench.Remove(m_list->SelectedLine()));
}

void CComboCalcDlg::OnClear() {
    Apply(m_workbench.Clear());
}

std::string CComboCalcDlg::ReportBlock() const {
    return BuildComboReport(State());
}

void CComboCalcDlg::OnOutput() {
    const WriteOutcome outcome = AppendResultsBlock(kResultsFileName, ReportBlock());
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
    Apply(m_workbench.Move(m_list->SelectedLine(), MoveDirection::Down));
}

void CComboCalcDlg::OnUp() {
    Apply(m_workbench.Move(m_list->SelectedLine(), MoveDirection::Up));
}

void CComboCalcDlg::OnTheory() {
    if (!m_form->ValidateEntry())
        return;
    Apply(m_workbench.SwitchMode(m_form->ReadHp(), m_form->ReadDef()));
}

void CComboCalcDlg::OnSelchangeList() {
    Apply(m_workbench.SelectLine(m_list->SelectedLine()));
}
