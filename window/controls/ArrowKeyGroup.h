// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

class QKeyEvent;

// The controls of one group of the template (from one item marked as
// starting a group up to the next), in template order. The arrow keys move
// the focus round this ring; they never leave it.
class ArrowKeyGroup {
public:
    void setMembers(std::vector<QPointer<QWidget>> members);

    // Moves the focus from `from` to the next (`step` 1) or previous (-1)
    // member that can hold it now, wrapping round; hidden and disabled ones
    // and those that never take the focus (texts, frames) are passed over.
    // Returns the new focus, or nullptr when no other member can take it.
    QWidget* moveFocus(QWidget* from, int step) const;

private:
    std::vector<QPointer<QWidget>> m_members;
};

// 1 for Down and Right, -1 for Up and Left, 0 for any other key or for an
// arrow held with a modifier.
int arrowKeyStep(const QKeyEvent* e);
