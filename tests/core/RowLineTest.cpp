// SPDX-License-Identifier: MIT
#include "text/RowLine.h"
#include "text/NumberFormat.h"
#include "text/NumberParse.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

namespace {

ComboEntry Flags(bool airier, bool core) {
    ComboEntry e = DefaultEntry();
    e.m_bAirier = airier;
    e.m_bCore = core;
    return e;
}

HitResult Result(int damage, int total, double rate, double totalRate, double kov,
                 double totalKov) {
    return HitResult{damage, total, rate, totalRate, kov, totalKov, 0};
}

TEST(RowLine, ExampleLineAndColumns) {
    const std::string line =
        FormatRowLine(0, Flags(true, true), Result(120, 120, 1.5, 1.5, 270, 270));
    EXPECT_EQ(line, "01 |Ceil |* |* |  |  |  |  |  |  |120|  120|1.5|      1.500|        270|   "
                    "     270");
    ASSERT_EQ(line.size(), 83u);
    std::vector<std::size_t> bars;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '|') {
            bars.push_back(i);
        }
    }
    EXPECT_EQ(bars,
              (std::vector<std::size_t>{3, 9, 12, 15, 18, 21, 24, 27, 30, 33, 37, 43, 47, 59, 71}));

    ComboEntry wall = DefaultEntry();
    wall.m_nType = kTrapExtra;
    const std::string wide = FormatRowLine(14, wall, Result(999, 14985, 4.0, 1000.001, 1e12, 0));
    EXPECT_EQ(wide,
              "15 |Extra|  |  |  |  |  |  |  |  |999|14,985|4.0|  1,000.001|1,000,000,000,000|"
              "          0");

    EXPECT_EQ(FormatRowLine(2, wall, Result(-1, 0, 1.0, 1.0, 0, 0)).substr(34, 10), "4294967295")
        << "damage is printed unsigned";
}

TEST(RowLine, BonusCellsAndTypeNames) {
    ComboEntry e = DefaultEntry();
    EXPECT_EQ(BonusText(e), "  |  |  |  |  |  |  |  ");
    e.m_bJk = 1;
    EXPECT_EQ(BonusText(e), "  |  |  |  |* |  |  |  ") << "Jk stands between Dd and Lt";
    e.m_bLinkTrap = e.m_bRapidChain = 1;
    EXPECT_EQ(BonusText(e), "  |  |  |  |* |* |  |* ");
    e.m_bAirier = e.m_bCore = e.m_bCounter = e.m_bDouble = e.m_bLongRange = 1;
    EXPECT_EQ(BonusText(e), "* |* |* |* |* |* |* |* ");
    e.m_bOption = e.m_bUnDefence = 1;
    EXPECT_EQ(BonusText(e), "* |* |* |* |* |* |* |* ");

    EXPECT_EQ(TypeName(kTrapCeil), "Ceil");
    EXPECT_EQ(TypeName(kTrapWall), "Wall");
    EXPECT_EQ(TypeName(kTrapFloor), "Floor");
    EXPECT_EQ(TypeName(kTrapExtra), "Extra");
    EXPECT_EQ(TypeName(0), "?");
    EXPECT_EQ(TypeName(5), "?");
}

// A desktop session may run under any locale; the texts must not change.
TEST(RowLine, TextsIgnoreTheProcessLocale) {
    const auto texts = [] {
        ComboEntry e = Flags(false, true);
        e.m_nType = kTrapFloor;
        return std::vector<std::string>{
            FormatFixed(1234.5678, 3, 11),
            FormatGrouped(16777215),
            FormatTotalRate(1234.567),
            FormatRowLine(9, e, Result(95, 10174, 2.5, 3.599, 1234567, 1e9)),
        };
    };
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    const std::vector<std::string> inC = texts();
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    EXPECT_EQ(texts(), inC);
    EXPECT_EQ(TextToDouble("1.5"), 1.5);
    EXPECT_EQ(TextToDouble("0.990"), 0.99);
    EXPECT_EQ(TextToInt("12"), 12);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(inC[2], "1,234.567");
}

} // namespace
