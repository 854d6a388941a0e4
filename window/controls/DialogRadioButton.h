// SPDX-License-Identifier: MIT
#pragma once

#include <QRadioButton>

// Auto radio button, member of one exclusive QButtonGroup. The whole rectangle
// is the hit area; the arrow keys move to the next or previous button of the
// group in template order, wrapping round, and click it.
class DialogRadioButton : public QRadioButton {
    Q_OBJECT
public:
    explicit DialogRadioButton(const QString& text, QWidget* parent = nullptr);

protected:
    bool hitButton(const QPoint& pos) const override;
    void keyPressEvent(QKeyEvent* e) override;
};
