// SPDX-License-Identifier: MIT
#include "window/controls/DropDownStyle.h"

#include <QApplication>
#include <QStyleFactory>

DropDownStyle::DropDownStyle()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

int DropDownStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                             QStyleHintReturn* returnData) const {
    if (hint == QStyle::SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
