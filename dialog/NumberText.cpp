#include "dialog/NumberText.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace {

// More decimals than this cannot carry information from a double; the cap
// only keeps a silly request from building a huge string.
constexpr int kMaxDecimals = 400;

// Precision 16 in scientific form gives exactly 17 significant digits.
constexpr int kSignificantDigits = 17;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

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

// |value| rounded to `decimals` places by the 17-digit rule, as the digits of
// the integer |value| x 10^decimals (at least decimals + 1 of them).
std::string RoundedDigits(double magnitude, int decimals) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                                   kSignificantDigits - 1);
    const std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    // "d.dddddddddddddddde[+-]xx"
    std::string sig;
    sig.reserve(kSignificantDigits);
    sig.push_back(sci[0]);
    const std::size_t e = sci.find('e');
    sig.append(sci.substr(2, e - 2));
    int exponent = 0;
    const char* expBegin = sci.data() + e + 1;
    if (*expBegin == '+') {
        ++expBegin;
    }
    std::from_chars(expBegin, sci.data() + sci.size(), exponent);

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

} // namespace

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
    }
    double value = 0.0;
    const auto res = std::from_chars(first, last, value, format);
    if (res.ec == std::errc::result_out_of_range) {
        // atof gives HUGE_VAL on overflow and 0 on underflow; which one it is
        // follows from the sign of the number's order of magnitude.
        const std::string_view parsed(first, static_cast<std::size_t>(res.ptr - first));
        value = OrderOfMagnitude(parsed, format == std::chars_format::hex) > 0
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    } else if (res.ec != std::errc{}) {
        // No number at all: atof converts nothing and gives +0, whatever
        // sign came first. After "0x" without a hexadecimal digit, the "0"
        // alone is the number and keeps its sign.
        if (format != std::chars_format::hex)
            return 0.0;
        value = 0.0;
    }
    return negative ? -value : value;
}

namespace {
template <class Char> bool AllAsciiDigits(std::basic_string_view<Char> text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](Char c) { return c >= '0' && c <= '9'; });
}
} // namespace

bool IsAllDigits(std::string_view text) {
    return AllAsciiDigits(text);
}

bool IsAllDigits(std::u16string_view text) {
    return AllAsciiDigits(text);
}
