// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The longest tooltip line, in characters: a comfortable measure to read.
inline constexpr int kTooltipLineChars = 70;

// `text` with its lines broken at spaces so that none is longer than
// `width` characters; a word longer than that stands alone on its line.
// Line breaks already in the text stay, and rich text is left to Qt, which
// wraps it itself.
QString WrapTooltipText(const QString& text, int width = kTooltipLineChars);
