#pragma once

#include <string>
#include <string_view>

// Number <-> text conversions of the list, the form and the report. None of
// them depends on the process locale.

// printf "%<width>.<decimals>f" with this program's rounding: the value is
// expanded to 17 significant digits and that expansion is rounded at the last
// printed place, halves away from zero. `width` is a minimum (right-aligned).
std::string FormatFixed(double value, int decimals, int width = 0);

// A whole number with a comma between groups of three digits ("%15.0f" first).
std::string FormatGrouped(double value);

// A cumulative rate: "%7.3f", with grouped digits before the point above 1000.
std::string FormatTotalRate(double rate);

// Right-aligns `text` in `width` characters; a longer text is kept whole.
std::string PadLeft(std::string_view text, std::size_t width);

// Left-aligns `text` in `width` characters; a longer text is kept whole.
std::string PadRight(std::string_view text, std::size_t width);

// As the C library's atoi in the C locale: leading blanks, an optional sign,
// then decimal digits; 0 when there are none. Saturates instead of overflowing.
int TextToInt(std::string_view text);

// As atof in the C locale (decimal point '.', whatever the user's locale).
double TextToDouble(std::string_view text);

// True when the text is not empty and holds only the ASCII digits 0 to 9.
bool IsAllDigits(std::string_view text);
bool IsAllDigits(std::u16string_view text);
