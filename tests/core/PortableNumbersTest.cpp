// SPDX-License-Identifier: MIT
// The C-library conversions that stand in for std::to_chars and
// std::from_chars where a C++ library lacks them for doubles (the web
// edition's): held against this C++ library's own on the same inputs.
#include "text/PortableNumbers.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

namespace {

struct Scientific {
    std::string digits;
    int exponent = 0;
};

Scientific ByToChars(double value) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 16);
    const std::string text(buf, res.ptr);
    Scientific out;
    out.digits = text.substr(0, 1) + text.substr(2, text.find('e') - 2);
    out.exponent = std::stoi(text.substr(text.find('e') + 1));
    return out;
}

double FromBits(std::uint64_t bits) {
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void ExpectSameScientific(double value) {
    Scientific portable;
    ScientificDigitsPortable(value, portable.digits, portable.exponent);
    const Scientific expected = ByToChars(value);
    ASSERT_EQ(portable.digits, expected.digits) << value;
    ASSERT_EQ(portable.exponent, expected.exponent) << value;
}

void ExpectSameParse(const std::string& text, bool hex) {
    double expected = -1.0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), expected,
                                     hex ? std::chars_format::hex : std::chars_format::general);
    const ParsedDouble parsed = ParseDoublePortable(text.data(), text.data() + text.size(), hex);
    const auto outcome = res.ec == std::errc{} ? ParsedDouble::Outcome::Ok
                         : res.ec == std::errc::result_out_of_range
                             ? ParsedDouble::Outcome::OutOfRange
                             : ParsedDouble::Outcome::NoNumber;
    ASSERT_EQ(parsed.outcome, outcome) << '"' << text << "\" hex " << hex;
    if (outcome == ParsedDouble::Outcome::NoNumber)
        return;
    ASSERT_EQ(parsed.length, static_cast<std::size_t>(res.ptr - text.data())) << '"' << text << '"';
    if (outcome == ParsedDouble::Outcome::Ok && !std::isnan(expected)) {
        ASSERT_EQ(parsed.value, expected) << '"' << text << '"';
        ASSERT_EQ(std::signbit(parsed.value), std::signbit(expected)) << '"' << text << '"';
    }
}

TEST(PortableNumbers, ScientificDigitsMatchToChars) {
    // The rates and totals the program prints, halves that round either way,
    // the ends of the range and random bit patterns over all of it.
    for (double value :
         {0.0, 1.0, 0.5, 0.99, 0.125, 2.675, 1.005, 3.599, 1e23, 5e-324, 2.2250738585072014e-308,
          1.7976931348623157e308, 123456789012345678.0, 0.1 + 0.2, 9.999999999999999e22})
        ExpectSameScientific(value);
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 200000; ++i) {
        const double value = std::fabs(FromBits(random()));
        if (std::isfinite(value))
            ExpectSameScientific(value);
    }
    for (int i = 0; i < 100000; ++i)
        ExpectSameScientific(static_cast<double>(random() % 100000000) / 1000.0);
}

TEST(PortableNumbers, ParsingMatchesFromChars) {
    const struct {
        const char* text;
        bool hex;
    } cases[] = {
        {"1.5", false},    {"0.990", false},    {".5", false},     {"5.", false},
        {"abc", false},    {"", false},         {" 1", false},     {"+1", false},
        {"-1", false},     {"-0x1", false},     {"- 1", false},    {"--1", false},
        {"-1p1", true},    {"-.8", true},       {"-x", true},      {"1e400", false},
        {"1e-400", false}, {"1e-310", false},   {"0x10", false},   {"0X1", false},
        {"inf", false},    {"Infinity", false}, {"nan", false},    {"1e", false},
        {"1e+", false},    {"12.50x", false},   {"1p3", true},     {"1.8p-3", true},
        {".8", true},      {"g", true},         {"1p", true},      {"1.8p-", true},
        {"Ap+3z", true},   {"1.8.8p2", true},   {"1p99999", true}, {"1p-99999", true},
        {".", true},       {"1p-1074", true},   {"1p-1080", true}, {"fffffffffffffffffp0", true},
    };
    for (const auto& c : cases)
        ExpectSameParse(c.text, c.hex);
    // Every rate the lists offer and random decimal texts round-trip alike.
    std::mt19937_64 random(7);
    char buf[64];
    for (int i = 0; i < 100000; ++i) {
        const double value = std::fabs(FromBits(random()));
        if (!std::isfinite(value))
            continue;
        const auto res = std::to_chars(buf, buf + sizeof buf, value);
        ExpectSameParse(std::string(buf, res.ptr), false);
        const auto hexRes = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::hex);
        ExpectSameParse(std::string(buf, hexRes.ptr), true);
    }
}

// Neither conversion follows the process locale's decimal comma.
TEST(PortableNumbers, TheLocaleChangesNothing) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "locales-all is installed";
    Scientific portable;
    ScientificDigitsPortable(2.675, portable.digits, portable.exponent);
    const ParsedDouble parsed = ParseDoublePortable("1.5", "1.5" + 3, false);
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_EQ(portable.digits, "26749999999999998");
    EXPECT_EQ(portable.exponent, 0);
    EXPECT_EQ(parsed.value, 1.5);
    EXPECT_EQ(parsed.length, 3u);
}

} // namespace
