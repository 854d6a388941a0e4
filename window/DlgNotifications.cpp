// SPDX-License-Identifier: MIT
// Routing of the command buttons' and the list's notifications.
#include "window/CComboCalcDlg.h"

#include "window/TemplateBuilder.h"
#include "window/controls/ComboListBox.h"

#include <QPushButton>

void CComboCalcDlg::ConnectButtons(const BuiltDialog& built) {
    // Exit carries the cancel identity: like Escape and the close box, it ends
    // the dialog. No member refers to it.
    connect(built.Control<QPushButton>(Ctl::Exit), &QPushButton::clicked, this, &QDialog::reject);

    const auto onClick = [this](QAbstractButton* button, void (CComboCalcDlg::*handler)()) {
        connect(button, &QAbstractButton::clicked, this, handler);
    };
    onClick(m_btnAdd, &CComboCalcDlg::OnOK);
    onClick(m_btnModify, &CComboCalcDlg::OnModify);
    onClick(m_btnRemove, &CComboCalcDlg::OnRemove);
    onClick(m_btnClear, &CComboCalcDlg::OnClear);
    onClick(m_btnOutput, &CComboCalcDlg::OnOutput);
    onClick(m_btnDown, &CComboCalcDlg::OnDown);
    onClick(m_btnUp, &CComboCalcDlg::OnUp);
    onClick(m_btnTheory, &CComboCalcDlg::OnTheory);

    // Only a person's choice of a line runs the selection handler; the list
    // box reports nothing for the program's own clearing and selecting.
    connect(m_listCombo, &ComboListBox::userSelectionChanged, this,
            &CComboCalcDlg::OnSelchangeList);
}
