// The window's own commands: the window menu with the About entry, and the
// icon painted while the window is minimised.
#include "dialog/CComboCalcDlg.h"

#include "resources/DialogTemplate.h"

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

void CComboCalcDlg::PopulateWindowMenu(QMenu& menu) {
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
