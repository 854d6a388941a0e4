// SPDX-License-Identifier: MIT
#include "text/NumberFormat.h"

#include "text/PortableNumbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <version>

namespace {

// More decimals than this cannot carry information from a double; the cap
// only keeps a silly request from building a huge string.
constexpr int kMaxDecimals = 400;

// Precision 16 in scientific form gives exactly 17 significant digits.
constexpr int kSignificantDigits = 17;

// Puts a comma between groups of three digits, counted from the right.
std::string GroupDigits(std::string_view digits) {
    std::string out;
    out.reserve(digits.size() + digits.size() / 3);
    const std::size_t lead = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
    out.append(digits.substr(0, std::min(lead, digits.size())));
    for (std::size_t pos = lead; pos < digits.size(); pos += 3) {
        out.push_back(',');
        out.append(digits.substr(pos, 3));
    }
    return out;
}

// Groups the whole-number text of a fixed-decimal text, keeping a leading sign
// and anything from the decimal point on as it is.
std::string GroupIntegerPart(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    std::string out;
    if (!text.empty() && text.front() == '-') {
        out.push_back('-');
        text.remove_prefix(1);
    }
    const std::size_t point = std::min(text.find('.'), text.size());
    out += GroupDigits(text.substr(0, point));
    out.append(text.substr(point));
    return out;
}

// Adds one to a string of decimal digits, growing it on a carry out.
void IncrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// |value| as 17 significant digits and the power of ten of the first.
void ScientificDigits(double magnitude, std::string& sig, int& exponent) {
#if defined(__cpp_lib_to_chars)
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                                   kSignificantDigits - 1);
    const std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    // "d.dddddddddddddddde[+-]xx"
    sig.clear();
    sig.reserve(kSignificantDigits);
    sig.push_back(sci[0]);
    const std::size_t e = sci.find('e');
    sig.append(sci.substr(2, e - 2));
    exponent = 0;
    const char* expBegin = sci.data() + e + 1;
    if (*expBegin == '+') {
        ++expBegin;
    }
    std::from_chars(expBegin, sci.data() + sci.size(), exponent);
#else
    ScientificDigitsPortable(magnitude, sig, exponent);
#endif
}

// |value| rounded to `decimals` places by the 17-digit rule, as the digits of
// the integer |value| x 10^decimals (at least decimals + 1 of them).
std::string RoundedDigits(double magnitude, int decimals) {
    std::string sig;
    int exponent = 0;
    ScientificDigits(magnitude, sig, exponent);

    // Digit j of `sig` stands for 10^(exponent - j); we keep the digits down
    // to the place 10^-decimals.
    const int keep = exponent + decimals + 1;
    std::string rounded;
    if (keep <= 0) {
        // Only the first digit can reach the rounding place, and only when it
        // stands right after it.
        rounded.push_back(keep == 0 && sig[0] >= '5' ? '1' : '0');
    } else if (keep >= kSignificantDigits) {
        rounded = sig;
        rounded.append(static_cast<std::size_t>(keep - kSignificantDigits), '0');
    } else {
        rounded = sig.substr(0, static_cast<std::size_t>(keep));
        if (sig[static_cast<std::size_t>(keep)] >= '5') {
            IncrementDigits(rounded);
        }
    }
    // At least one digit before the point; no leading zeros beyond that one.
    const std::size_t minLength = static_cast<std::size_t>(decimals) + 1;
    const std::size_t nonZero = std::min(rounded.find_first_not_of('0'), rounded.size());
    const std::size_t drop =
        rounded.size() > minLength ? std::min(nonZero, rounded.size() - minLength) : 0;
    std::string digits(rounded.size() < minLength ? minLength - rounded.size() : 0, '0');
    digits.append(rounded, drop, std::string::npos);
    return digits;
}

} // namespace

void ScientificDigitsPortable(double magnitude, std::string& digits, int& exponent) {
    // The C library's %e is exact: every digit printed is the true expansion,
    // rounded at the last place to even, as to_chars rounds. Only the decimal
    // point follows the locale, so the digits are picked out around it.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", kSignificantDigits - 1, magnitude);
    digits.assign(1, buf[0]);
    const char* pos = buf + 1;
    while (*pos != '\0' && (*pos < '0' || *pos > '9'))
        ++pos;
    while (*pos >= '0' && *pos <= '9')
        digits.push_back(*pos++);
    // "e+xx" or "e-xxx"
    exponent = 0;
    const bool negative = pos[1] == '-';
    for (pos += 2; *pos >= '0' && *pos <= '9'; ++pos)
        exponent = exponent * 10 + (*pos - '0');
    if (negative)
        exponent = -exponent;
}

std::string FormatFixed(double value, int decimals, int width) {
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    std::string text;
    if (std::signbit(value)) {
        text.push_back('-');
    }
    if (std::isnan(value)) {
        text += "nan";
    } else if (std::isinf(value)) {
        text += "inf";
    } else {
        const std::string digits = RoundedDigits(std::fabs(value), decimals);
        const std::size_t whole = digits.size() - static_cast<std::size_t>(decimals);
        text.append(digits, 0, whole);
        if (decimals > 0) {
            text.push_back('.');
            text.append(digits, whole, std::string::npos);
        }
    }
    return PadLeft(text, width > 0 ? static_cast<std::size_t>(width) : 0);
}

std::string FormatGrouped(double value) {
    return GroupIntegerPart(FormatFixed(value, 0, 15));
}

std::string FormatTotalRate(double rate) {
    std::string text = FormatFixed(rate, 3, 7);
    if (rate > 1000.0) {
        text = GroupIntegerPart(text);
    }
    return text;
}

std::string PadLeft(std::string_view text, std::size_t width) {
    std::string out;
    if (text.size() < width) {
        out.assign(width - text.size(), ' ');
    }
    out.append(text);
    return out;
}

std::string PadRight(std::string_view text, std::size_t width) {
    std::string out(text);
    if (out.size() < width) {
        out.append(width - out.size(), ' ');
    }
    return out;
}
