// SPDX-License-Identifier: MIT
#include "window/controls/DialogDropDownList.h"

#include "window/controls/DropDownStyle.h"

DialogDropDownList::DialogDropDownList(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    setInsertPolicy(QComboBox::NoInsert);
}

void DialogDropDownList::showPopup() {
    // One style for all the lists of a window, owned by the window. It is
    // made after the lists, so it outlives them when the window's children
    // are destroyed in creation order.
    QWidget* owner = window();
    auto* style = owner->findChild<DropDownStyle*>(QString(), Qt::FindDirectChildrenOnly);
    if (style == nullptr) {
        style = new DropDownStyle;
        style->setParent(owner);
    }
    if (QComboBox::style() != style)
        setStyle(style);
    QComboBox::showPopup();
}
