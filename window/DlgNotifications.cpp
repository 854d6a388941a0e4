// SPDX-License-Identifier: MIT
// Routing of the controls' notifications and the reset state of the controls.
#include "window/CComboCalcDlg.h"

#include "window/TemplateBuilder.h"
#include "window/controls/ComboListBox.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <QPushButton>
#include <QRadioButton>

namespace {
constexpr int kNumberEditLimit = 3;
} // namespace

void CComboCalcDlg::ConnectNotifications(const BuiltDialog& built) {
    // Exit carries the cancel identity: like Escape and the close box, it ends
    // the dialog. No member refers to it.
    connect(built.Control<QPushButton>(Ctl::Exit), &QPushButton::clicked, this, &QDialog::reject);

    // Buttons report clicks only: a check state set from code must not run a
    // handler, so nothing here listens to toggled().
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
    onClick(m_rdoCeil, &CComboCalcDlg::OnCeil);
    onClick(m_rdoWall, &CComboCalcDlg::OnWall);
    onClick(m_rdoFloor, &CComboCalcDlg::OnFloor);
    onClick(m_rdoExtra, &CComboCalcDlg::OnExtra);
    onClick(m_rdoOn, &CComboCalcDlg::OnCalcOn);
    onClick(m_rdoOff, &CComboCalcDlg::OnCalcOff);
    onClick(m_chkAirier, &CComboCalcDlg::OnAirier);
    onClick(m_chkCore, &CComboCalcDlg::OnCore);
    onClick(m_chkCounter, &CComboCalcDlg::OnCounter);
    onClick(m_chkDouble, &CComboCalcDlg::OnDouble);
    onClick(m_chkLinkTrap, &CComboCalcDlg::OnLinkTrap);
    onClick(m_chkLongRange, &CComboCalcDlg::OnLongRange);
    onClick(m_chkRapidChain, &CComboCalcDlg::OnRapidChain);
    onClick(m_chkOption, &CComboCalcDlg::OnOption);
    onClick(m_chkUnDefence, &CComboCalcDlg::OnUnDifence);

    // textChanged fires for the program's own writes too, which the digit
    // filter relies on: its write-back runs the filter again.
    connect(m_editHp, &QLineEdit::textChanged, this, &CComboCalcDlg::OnUpdateHp);
    connect(m_editDef, &QLineEdit::textChanged, this, &CComboCalcDlg::OnUpdateDef);
    connect(m_editDamage, &QLineEdit::textChanged, this, &CComboCalcDlg::OnUpdateDamage);

    // Only a person's choice of a line runs the selection handler; the list
    // box reports nothing for the program's own clearing and selecting.
    connect(m_listCombo, &ComboListBox::userSelectionChanged, this,
            &CComboCalcDlg::OnSelchangeList);
}

void CComboCalcDlg::ResetControls() {
    m_listCombo->clear();
    m_listCombo->setCurrentRow(-1);

    m_rdoOn->setChecked(true);
    m_rdoOff->setChecked(false);
    m_rdoCeil->setChecked(true);
    for (QRadioButton* other : {m_rdoWall, m_rdoFloor, m_rdoExtra})
        other->setChecked(false);

    for (QCheckBox* box : {m_chkUnDefence, m_chkAirier, m_chkCore, m_chkCounter, m_chkDouble,
                           m_chkLinkTrap, m_chkLongRange, m_chkRapidChain, m_chkOption})
        box->setChecked(false);

    m_btnAdd->setEnabled(true);
    for (QPushButton* button :
         {m_btnModify, m_btnRemove, m_btnOutput, m_btnClear, m_btnUp, m_btnDown, m_btnTheory})
        button->setEnabled(false);
    m_btnTheory->setText(ModeCaption(0));

    for (QLineEdit* edit : {m_editHp, m_editDef}) {
        edit->setEnabled(true);
        edit->setMaxLength(kNumberEditLimit);
        edit->setText(QString()); // and no typing left to undo
    }
    m_editDamage->setMaxLength(kNumberEditLimit);
    m_editDamage->setText(QString());

    m_cmbKovRate->setCurrentIndex(kDefaultKovRateIndex);
    m_cmbHitRate->setCurrentIndex(0);
    m_cmbHitCount->setCurrentIndex(0);
    m_cmbHitRate->setEnabled(true);
    m_cmbLinkCount->setCurrentIndex(-1);
    m_cmbLinkCount->setEnabled(false);

    m_editHp->setFocus();
}
