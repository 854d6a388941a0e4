// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

// Style of the drop-down lists: the list drops down below the box and shows
// as many lines as the template's height leaves room for, instead of the
// menu-like popup some styles use (which ignores that height).
class DropDownStyle : public QProxyStyle {
    Q_OBJECT
public:
    DropDownStyle();
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};
