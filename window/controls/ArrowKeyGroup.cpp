// SPDX-License-Identifier: MIT
#include "window/controls/ArrowKeyGroup.h"

#include <QKeyEvent>

#include <algorithm>
#include <utility>

namespace {

bool canHoldFocus(const QWidget* widget) {
    return widget != nullptr && widget->isEnabled() && widget->isVisibleTo(widget->window()) &&
           widget->focusPolicy() != Qt::NoFocus;
}

} // namespace

void ArrowKeyGroup::setMembers(std::vector<QPointer<QWidget>> members) {
    m_members = std::move(members);
}

QWidget* ArrowKeyGroup::moveFocus(QWidget* from, int step) const {
    const auto count = static_cast<int>(m_members.size());
    const auto at = std::find(m_members.begin(), m_members.end(), from);
    if (at == m_members.end() || step == 0)
        return nullptr;
    const auto self = static_cast<int>(at - m_members.begin());
    for (int i = 1; i < count; ++i) {
        QWidget* next = m_members[((self + step * i) % count + count) % count];
        if (canHoldFocus(next)) {
            next->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            from->window()->setAttribute(Qt::WA_KeyboardFocusChange);
            return next;
        }
    }
    return nullptr;
}

int arrowKeyStep(const QKeyEvent* e) {
    if ((e->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return 0;
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        return -1;
    case Qt::Key_Down:
    case Qt::Key_Right:
        return 1;
    default:
        return 0;
    }
}
