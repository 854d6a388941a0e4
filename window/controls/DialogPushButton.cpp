// SPDX-License-Identifier: MIT
#include "window/controls/DialogPushButton.h"

#include <QKeyEvent>
#include <QShortcutEvent>

DialogPushButton::DialogPushButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent) {}

bool DialogPushButton::event(QEvent* e) {
    // A mnemonic shared by several controls only moves the focus, which Qt
    // already does; a unique one is a click.
    if (e->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(e)->isAmbiguous()) {
        if (isEnabled()) {
            if (focusPolicy() & Qt::ClickFocus)
                setFocus(Qt::ShortcutFocusReason);
            click();
        }
        return true;
    }
    return QPushButton::event(e);
}

void DialogPushButton::keyPressEvent(QKeyEvent* e) {
    // Qt would walk the whole tab order; the dialog keeps to the group.
    const int step = arrowKeyStep(e);
    if (step == 0) {
        QPushButton::keyPressEvent(e);
        return;
    }
    if (m_group.moveFocus(this, step) == nullptr)
        e->ignore();
}
