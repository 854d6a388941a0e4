// SPDX-License-Identifier: MIT
#pragma once

#include "window/controls/ArrowKeyGroup.h"

#include <QPushButton>

// Push button. Its mnemonic presses it at once, within the key event, after
// moving the focus to it as a click does: Qt's own press runs the command
// about 100 ms later, and keys typed in that time reach the old focus first.
// The arrow keys move the focus within the button's group.
class DialogPushButton : public QPushButton {
    Q_OBJECT
public:
    explicit DialogPushButton(const QString& text, QWidget* parent = nullptr);
    ArrowKeyGroup& arrowKeyGroup() { return m_group; }

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    ArrowKeyGroup m_group;
};
