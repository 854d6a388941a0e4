// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

// Where a static text or group box sends its mnemonic: the first of the
// following items (template order, wrapping round) that would take the focus
// from the Tab key right now. Decided when the key is pressed, because the
// radio button that takes the focus is the checked one and controls come and
// go with their enabled state.
class MnemonicRoute {
public:
    void setFollowing(std::vector<QPointer<QWidget>> following);
    QWidget* target() const;
    bool go(QWidget* from) const;

private:
    std::vector<QPointer<QWidget>> m_following;
};

// True when the Tab key can move the focus to `widget` now.
bool takesTabFocus(const QWidget* widget);
