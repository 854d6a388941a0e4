// SPDX-License-Identifier: MIT
#include "window/controls/DialogRadioButton.h"

#include "window/controls/ArrowKeyGroup.h"

#include <QButtonGroup>
#include <QKeyEvent>

DialogRadioButton::DialogRadioButton(const QString& text, QWidget* parent)
    : QRadioButton(text, parent) {
    // All radio buttons share the dialog as parent; the button group they are
    // put in, not the parent, decides which ones exclude each other. They stay
    // auto-exclusive all the same: that is what makes them announce
    // themselves as radio buttons rather than check boxes.
}

bool DialogRadioButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void DialogRadioButton::keyPressEvent(QKeyEvent* e) {
    const int step = arrowKeyStep(e);
    if (step == 0 || group() == nullptr) {
        QRadioButton::keyPressEvent(e);
        return;
    }
    // Qt would pick the geometrically nearest button and only move along the
    // arrow's axis; the group is a ring in template order instead.
    const QList<QAbstractButton*> buttons = group()->buttons();
    const auto count = static_cast<int>(buttons.size());
    const auto self = static_cast<int>(buttons.indexOf(this));
    for (int i = 1; i < count; ++i) {
        QAbstractButton* next = buttons.at(((self + step * i) % count + count) % count);
        if (next->isEnabled() && !next->isHidden()) {
            next->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            next->click();
            return;
        }
    }
    e->ignore();
}
