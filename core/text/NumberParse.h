// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

// Text to number for the edits and the drop-down lists, as the C library reads
// numbers in the C locale, whatever the user's locale.

// As atoi: leading blanks, an optional sign, then decimal digits; 0 when there
// are none. Saturates instead of overflowing.
int TextToInt(std::string_view text);

// As atof (decimal point '.').
double TextToDouble(std::string_view text);

// True when the text is not empty and holds only the ASCII digits 0 to 9.
bool IsAllDigits(std::string_view text);
bool IsAllDigits(std::u16string_view text);
