// SPDX-License-Identifier: MIT
#pragma once

#include "window/controls/MnemonicRoute.h"

#include <QLabel>

// Static text. The caption is plain text; with a mnemonic, Alt+letter follows
// the route instead of focusing a fixed buddy.
class DialogLabel : public QLabel {
    Q_OBJECT
public:
    explicit DialogLabel(const QString& text, QWidget* parent = nullptr);
    MnemonicRoute& route() { return m_route; }

protected:
    bool event(QEvent* e) override;

private:
    MnemonicRoute m_route;
};
