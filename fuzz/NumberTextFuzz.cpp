// SPDX-License-Identifier: MIT
// Fuzz target: the list's number texts against the slow exact reference.
// Input: 8 bytes of a double (how they are read depends on the next byte),
// then a byte for the way of reading, a byte for the decimals and one for the
// width.
#include "support/DecimalReference.h"
#include "text/NumberFormat.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Mismatch(const char* what, double value, int decimals, int width, const std::string& got,
              const std::string& want) {
    std::fprintf(stderr, "%s(%a = %.17g, decimals %d, width %d): got \"%s\", reference \"%s\"\n",
                 what, value, value, decimals, width, got.c_str(), want.c_str());
    std::abort();
}

// The program's values are made by the scoring's own arithmetic: thousandths
// taken as floor(x * 1000) * 0.001, whole scores, small decimal rates. Raw
// bit patterns reach everything else, dyadic values the exact halves at the
// printed place, and the last way the ties at the seventeenth digit.
double ValueFrom(std::uint64_t raw, std::uint8_t way) {
    switch (way % 6) {
    case 0: {
        double value;
        std::memcpy(&value, &raw, sizeof value);
        return value;
    }
    case 1:
        return std::floor(static_cast<double>(raw % 4000000000000ull) * 0.001 * 1000.0) * 0.001;
    case 2: // m / 2^k: the halves and quarters that rounding must take away from zero
        return std::ldexp(static_cast<double>(raw & ((std::uint64_t{1} << 53) - 1)),
                          static_cast<int>((raw >> 53) % 90) - 70);
    case 3:
        return static_cast<double>(raw % 10000000000000000000ull);
    case 4:
        return static_cast<double>(static_cast<std::int64_t>(raw) % 100000000) /
               std::pow(10.0, static_cast<double>((raw >> 40) % 8));
    default: {
        // I + j / 2^k with j odd and I of 18 - k digits: exactly 18
        // significant digits, the last a 5, so the 17-digit expansion has a
        // tie to settle.
        const int k = 2 + static_cast<int>(raw % 16);
        const int wholeDigits = 18 - k;
        double low = 1.0;
        for (int i = 1; i < wholeDigits; ++i)
            low *= 10.0;
        const double high = std::fmin(low * 10.0, std::ldexp(1.0, 53 - k));
        const auto span = static_cast<std::uint64_t>(high - low);
        const double whole = low + static_cast<double>((raw >> 8) % span);
        const double odd = static_cast<double>((((raw >> 4) & 0xF) << 1 | 1) % (1ull << k));
        return (raw >> 63 ? -1.0 : 1.0) * (whole + std::ldexp(odd, -k));
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 11)
        return 0;
    std::uint64_t raw;
    std::memcpy(&raw, data, sizeof raw);
    const double value = ValueFrom(raw, data[8]);
    static constexpr int kDecimals[] = {0, 1, 3, 0, 1, 3, 2, 6};
    const int decimals = kDecimals[data[9] % 8];
    const int width = data[10] % 24;

    const std::string fixed = FormatFixed(value, decimals, width);
    const std::string fixedWant = reference::Fixed(value, decimals, width);
    if (fixed != fixedWant)
        Mismatch("FormatFixed", value, decimals, width, fixed, fixedWant);

    // Whole numbers of zero or more are all it is given; a negative value
    // is only run for crashes.
    const std::string grouped = FormatGrouped(value);
    if (!std::signbit(value)) {
        const std::string groupedWant = reference::Grouped(value);
        if (grouped != groupedWant)
            Mismatch("FormatGrouped", value, 0, 15, grouped, groupedWant);
    }

    const std::string rate = FormatTotalRate(value);
    const std::string rateWant = reference::TotalRate(value);
    if (rate != rateWant)
        Mismatch("FormatTotalRate", value, 3, 7, rate, rateWant);
    return 0;
}
