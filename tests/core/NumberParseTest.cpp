// SPDX-License-Identifier: MIT
#include "text/NumberParse.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

TEST(NumberParse, TextToNumbersAsTheCLibrary) {
    // The tests run in the "C" locale, where the C library is the reference.
    for (const char* text : {"42", "  42abc", "-17", "+5", "abc", "", " \t\n7", "- 5", "1 2",
                             "0999", "-2147483648", "2147483647", "--3"}) {
        EXPECT_EQ(TextToInt(text), std::atoi(text)) << '"' << text << '"';
    }
    EXPECT_EQ(TextToInt("99999999999"), INT_MAX);
    EXPECT_EQ(TextToInt("-99999999999"), INT_MIN);

    for (const char* text :
         {"1.5",     "0.990",    "  -2.5e1x",     ".5",     "5.",        "abc",     "",
          "+-1",     "-+1",      "1e400",         "-1e400", "1e-400",    "1e-310",  "0x10",
          "0x1p-3",  "0x",       "0xg",           "inf",    "-Infinity", "1e",      "1e+",
          " +0.85 ", "00012.50", "0x.812p+-2157", "0x1p",   "0x1.8p-",   "0xAp+3z", "0x1.8.8p2"}) {
        const double expected = std::strtod(text, nullptr);
        EXPECT_EQ(TextToDouble(text), expected) << '"' << text << '"';
    }
    EXPECT_TRUE(std::isnan(TextToDouble("nan(123)")));
    // Out of range although the written exponent points the other way.
    const std::string huge = "1" + std::string(400, '0') + "e-50";
    const std::string tiny = "0." + std::string(400, '0') + "1e50";
    EXPECT_EQ(TextToDouble(huge), HUGE_VAL);
    EXPECT_EQ(TextToDouble(tiny), 0.0);
    EXPECT_EQ(TextToDouble(tiny), std::strtod(tiny.c_str(), nullptr));

    EXPECT_TRUE(IsAllDigits("0123456789"));
    EXPECT_FALSE(IsAllDigits(""));
    EXPECT_FALSE(IsAllDigits("12a"));
    EXPECT_FALSE(IsAllDigits(" 1"));
    EXPECT_FALSE(IsAllDigits("-1"));
    EXPECT_FALSE(IsAllDigits("\xef\xbc\x91")); // a full-width one
}

} // namespace
