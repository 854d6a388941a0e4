// SPDX-License-Identifier: MIT
#include "support/DecimalReference.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace reference {
namespace {

// A non-negative big integer in base 10^9, least significant limb first.
class BigInt {
public:
    explicit BigInt(std::uint64_t value) {
        do {
            m_limbs.push_back(static_cast<std::uint32_t>(value % kBase));
            value /= kBase;
        } while (value != 0);
    }

    void Multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : m_limbs) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product % kBase);
            carry = product / kBase;
        }
        while (carry != 0) {
            m_limbs.push_back(static_cast<std::uint32_t>(carry % kBase));
            carry /= kBase;
        }
    }

    std::string Decimal() const {
        std::string text = std::to_string(m_limbs.back());
        for (auto it = m_limbs.rbegin() + 1; it != m_limbs.rend(); ++it) {
            const std::string limb = std::to_string(*it);
            text.append(9 - limb.size(), '0');
            text += limb;
        }
        return text;
    }

private:
    static constexpr std::uint64_t kBase = 1000000000;
    std::vector<std::uint32_t> m_limbs;
};

std::string StripLeadingZeros(const std::string& digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

// Adds one to a string of decimal digits; the string grows on a carry out.
std::string PlusOne(std::string digits) {
    int i = static_cast<int>(digits.size()) - 1;
    while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9')
        digits[static_cast<std::size_t>(i--)] = '0';
    if (i < 0)
        return "1" + digits;
    ++digits[static_cast<std::size_t>(i)];
    return digits;
}

// The comma rule of the whole-number text.
std::string CommaGroups(std::string text) {
    std::string out;
    while (text.size() > 3) {
        out = "," + text.substr(text.size() - 3) + out;
        text.resize(text.size() - 3);
    }
    return text + out;
}

std::string WithoutLeadingBlanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

} // namespace

ExactDecimal Expand(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    // |value| = mantissa x 2^exponent exactly.
    const std::uint64_t mantissa = biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
    const int exponent = biased == 0 ? -1074 : biased - 1075;

    BigInt number(mantissa);
    if (exponent >= 0) {
        for (int left = exponent; left > 0; left -= 30)
            number.Multiply(std::uint32_t{1} << (left < 30 ? left : 30));
        return {StripLeadingZeros(number.Decimal()), ""};
    }
    // mantissa / 2^k = mantissa x 5^k / 10^k: k digits after the point.
    const int k = -exponent;
    for (int left = k; left > 0; left -= 13) {
        std::uint32_t power = 1;
        for (int i = 0; i < (left < 13 ? left : 13); ++i)
            power *= 5;
        number.Multiply(power);
    }
    std::string digits = number.Decimal();
    if (static_cast<int>(digits.size()) <= k)
        digits.insert(0, static_cast<std::size_t>(k) + 1 - digits.size(), '0');
    ExactDecimal exact{
        StripLeadingZeros(digits.substr(0, digits.size() - static_cast<std::size_t>(k))),
        digits.substr(digits.size() - static_cast<std::size_t>(k))};
    const std::size_t last = exact.fraction.find_last_not_of('0');
    exact.fraction.resize(last == std::string::npos ? 0 : last + 1);
    return exact;
}

std::string Fixed(double value, int decimals, int width) {
    std::string text = std::signbit(value) ? "-" : "";
    if (std::isnan(value)) {
        text += "nan";
    } else if (std::isinf(value)) {
        text += "inf";
    } else {
        const ExactDecimal exact = Expand(std::fabs(value));
        // All significant digits, and where the point stands among them:
        // the value is 0.<digits> x 10^point.
        std::string digits = exact.whole == "0" ? exact.fraction : exact.whole + exact.fraction;
        int point = exact.whole == "0" ? 0 : static_cast<int>(exact.whole.size());
        const std::size_t first = digits.find_first_not_of('0');
        std::string units; // the value x 10^decimals, rounded
        if (first == std::string::npos) {
            units = "0";
        } else {
            point -= static_cast<int>(first);
            digits.erase(0, first);

            // Stage 1: 17 significant digits, to nearest, ties to even.
            std::string sig = digits.substr(0, 17);
            sig.append(17 - sig.size(), '0');
            if (digits.size() > 17) {
                const std::string rest = digits.substr(17);
                const bool aboveHalf =
                    rest[0] > '5' ||
                    (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string::npos);
                const bool half = rest[0] == '5' && !aboveHalf;
                const bool odd = (sig.back() - '0') % 2 == 1;
                if (aboveHalf || (half && odd)) {
                    sig = PlusOne(sig);
                    if (sig.size() > 17) {
                        sig.pop_back(); // 10^17 = 0.1 x 10^(point + 1): same digits
                        ++point;
                    }
                }
            }

            // Stage 2: sig x 10^(point - 17 + decimals), rounded half up.
            const int shift = point - 17 + decimals;
            if (shift >= 0) {
                units = sig + std::string(static_cast<std::size_t>(shift), '0');
            } else if (-shift > 17) {
                units = "0"; // below half a unit of the last place
            } else {
                const std::size_t keep = static_cast<std::size_t>(17 + shift);
                units = keep == 0 ? "0" : sig.substr(0, keep);
                if (sig[keep] >= '5')
                    units = PlusOne(units);
            }
            units = StripLeadingZeros(units);
        }
        if (units.size() < static_cast<std::size_t>(decimals) + 1)
            units.insert(0, static_cast<std::size_t>(decimals) + 1 - units.size(), '0');
        const std::size_t wholeDigits = units.size() - static_cast<std::size_t>(decimals);
        text += units.substr(0, wholeDigits);
        if (decimals > 0)
            text += "." + units.substr(wholeDigits);
    }
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string Grouped(double value) {
    return CommaGroups(WithoutLeadingBlanks(Fixed(value, 0, 15)));
}

std::string TotalRate(double rate) {
    const std::string text = Fixed(rate, 3, 7);
    if (!(rate > 1000.0))
        return text;
    const std::string bare = WithoutLeadingBlanks(text);
    const std::size_t point = bare.find('.');
    if (point == std::string::npos)
        return CommaGroups(bare);
    return CommaGroups(bare.substr(0, point)) + bare.substr(point);
}

} // namespace reference
