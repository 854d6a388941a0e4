// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

// Shows every widget's tooltip wrapped at a readable width (WrapTooltipText)
// instead of as one line as wide as its text. The tooltips themselves stay
// as they were set; only what is shown changes. Tooltips of list items are
// the list lines themselves and are shown as they are.
class TooltipWrapping : public QObject {
public:
    // Watches every widget of the application; owned by `parent`.
    explicit TooltipWrapping(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
