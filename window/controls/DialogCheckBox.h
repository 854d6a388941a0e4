// SPDX-License-Identifier: MIT
#pragma once

#include "window/controls/ArrowKeyGroup.h"

#include <QCheckBox>

// Auto check box. The whole rectangle is the hit area. With `leftText` the
// caption sits at the left edge and the box at the right edge. The arrow keys
// move the focus within the box's group.
class DialogCheckBox : public QCheckBox {
    Q_OBJECT
public:
    DialogCheckBox(const QString& text, bool leftText, QWidget* parent = nullptr);
    ArrowKeyGroup& arrowKeyGroup() { return m_group; }
    // Where the box and the caption are drawn, in widget coordinates.
    QRect indicatorRect() const;
    QRect captionRect() const;

protected:
    bool hitButton(const QPoint& pos) const override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    bool m_leftText;
    ArrowKeyGroup m_group;
};
