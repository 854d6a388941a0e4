// SPDX-License-Identifier: MIT
// The window's own commands: the window menu with the About entry, and the
// icon painted while the window is minimised.
#include "window/CComboCalcDlg.h"

#include "window/controls/ComboListBox.h"
#include "window/templates/DialogTemplate.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

namespace {
// Window-menu command numbers, as the window system numbers them.
constexpr unsigned kScMinimize = 0xF020;
constexpr unsigned kScClose = 0xF060;
constexpr unsigned kScRestore = 0xF120;
// The low four bits of a window-menu command belong to the window system.
constexpr unsigned kCommandMask = 0xFFF0;
constexpr int kIconSize = 32;
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

void CComboCalcDlg::CreateShortcuts() {
    // The keys work wherever the focus is in the window; a command with
    // nothing to work on beeps. The menus show the same keys.
    const auto bind = [this](QWidget* owner, Qt::ShortcutContext context,
                             std::initializer_list<QKeySequence> keys, auto handler) {
        auto* action = new QAction(owner);
        action->setShortcuts(QList<QKeySequence>(keys));
        action->setShortcutContext(context);
        connect(action, &QAction::triggered, this, handler);
        owner->addAction(action);
    };
    const auto window = Qt::WindowShortcut;
    bind(this, window, {QKeySequence(Qt::CTRL | Qt::Key_Z)}, &CComboCalcDlg::OnUndo);
    bind(this, window,
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
         &CComboCalcDlg::OnRedo);
    bind(this, window, {QKeySequence(Qt::CTRL | Qt::Key_O)}, &CComboCalcDlg::OnOpenFile);
    bind(this, window, {QKeySequence(Qt::CTRL | Qt::Key_S)}, &CComboCalcDlg::OnSaveFile);
    bind(this, window, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
         &CComboCalcDlg::OnSaveFileAs);
    bind(this, window, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
         &CComboCalcDlg::OnCopyReport);
    bind(this, window, {QKeySequence(Qt::CTRL | Qt::Key_B)}, &CComboCalcDlg::OnBestOrder);
    // Line operations belong to the list: Delete in an edit deletes a character.
    bind(m_listCombo, Qt::WidgetShortcut, {QKeySequence(Qt::Key_Delete)},
         &CComboCalcDlg::OnDeleteLine);
    bind(m_listCombo, Qt::WidgetShortcut, {QKeySequence(Qt::CTRL | Qt::Key_D)},
         &CComboCalcDlg::OnDuplicateLine);
    m_listCombo->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_listCombo, &QWidget::customContextMenuRequested, this, &CComboCalcDlg::ShowListMenu);
}

void CComboCalcDlg::AddHistoryEntries(QMenu& menu) {
    const auto entry = [](const char* verb, const std::string& label, const char* keys) {
        QString text = QString::fromLatin1(verb);
        if (!label.empty())
            text += QLatin1Char(' ') + QString::fromStdString(label);
        return text + QLatin1Char('\t') + QString::fromLatin1(keys);
    };
    QAction* undo = menu.addAction(entry("&Undo", m_history.UndoLabel(), "Ctrl+Z"));
    undo->setEnabled(m_history.CanUndo());
    connect(undo, &QAction::triggered, this, &CComboCalcDlg::OnUndo);
    QAction* redo = menu.addAction(entry("&Redo", m_history.RedoLabel(), "Ctrl+Shift+Z"));
    redo->setEnabled(m_history.CanRedo());
    connect(redo, &QAction::triggered, this, &CComboCalcDlg::OnRedo);
}

void CComboCalcDlg::AddWorkbenchEntries(QMenu& menu) {
    const auto add = [this, &menu](const char* text, bool enabled, auto handler) {
        QAction* action = menu.addAction(QString::fromLatin1(text));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, handler);
    };
    add("&Open...\tCtrl+O", true, &CComboCalcDlg::OnOpenFile);
    add("&Save\tCtrl+S", true, &CComboCalcDlg::OnSaveFile);
    add("Save &As...\tCtrl+Shift+S", true, &CComboCalcDlg::OnSaveFileAs);
    menu.addSeparator();
    add("Copy Re&port\tCtrl+Shift+C", m_state.m_nLast >= 0, &CComboCalcDlg::OnCopyReport);
    add("&Best Order\tCtrl+B", UnitCount() >= 2, &CComboCalcDlg::OnBestOrder);
}

void CComboCalcDlg::PopulateWindowMenu(QMenu& menu) {
    AddHistoryEntries(menu);
    menu.addSeparator();
    AddWorkbenchEntries(menu);
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
    const int x = (width() - kIconSize + 1) / 2;
    const int y = (height() - kIconSize + 1) / 2;
    m_hIcon.paint(&painter, x, y, kIconSize, kIconSize);
}
