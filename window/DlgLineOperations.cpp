// SPDX-License-Identifier: MIT
// Delete Line and Duplicate Line on the selected line of the list, from its
// context menu or its keys.
#include "window/CComboCalcDlg.h"

#include "window/ComboListView.h"
#include "window/WindowActions.h"
#include "window/controls/ComboListBox.h"

#include <QMenu>

void CComboCalcDlg::OnDeleteLine() {
    Apply(m_workbench.DeleteLine(m_list->SelectedLine()));
}

void CComboCalcDlg::OnDuplicateLine() {
    Apply(m_workbench.DuplicateLine(m_list->SelectedLine()));
}

void CComboCalcDlg::ShowListMenu(const QPoint& pos) {
    QMenu menu(this);
    m_actions->AddTo(menu, {WindowCommand::DeleteLine, WindowCommand::DuplicateLine});
    menu.exec(m_listCombo->viewport()->mapToGlobal(pos));
}
