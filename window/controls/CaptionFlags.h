// SPDX-License-Identifier: MIT
#pragma once

#include <QStyle>
#include <QStyleOption>
#include <QWidget>

// Text flags for a caption a control draws itself: the mnemonic is
// underlined where the style underlines shortcuts, hidden where it does not.
inline int captionTextFlags(const QWidget* widget, int alignment) {
    QStyleOption opt;
    opt.initFrom(widget);
    const bool underline = widget->style()->styleHint(QStyle::SH_UnderlineShortcut, &opt, widget);
    return alignment | Qt::TextShowMnemonic | (underline ? 0 : Qt::TextHideMnemonic);
}
