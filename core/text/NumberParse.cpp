// SPDX-License-Identifier: MIT
#include "text/NumberParse.h"

#include "text/PortableNumbers.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>
#include <system_error>
#include <version>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Rough order of magnitude (power of ten, or of two for hexadecimal text) of
// a number text that from_chars found out of range: only its sign matters.
std::int64_t OrderOfMagnitude(std::string_view number, bool hex) {
    const std::size_t mark = number.find_first_of(hex ? "pP" : "eE");
    const std::string_view mantissa = number.substr(0, mark);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t lead = mantissa.find_first_not_of("0.");
    if (lead == std::string_view::npos) {
        return 0; // all zeros never overflows
    }
    const std::int64_t digitWeight = hex ? 4 : 1;
    std::int64_t order =
        lead < point ? std::int64_t(point - lead) - 1 : -std::int64_t(lead - point);
    order *= digitWeight;
    if (mark != std::string_view::npos) {
        order += TextToInt(number.substr(mark + 1));
    }
    return order;
}

// The end of the hexadecimal number at the start of `text` (after "0x"), as
// strtod reads it: digits with at most one point, then an exponent only when
// a "p", an optional sign and at least one digit make one. from_chars gives
// up on the whole number when a "p" leads to no valid exponent, where strtod
// keeps the digits before it.
const char* HexNumberEnd(const char* first, const char* last) {
    const char* pos = first;
    bool point = false;
    while (pos < last && (IsHexDigit(*pos) || (*pos == '.' && !point))) {
        point = point || *pos == '.';
        ++pos;
    }
    if (pos < last && (*pos == 'p' || *pos == 'P')) {
        const char* exponent = pos + 1;
        if (exponent < last && (*exponent == '+' || *exponent == '-'))
            ++exponent;
        if (exponent < last && IsDigit(*exponent)) {
            while (exponent < last && IsDigit(*exponent))
                ++exponent;
            return exponent;
        }
    }
    return pos;
}

// What atoi and atof skip before the digits: blanks, then one sign. Returns
// the position of what follows.
std::size_t SkipBlanksAndSign(std::string_view text, bool& negative) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    return pos;
}

template <class Char> bool AllAsciiDigits(std::basic_string_view<Char> text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](Char c) { return c >= '0' && c <= '9'; });
}

// std::from_chars where the C++ library has it for doubles.
ParsedDouble ParseDouble(const char* first, const char* last, bool hex) {
#if defined(__cpp_lib_to_chars)
    ParsedDouble parsed;
    const auto res = std::from_chars(first, last, parsed.value,
                                     hex ? std::chars_format::hex : std::chars_format::general);
    parsed.length = static_cast<std::size_t>(res.ptr - first);
    parsed.outcome = res.ec == std::errc{}                      ? ParsedDouble::Outcome::Ok
                     : res.ec == std::errc::result_out_of_range ? ParsedDouble::Outcome::OutOfRange
                                                                : ParsedDouble::Outcome::NoNumber;
    return parsed;
#else
    return ParseDoublePortable(first, last, hex);
#endif
}

} // namespace

ParsedDouble ParseDoublePortable(const char* first, const char* last, bool hex) {
    ParsedDouble parsed;
    // from_chars takes a minus but no plus and no blanks, and reads
    // hexadecimal text without "0x"; strtod skips blanks, takes either sign
    // (after the "0x" too) and wants the prefix. So the sign is taken here,
    // the rest checked first and given its prefix.
    const bool negative = first != last && *first == '-';
    if (negative)
        ++first;
    if (first == last || IsBlank(*first) || *first == '+' || *first == '-')
        return parsed;
    if (!hex && last - first > 1 && first[0] == '0' && (first[1] == 'x' || first[1] == 'X')) {
        // General text stops at the "x": the number is the zero before it.
        parsed.outcome = ParsedDouble::Outcome::Ok;
        parsed.value = negative ? -0.0 : 0.0;
        parsed.length = negative ? 2 : 1;
        return parsed;
    }
    const std::string text = (hex ? std::string("0x") : std::string()) + std::string(first, last);
    // The "C" locale, whatever the process's: its decimal point is '.'.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    char* end = nullptr;
    errno = 0;
    const double value = strtod_l(text.c_str(), &end, cLocale);
    const std::size_t taken = static_cast<std::size_t>(end - text.c_str());
    const std::size_t prefix = hex ? 2 : 0;
    if (taken <= prefix) {
        return parsed;
    }
    parsed.length = taken - prefix + (negative ? 1 : 0);
    // from_chars refuses a result it cannot hold: one too large, or a
    // number that is not zero rounding to zero.
    if (errno == ERANGE && (std::isinf(value) || value == 0.0)) {
        parsed.outcome = ParsedDouble::Outcome::OutOfRange;
        return parsed;
    }
    parsed.outcome = ParsedDouble::Outcome::Ok;
    parsed.value = negative ? -value : value;
    return parsed;
}

int TextToInt(std::string_view text) {
    bool negative = false;
    std::size_t pos = SkipBlanksAndSign(text, negative);
    // Accumulate the magnitude towards the limit of the sign we have, so the
    // most negative int is reachable and nothing overflows.
    const std::int64_t limit = negative ? -std::int64_t{INT_MIN} : std::int64_t{INT_MAX};
    std::int64_t magnitude = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        magnitude = std::min(limit, magnitude * 10 + (text[pos] - '0'));
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

double TextToDouble(std::string_view text) {
    bool negative = false;
    const std::size_t pos = SkipBlanksAndSign(text, negative);
    // from_chars takes a '-' of its own, which atof would refuse after ours.
    if (pos >= text.size() || text[pos] == '+' || text[pos] == '-') {
        return 0.0;
    }
    const char* first = text.data() + pos;
    const char* last = text.data() + text.size();
    std::chars_format format = std::chars_format::general;
    // A hexadecimal number only when a digit or the point follows "0x":
    // from_chars would also take a sign there, and "nan" or "inf", which
    // atof reads as the number 0 followed by letters.
    if (last - first > 2 && first[0] == '0' && (first[1] == 'x' || first[1] == 'X') &&
        (IsHexDigit(first[2]) || first[2] == '.')) {
        first += 2;
        format = std::chars_format::hex;
        last = HexNumberEnd(first, last);
    }
    const ParsedDouble res = ParseDouble(first, last, format == std::chars_format::hex);
    double value = res.value;
    if (res.outcome == ParsedDouble::Outcome::OutOfRange) {
        // atof gives HUGE_VAL on overflow and 0 on underflow; which one it is
        // follows from the sign of the number's order of magnitude.
        const std::string_view parsed(first, res.length);
        value = OrderOfMagnitude(parsed, format == std::chars_format::hex) > 0
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    } else if (res.outcome == ParsedDouble::Outcome::NoNumber) {
        // No number at all: atof converts nothing and gives +0, whatever
        // sign came first. After "0x" without a hexadecimal digit, the "0"
        // alone is the number and keeps its sign.
        if (format != std::chars_format::hex)
            return 0.0;
        value = 0.0;
    }
    return negative ? -value : value;
}

bool IsAllDigits(std::string_view text) {
    return AllAsciiDigits(text);
}

bool IsAllDigits(std::u16string_view text) {
    return AllAsciiDigits(text);
}
