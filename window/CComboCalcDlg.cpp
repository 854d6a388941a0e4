// SPDX-License-Identifier: MIT
#include "window/CComboCalcDlg.h"

#include "window/TemplateBuilder.h"
#include "window/controls/ComboListBox.h"
#include "window/templates/DialogTemplate.h"
#include "window/templates/ProgramIcon.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

CComboCalcDlg::CComboCalcDlg(QWidget* parent) : QDialog(parent), m_hIcon(ProgramIcon()) {
    // What the window framework does before the program's own initialisation:
    // the controls from the template, their initial lists, the members bound.
    const BuiltDialog built = BuildDialog(this, MainDialogTemplate());
    BindControls(built);
    ConnectNotifications(built);
    OnInitDialog();
}

CComboCalcDlg::~CComboCalcDlg() = default;

void CComboCalcDlg::BindControls(const BuiltDialog& built) {
    // Each member is attached to the control with its identifier; a template
    // without one of them is a build error in all but name, so stop at once.
    const auto bind = [&built](auto*& member, int id) {
        using Control = std::remove_reference_t<decltype(*member)>;
        member = built.Control<Control>(id);
        if (!member)
            qFatal("control %d is missing from the main window's template", id);
    };
    bind(m_rdoOn, Ctl::On);
    bind(m_rdoOff, Ctl::Off);
    bind(m_rdoCeil, Ctl::Ceil);
    bind(m_rdoWall, Ctl::Wall);
    bind(m_rdoFloor, Ctl::Floor);
    bind(m_rdoExtra, Ctl::Extra);
    bind(m_btnAdd, Ctl::Add);
    bind(m_btnModify, Ctl::Modify);
    bind(m_btnClear, Ctl::Clear);
    bind(m_btnRemove, Ctl::Remove);
    bind(m_btnOutput, Ctl::Output);
    bind(m_btnDown, Ctl::Down);
    bind(m_btnUp, Ctl::Up);
    bind(m_btnTheory, Ctl::Theory);
    bind(m_chkAirier, Ctl::Airier);
    bind(m_chkCore, Ctl::Core);
    bind(m_chkCounter, Ctl::Counter);
    bind(m_chkDouble, Ctl::Double);
    bind(m_chkLinkTrap, Ctl::LinkTrap);
    bind(m_chkLongRange, Ctl::LongRange);
    bind(m_chkRapidChain, Ctl::RapidChain);
    bind(m_chkOption, Ctl::Option);
    bind(m_chkUnDefence, Ctl::UnDefence);
    bind(m_editHp, Ctl::Hp);
    bind(m_editDef, Ctl::Def);
    bind(m_editDamage, Ctl::Damage);
    bind(m_listCombo, Ctl::List);
    bind(m_cmbKovRate, Ctl::KovRate);
    bind(m_cmbHitRate, Ctl::HitRate);
    bind(m_cmbLinkCount, Ctl::LinkCount);
    bind(m_cmbHitCount, Ctl::HitCount);
}

void CComboCalcDlg::OnInitDialog() {
    // The About entry lives in the window menu (PopulateWindowMenu), which is
    // built when it is opened, so there is nothing to append here.
    setWindowIcon(m_hIcon);
    m_title = windowTitle();
    m_state.ResetCombo();
    ResetControls();
    CreateShortcuts();
    SetStaticTooltips();
    for (QWidget* watched :
         std::initializer_list<QWidget*>{m_editHp, m_editDef, m_editDamage, m_btnOutput})
        watched->installEventFilter(this);
}
