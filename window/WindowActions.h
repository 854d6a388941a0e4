// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <initializer_list>

class QAction;
class QKeyEvent;
class QMenu;
class QWidget;

// The window's commands beyond its buttons.
enum class WindowCommand {
    Undo,
    Redo,
    New,
    Open,
    Save,
    SaveAs,
    RestoreLastCombo,
    CopyReport,
    BestOrder,
    DeleteLine,
    DuplicateLine,
    WindowMenu,
    Count
};

// One QAction per command, made here and nowhere else: its text, its keys and
// the rule that enables it, shared by the window menu, the list's context menu
// and the keys, so that they cannot disagree. A disabled command's key is not
// lost: the window beeps for it, as for any command with nothing to work on.
class WindowActions : public QObject {
    Q_OBJECT

public:
    // Window-wide keys work in `window`; the line commands' keys only while
    // `list` has the focus (Delete in an edit deletes a character).
    WindowActions(QWidget* window, QWidget* list);

    void SetHandler(WindowCommand command, std::function<void()> handler);
    // Whether a menu offers the command now; without a rule it always does.
    void SetEnablingRule(WindowCommand command, std::function<bool()> rule);
    // The name of what Undo or Redo would take back, for the menu's text.
    void SetLabelSource(WindowCommand command, std::function<std::string()> label);

    // Enables each command by its rule; the window calls it after every change.
    void Refresh();
    // Whether `key` is the key of a command that is disabled now, where the
    // focus is `focus`.
    bool IsDisabledShortcut(const QKeyEvent& key, const QWidget* focus) const;
    // Whether `key` is one of the command's keys.
    bool IsShortcutOf(WindowCommand command, const QKeyEvent& key) const;

    // Adds the commands to `menu` (WindowCommand::Count stands for a
    // separator), each enabled by its rule.
    void AddTo(QMenu& menu, std::initializer_list<WindowCommand> commands);

private:
    struct Entry {
        QAction* action = nullptr;
        QString text; // "&Undo", the keys' text follows a tab
        QString keys;
        std::function<void()> handler;
        std::function<bool()> enabled;
        std::function<std::string()> label;
    };

    static bool IsEnabled(const Entry& entry);
    Entry& At(WindowCommand command);
    const Entry& At(WindowCommand command) const;

    std::array<Entry, static_cast<std::size_t>(WindowCommand::Count)> m_entries;
};
