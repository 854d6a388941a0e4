// SPDX-License-Identifier: MIT
#include "window/TooltipWrapping.h"

#include "window/TooltipText.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

TooltipWrapping::TooltipWrapping(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
}

bool TooltipWrapping::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    const QString text = widget->toolTip();
    const QString wrapped = WrapTooltipText(text);
    if (text.isEmpty() || wrapped == text)
        return false; // an item view's own tooltips, or one short enough
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), wrapped, widget, QRect(),
                       widget->toolTipDuration());
    return true;
}
