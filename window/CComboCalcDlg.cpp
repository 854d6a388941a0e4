// SPDX-License-Identifier: MIT
#include "window/CComboCalcDlg.h"

#include "text/ModeName.h"
#include "window/BestOrderRunner.h"
#include "window/ComboListView.h"
#include "window/EntryForm.h"
#include "window/Feedback.h"
#include "window/TemplateBuilder.h"
#include "window/WindowActions.h"
#include "window/controls/ComboListBox.h"
#include "window/templates/DialogTemplate.h"
#include "window/templates/ProgramIcon.h"
#include "workbench/RecoveryFile.h"

#include <QApplication>
#include <QPushButton>

#include <cstdlib>

namespace {

QString ModeCaption(std::int32_t real) {
    const std::string_view name = ModeName(real);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

CComboCalcDlg::CComboCalcDlg(QWidget* parent) : QDialog(parent), m_hIcon(ProgramIcon()) {
    // What the window framework does before the program's own initialisation:
    // the controls from the template, their initial lists, the members bound.
    const BuiltDialog built = BuildDialog(this, MainDialogTemplate());
    m_form = new EntryForm(built, m_workbench, this);
    BindButtons(built);
    m_list = new ComboListView(m_listCombo, this);
    m_bestOrderRunner = new BestOrderRunner(this);
    ConnectButtons(built);
    OnInitDialog();
}

CComboCalcDlg::~CComboCalcDlg() = default;

void CComboCalcDlg::BindButtons(const BuiltDialog& built) {
    const auto bind = [&built](auto*& member, int id) { BindControl(built, member, id); };
    bind(m_btnAdd, Ctl::Add);
    bind(m_btnModify, Ctl::Modify);
    bind(m_btnClear, Ctl::Clear);
    bind(m_btnRemove, Ctl::Remove);
    bind(m_btnOutput, Ctl::Output);
    bind(m_btnDown, Ctl::Down);
    bind(m_btnUp, Ctl::Up);
    bind(m_btnTheory, Ctl::Theory);
    bind(m_listCombo, Ctl::List);
}

void CComboCalcDlg::OnInitDialog() {
    // The About entry lives in the window menu (PopulateWindowMenu), which is
    // built when it is opened, so there is nothing to append here.
    setWindowIcon(m_hIcon);
    m_title = windowTitle().toStdString();
    Apply(m_workbench.ShowCombo());
    CreateActions();
    SetStaticTooltips();
    setRecoveryFile(RecoveryFile::DefaultPath(std::getenv("XDG_STATE_HOME"), std::getenv("HOME")));
    // Keys reach the window's controls through here first (see eventFilter).
    qApp->installEventFilter(this);
}

void CComboCalcDlg::setRecoveryFile(const std::string& path) {
    m_recovery = std::make_unique<RecoveryFile>(path);
    m_workbench.SetChangeListener([this](const ComboState& state) { m_recovery->Keep(state); });
}

QWidget* CComboCalcDlg::ControlFor(ControlRole role) const {
    switch (role) {
    case ControlRole::None:
        return nullptr;
    case ControlRole::Add:
        return m_btnAdd;
    case ControlRole::Modify:
        return m_btnModify;
    case ControlRole::Remove:
        return m_btnRemove;
    case ControlRole::Clear:
        return m_btnClear;
    case ControlRole::Output:
        return m_btnOutput;
    case ControlRole::Down:
        return m_btnDown;
    case ControlRole::Up:
        return m_btnUp;
    case ControlRole::Theory:
        return m_btnTheory;
    default:
        return m_form->Control(role);
    }
}

void CComboCalcDlg::Apply(const ViewUpdate& update) {
    if (update.beep)
        Feedback::Beep();
    if (update.resetForm) {
        m_list->Clear();
        m_form->ResetControls();
    }
    if (update.rebuildList) {
        m_list->Rebuild(State());
        m_form->ShowEntry(State().m_entry);
    }
    if (update.selectLine) {
        m_list->SelectLine(*update.selectLine);
        m_form->ShowEntry(State().m_table[*update.selectLine]);
    }
    const ButtonStates& buttons = update.buttons;
    const std::pair<const std::optional<bool>&, QPushButton*> states[] = {
        {buttons.add, m_btnAdd},     {buttons.modify, m_btnModify}, {buttons.remove, m_btnRemove},
        {buttons.clear, m_btnClear}, {buttons.output, m_btnOutput}, {buttons.down, m_btnDown},
        {buttons.up, m_btnUp},       {buttons.theory, m_btnTheory},
    };
    for (const auto& [enabled, button] : states) {
        if (enabled)
            button->setEnabled(*enabled);
    }
    if (update.modeCaption)
        m_btnTheory->setText(ModeCaption(*update.modeCaption));
    if (update.showEnemyData)
        m_form->ShowEnemyData(State().m_nHp, State().m_nDef);
    if (QWidget* focus = ControlFor(update.focus))
        focus->setFocus();
    UpdateTitle();
    if (m_actions)
        m_actions->Refresh();
}

void CComboCalcDlg::UpdateTitle() {
    // With a file the title carries Qt's "[*]", shown while there are
    // unsaved changes; without one it is the template's caption.
    setWindowTitle(QString::fromStdString(m_workbench.WindowTitle(m_title)));
    setWindowModified(m_workbench.HasUnsavedChanges());
}
