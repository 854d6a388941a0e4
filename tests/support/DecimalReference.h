// SPDX-License-Identifier: MIT
#pragma once

// A slow reference for the fixed-decimal texts, built from first principles
// and sharing nothing with the program's formatting code: the double is
// expanded into its exact decimal value with big-integer arithmetic, cut to
// 17 significant digits (round to nearest, ties to even, as the standard
// library's shortest-free conversion with 16 digits after the first does),
// and that digit string is rounded at the last printed place, halves away
// from zero.
#include <string>

namespace reference {

// The exact decimal value of |value| (finite): the digits before and after
// the point, without leading zeros before it (at least "0") and without
// trailing zeros after it.
struct ExactDecimal {
    std::string whole;
    std::string fraction;
};
ExactDecimal Expand(double value);

// printf "%<width>.<decimals>f" under the rounding rule above. NaN and the
// infinities are written "nan" and "inf", with a '-' when the sign bit is set.
std::string Fixed(double value, int decimals, int width);

// The whole-number text with commas: "%15.0f", leading blanks removed, then
// a comma before every group of three characters counted from the right.
std::string Grouped(double value);

// "%7.3f"; above 1000 the digits before the point are grouped as above.
std::string TotalRate(double rate);

} // namespace reference
