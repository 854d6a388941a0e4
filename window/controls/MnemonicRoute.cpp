// SPDX-License-Identifier: MIT
#include "window/controls/MnemonicRoute.h"

#include <utility>

bool takesTabFocus(const QWidget* widget) {
    return widget != nullptr && widget->isEnabled() && widget->isVisibleTo(widget->window()) &&
           (widget->focusPolicy() & Qt::TabFocus) != 0;
}

void MnemonicRoute::setFollowing(std::vector<QPointer<QWidget>> following) {
    m_following = std::move(following);
}

QWidget* MnemonicRoute::target() const {
    for (const QPointer<QWidget>& widget : m_following) {
        if (takesTabFocus(widget))
            return widget;
    }
    return nullptr;
}

bool MnemonicRoute::go(QWidget* from) const {
    QWidget* to = target();
    if (to == nullptr)
        return false;
    to->setFocus(Qt::ShortcutFocusReason);
    // Shows the focus frame, as any keyboard move of the focus does.
    from->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    return true;
}
