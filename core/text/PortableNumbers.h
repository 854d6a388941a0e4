// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>

// The two floating-point conversions the number texts need, done through the
// C library instead of std::to_chars and std::from_chars, which not every
// C++ library has for doubles (the one the web edition is compiled with has
// them for integers only). NumberFormat.cpp and NumberParse.cpp use these
// where the C++ library lacks its own; both are always built, so the native
// tests can hold them against the C++ library's results.

// `magnitude` (finite, not negative) as std::to_chars writes it in scientific
// form with 16 decimals: the 17 significant digits, correctly rounded, and
// the power of ten of the first.
void ScientificDigitsPortable(double magnitude, std::string& digits, int& exponent);

// What std::from_chars reports for a double in [first, last): the general
// format, or with `hex` the hexadecimal one without its "0x".
struct ParsedDouble {
    enum class Outcome { Ok, NoNumber, OutOfRange };
    Outcome outcome = Outcome::NoNumber;
    double value = 0.0;     // set only for Ok
    std::size_t length = 0; // characters taken, for Ok and OutOfRange
};
ParsedDouble ParseDoublePortable(const char* first, const char* last, bool hex);
