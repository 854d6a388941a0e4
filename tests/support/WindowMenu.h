// SPDX-License-Identifier: MIT
#pragma once

// The window menu as the window fills it, read by entry text.
#include "window/CComboCalcDlg.h"

#include <QAction>
#include <QMenu>

#include <memory>
#include <stdexcept>
#include <string>

class WindowMenu {
public:
    explicit WindowMenu(CComboCalcDlg& dlg) : m_menu(std::make_unique<QMenu>()) {
        dlg.PopulateWindowMenu(*m_menu);
    }

    // The entry whose text, up to the tab before its keys, is `text`.
    QAction* Entry(const QString& text) const {
        for (QAction* action : m_menu->actions()) {
            if (action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&')) == text)
                return action;
        }
        throw std::runtime_error("no menu entry " + text.toStdString());
    }

    // The entry at `index`: 0 is Undo, 1 is Redo, whatever they are named.
    QAction* At(int index) const { return m_menu->actions().at(index); }

    // Texts of all entries, "-" for a separator.
    QStringList Texts() const {
        QStringList texts;
        for (QAction* action : m_menu->actions())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return texts;
    }

private:
    std::unique_ptr<QMenu> m_menu;
};
