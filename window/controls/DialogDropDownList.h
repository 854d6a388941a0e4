// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

// Drop-down list. Its list drops down below the box (DropDownStyle); the
// style is given to the box when the list first opens, because giving it a
// style at once makes the box build its list view and delegate there and
// then: some 0.5 ms of the start-up for four lists nobody has opened yet.
class DialogDropDownList : public QComboBox {
    Q_OBJECT
public:
    explicit DialogDropDownList(QWidget* parent = nullptr);
    void showPopup() override;
};
