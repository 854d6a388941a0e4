// SPDX-License-Identifier: MIT
// The window's own commands: the window menu with the About entry, and the
// icon painted while the window is minimised.
#include "window/CComboCalcDlg.h"

#include "window/ComboListView.h"
#include "window/WindowActions.h"
#include "window/controls/ComboListBox.h"
#include "window/templates/DialogTemplate.h"
#include "window/templates/ProgramIcon.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QPainter>

namespace {
// Window-menu command numbers, as the window system numbers them.
constexpr unsigned kScMinimize = 0xF020;
constexpr unsigned kScClose = 0xF060;
constexpr unsigned kScRestore = 0xF120;
// The low four bits of a window-menu command belong to the window system.
constexpr unsigned kCommandMask = 0xFFF0;
} // namespace

void CComboCalcDlg::OnSysCommand(unsigned nID, std::intptr_t /*lParam*/) {
    switch (nID & kCommandMask) {
    case kIdmAboutBox:
        if (m_aboutBoxOpener)
            m_aboutBoxOpener(this);
        break;
    case kScMinimize:
        showMinimized();
        break;
    case kScRestore:
        showNormal();
        break;
    case kScClose:
        close();
        break;
    default:
        break;
    }
}

void CComboCalcDlg::CreateActions() {
    m_actions = new WindowActions(this, m_listCombo);
    using C = WindowCommand;
    const auto handle = [this](C command, auto handler) {
        m_actions->SetHandler(command, [this, handler] { (this->*handler)(); });
    };
    const auto rule = [this](C command, WorkbenchCommand workbenchCommand) {
        m_actions->SetEnablingRule(command, [this, workbenchCommand] {
            return m_workbench.IsEnabled(workbenchCommand, m_list->SelectedLine());
        });
    };
    handle(C::Undo, &CComboCalcDlg::OnUndo);
    rule(C::Undo, WorkbenchCommand::Undo);
    m_actions->SetLabelSource(C::Undo, [this] { return m_workbench.UndoLabel(); });
    handle(C::Redo, &CComboCalcDlg::OnRedo);
    rule(C::Redo, WorkbenchCommand::Redo);
    m_actions->SetLabelSource(C::Redo, [this] { return m_workbench.RedoLabel(); });
    handle(C::New, &CComboCalcDlg::OnNew);
    handle(C::Open, &CComboCalcDlg::OnOpenFile);
    m_actions->SetHandler(C::Save, [this] { OnSaveFile(); });
    m_actions->SetHandler(C::SaveAs, [this] { OnSaveFileAs(); });
    handle(C::RestoreLastCombo, &CComboCalcDlg::OnRestoreLastCombo);
    handle(C::CopyReport, &CComboCalcDlg::OnCopyReport);
    rule(C::CopyReport, WorkbenchCommand::CopyReport);
    handle(C::BestOrder, &CComboCalcDlg::OnBestOrder);
    rule(C::BestOrder, WorkbenchCommand::BestOrder);
    handle(C::DeleteLine, &CComboCalcDlg::OnDeleteLine);
    rule(C::DeleteLine, WorkbenchCommand::DeleteLine);
    handle(C::DuplicateLine, &CComboCalcDlg::OnDuplicateLine);
    rule(C::DuplicateLine, WorkbenchCommand::DuplicateLine);
    handle(C::WindowMenu, &CComboCalcDlg::OpenWindowMenuFromKeyboard);

    m_listCombo->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_listCombo, &QWidget::customContextMenuRequested, this, &CComboCalcDlg::ShowListMenu);
}

void CComboCalcDlg::OpenWindowMenuFromKeyboard() {
    // As the menu key does: the focused control's own menu, else the window's.
    QWidget* target = focusWidget() ? focusWidget() : this;
    const QPoint pos = target->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, pos, target->mapToGlobal(pos));
    QCoreApplication::sendEvent(target, &event);
}

void CComboCalcDlg::PopulateWindowMenu(QMenu& menu) {
    using C = WindowCommand;
    const C separator = C::Count;
    m_actions->AddTo(menu, {C::Undo, C::Redo, separator, C::New, C::Open, C::Save, C::SaveAs,
                            C::RestoreLastCombo, separator, C::CopyReport, C::BestOrder});
    menu.addSeparator();

    // On Linux the title bar's menu belongs to the window manager, so the
    // window offers its own commands here.
    const auto add = [this, &menu](const QString& text, unsigned command, bool enabled) {
        QAction* action = menu.addAction(text);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, [this, command] { OnSysCommand(command, 0); });
    };
    add(QStringLiteral("&Restore"), kScRestore, isMinimized());
    add(QStringLiteral("Mi&nimize"), kScMinimize, !isMinimized());
    add(QStringLiteral("&Close\tAlt+F4"), kScClose, true);

    const QString about = QString::fromUtf8(AboutMenuString());
    if (!about.isEmpty()) {
        menu.addSeparator();
        add(about, kIdmAboutBox, true);
    }
}

void CComboCalcDlg::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    PopulateWindowMenu(menu);
    menu.exec(event->globalPos());
}

void CComboCalcDlg::paintEvent(QPaintEvent* event) {
    if (!isMinimized()) {
        QDialog::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const int x = (width() - kProgramIconSize + 1) / 2;
    const int y = (height() - kProgramIconSize + 1) / 2;
    m_hIcon.paint(&painter, x, y, kProgramIconSize, kProgramIconSize);
}
