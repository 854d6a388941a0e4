// SPDX-License-Identifier: MIT
// Delete Line and Duplicate Line on the selected line of the list, from its
// context menu or its keys.
#include "window/CComboCalcDlg.h"

#include "window/Feedback.h"
#include "window/controls/ComboListBox.h"
#include "model/ComboEditor.h"
#include "scoring/Scoring.h"

#include <QMenu>

void CComboCalcDlg::OnDeleteLine() {
    const ComboState before = m_state;
    if (DeleteLine(m_state, SelectedLine()) == EditResult::Refused) {
        Feedback::Beep();
        return;
    }
    ScoreCombo(m_state);
    RecordChange("Delete Line", before);
    ShowWholeCombo();
}

void CComboCalcDlg::OnDuplicateLine() {
    const ComboState before = m_state;
    if (DuplicateLine(m_state, SelectedLine()) == EditResult::Refused) {
        Feedback::Beep();
        return;
    }
    ScoreCombo(m_state);
    RecordChange("Duplicate Line", before);
    ShowWholeCombo();
}

void CComboCalcDlg::ShowListMenu(const QPoint& pos) {
    const int line = SelectedLine();
    const bool onLine = line >= 0 && line <= m_state.m_nLast;
    QMenu menu(this);
    QAction* remove = menu.addAction(QStringLiteral("&Delete Line\tDel"));
    remove->setEnabled(onLine);
    connect(remove, &QAction::triggered, this, &CComboCalcDlg::OnDeleteLine);
    QAction* copy = menu.addAction(QStringLiteral("D&uplicate Line\tCtrl+D"));
    copy->setEnabled(onLine && m_state.m_nLast < kLastRow);
    connect(copy, &QAction::triggered, this, &CComboCalcDlg::OnDuplicateLine);
    menu.exec(m_listCombo->viewport()->mapToGlobal(pos));
}
