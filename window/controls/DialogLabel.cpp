// SPDX-License-Identifier: MIT
#include "window/controls/DialogLabel.h"

#include <QEvent>

DialogLabel::DialogLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setText(text);
}

bool DialogLabel::event(QEvent* e) {
    // The only shortcut a label grabs is its mnemonic.
    if (e->type() == QEvent::Shortcut) {
        m_route.go(this);
        return true;
    }
    return QLabel::event(e);
}
