// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Number to text for the list, the form and the report. Nothing here depends
// on the process locale.

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
