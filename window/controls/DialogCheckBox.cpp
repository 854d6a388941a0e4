// SPDX-License-Identifier: MIT
#include "window/controls/DialogCheckBox.h"

#include "window/controls/CaptionFlags.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>

DialogCheckBox::DialogCheckBox(const QString& text, bool leftText, QWidget* parent)
    : QCheckBox(text, parent), m_leftText(leftText) {}

bool DialogCheckBox::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void DialogCheckBox::keyPressEvent(QKeyEvent* e) {
    // Qt would walk the whole tab order; the dialog keeps to the group.
    const int step = arrowKeyStep(e);
    if (step == 0) {
        QCheckBox::keyPressEvent(e);
        return;
    }
    if (m_group.moveFocus(this, step) == nullptr)
        e->ignore();
}

QRect DialogCheckBox::indicatorRect() const {
    QStyleOptionButton opt;
    initStyleOption(&opt);
    if (!m_leftText)
        return style()->subElementRect(QStyle::SE_CheckBoxIndicator, &opt, this);
    const int w = style()->pixelMetric(QStyle::PM_IndicatorWidth, &opt, this);
    const int h = style()->pixelMetric(QStyle::PM_IndicatorHeight, &opt, this);
    return QRect(width() - w, (height() - h) / 2, w, h);
}

QRect DialogCheckBox::captionRect() const {
    QStyleOptionButton opt;
    initStyleOption(&opt);
    if (!m_leftText)
        return style()->subElementRect(QStyle::SE_CheckBoxContents, &opt, this);
    const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &opt, this);
    return QRect(0, 0, std::max(0, indicatorRect().left() - spacing), height());
}

void DialogCheckBox::paintEvent(QPaintEvent* e) {
    if (!m_leftText) {
        QCheckBox::paintEvent(e);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);

    QStyleOptionButton box = opt;
    box.rect = indicatorRect();
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, box);

    const int flags = captionTextFlags(this, Qt::AlignLeft | Qt::AlignVCenter);
    const QRect caption = captionRect();
    painter.drawItemText(caption, flags, opt.palette, isEnabled(), opt.text, QPalette::WindowText);

    if (opt.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()
                         ->itemTextRect(opt.fontMetrics, caption, flags, isEnabled(), opt.text)
                         .adjusted(-1, 0, 1, 0)
                         .intersected(rect());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
