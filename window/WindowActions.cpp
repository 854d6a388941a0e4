// SPDX-License-Identifier: MIT
#include "window/WindowActions.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

namespace {

struct Definition {
    WindowCommand command;
    const char* text;
    std::initializer_list<QKeyCombination> keys;
    bool onList; // the key works only while the list has the focus
};

const Definition kDefinitions[] = {
    {WindowCommand::Undo, "&Undo", {Qt::CTRL | Qt::Key_Z}, false},
    {WindowCommand::Redo, "&Redo", {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y}, false},
    {WindowCommand::New, "&New", {Qt::CTRL | Qt::Key_N}, false},
    {WindowCommand::Open, "&Open...", {Qt::CTRL | Qt::Key_O}, false},
    {WindowCommand::Save, "&Save", {Qt::CTRL | Qt::Key_S}, false},
    {WindowCommand::SaveAs, "Save &As...", {Qt::CTRL | Qt::SHIFT | Qt::Key_S}, false},
    {WindowCommand::RestoreLastCombo, "Restore &Last Combo", {}, false},
    {WindowCommand::CopyReport, "Copy Re&port", {Qt::CTRL | Qt::SHIFT | Qt::Key_C}, false},
    {WindowCommand::BestOrder, "&Best Order", {Qt::CTRL | Qt::Key_B}, false},
    {WindowCommand::DeleteLine, "&Delete Line", {QKeyCombination(Qt::Key_Delete)}, true},
    {WindowCommand::DuplicateLine, "D&uplicate Line", {Qt::CTRL | Qt::Key_D}, true},
    // The menu key's twin, as desktops have it.
    {WindowCommand::WindowMenu, "Window Menu", {Qt::SHIFT | Qt::Key_F10}, false},
};

} // namespace

WindowActions::WindowActions(QWidget* window, QWidget* list) : QObject(window) {
    for (const Definition& d : kDefinitions) {
        Entry& entry = At(d.command);
        QWidget* owner = d.onList ? list : window;
        entry.action = new QAction(owner);
        entry.text = QString::fromLatin1(d.text);
        QList<QKeySequence> keys;
        for (QKeyCombination key : d.keys)
            keys << QKeySequence(key);
        entry.action->setShortcuts(keys);
        entry.action->setShortcutContext(d.onList ? Qt::WidgetShortcut : Qt::WindowShortcut);
        if (!keys.isEmpty())
            entry.keys = keys.first().toString(QKeySequence::PortableText);
        entry.action->setText(entry.keys.isEmpty() ? entry.text
                                                   : entry.text + QLatin1Char('\t') + entry.keys);
        const WindowCommand command = d.command;
        connect(entry.action, &QAction::triggered, this, [this, command] {
            if (At(command).handler)
                At(command).handler();
        });
        owner->addAction(entry.action);
    }
}

WindowActions::Entry& WindowActions::At(WindowCommand command) {
    return m_entries[static_cast<std::size_t>(command)];
}

const WindowActions::Entry& WindowActions::At(WindowCommand command) const {
    return m_entries[static_cast<std::size_t>(command)];
}

void WindowActions::SetHandler(WindowCommand command, std::function<void()> handler) {
    At(command).handler = std::move(handler);
}

void WindowActions::SetEnablingRule(WindowCommand command, std::function<bool()> rule) {
    At(command).enabled = std::move(rule);
}

void WindowActions::SetLabelSource(WindowCommand command, std::function<std::string()> label) {
    At(command).label = std::move(label);
}

void WindowActions::AddTo(QMenu& menu, std::initializer_list<WindowCommand> commands) {
    for (WindowCommand command : commands) {
        if (command == WindowCommand::Count) {
            menu.addSeparator();
            continue;
        }
        Entry& entry = At(command);
        QString text = entry.text;
        if (entry.label) {
            const std::string label = entry.label();
            if (!label.empty())
                text += QLatin1Char(' ') + QString::fromStdString(label);
        }
        if (!entry.keys.isEmpty())
            text += QLatin1Char('\t') + entry.keys;
        entry.action->setText(text);
        entry.action->setEnabled(IsEnabled(entry));
        menu.addAction(entry.action);
    }
}

bool WindowActions::IsEnabled(const Entry& entry) {
    return !entry.enabled || entry.enabled();
}

void WindowActions::Refresh() {
    for (Entry& entry : m_entries) {
        if (entry.action)
            entry.action->setEnabled(IsEnabled(entry));
    }
}

bool WindowActions::IsShortcutOf(WindowCommand command, const QKeyEvent& key) const {
    const QAction* action = At(command).action;
    return action && action->shortcuts().contains(QKeySequence(key.keyCombination()));
}

bool WindowActions::IsDisabledShortcut(const QKeyEvent& key, const QWidget* focus) const {
    const QKeySequence pressed(key.keyCombination());
    for (const Entry& entry : m_entries) {
        if (!entry.action || entry.action->isEnabled())
            continue;
        // A key of the list's commands counts only while the list has the focus.
        if (entry.action->shortcutContext() == Qt::WidgetShortcut &&
            entry.action->parent() != focus)
            continue;
        if (entry.action->shortcuts().contains(pressed))
            return true;
    }
    return false;
}
