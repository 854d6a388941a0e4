// SPDX-License-Identifier: MIT
#include "report/ComboReport.h"

#include "files/ComboFileReader.h"
#include "scoring/Scoring.h"

#include <gtest/gtest.h>

namespace {

ComboEntry Hit(TrapType type, int damage, double kovRate, double hitRate) {
    ComboEntry entry = DefaultEntry();
    entry.m_bUsed = 1;
    entry.m_nType = type;
    entry.m_nDamage = damage;
    entry.m_dKovRate = kovRate;
    entry.m_dHitRate = hitRate;
    return entry;
}

// HP 300, defence 20, six single hits worked out by hand: rates 1.5, 3.0,
// 3.599 (3.0 x 1.2 falls just below 3.6), 3.599 again for a hit that is off,
// 3.958; the fifth hit kills with 2 to spare (Jk, +50), the sixth deals 1.
ComboState WorkedExample() {
    ComboState state;
    state.m_nHp = 300;
    state.m_nDef = 20;
    state.m_table[0] = Hit(kTrapCeil, 100, 1.5, 0.99);
    state.m_table[1] = Hit(kTrapWall, 120, 2.0, 0.95);
    state.m_table[1].m_bAirier = 1;
    state.m_table[1].m_bCounter = 1;
    state.m_table[2] = Hit(kTrapFloor, 60, 1.0, 0.9);
    state.m_table[2].m_bLinkTrap = 1;
    state.m_table[2].m_nLinkCount = 3;
    state.m_table[3] = Hit(kTrapExtra, 0, 1.3, 0.99);
    state.m_table[3].m_bCalculate = 0;
    state.m_table[4] = Hit(kTrapCeil, 92, 1.1, 0.9);
    state.m_table[4].m_bUnDefence = 1;
    state.m_table[4].m_bDouble = 1;
    state.m_table[5] = Hit(kTrapCeil, 10, 1.0, 0.99);
    state.m_nLast = 5;
    ScoreCombo(state);
    return state;
}

const std::string kWorkedExampleBlock =
    "Calculate  : Theory\r\n"
    "MaxHP      :         300\r\n"
    "Defence    :          20\r\n"
    "Total Hit  :           6\r\n"
    "Total Dmg  :         303\r\n"
    "Total Rate :           3.958\r\n"
    "Total Kov  :       5,088\r\n"
    "\r\n"
    "No.|Type |Ar|Co|Ct|Dd|Jk|Lt|Lr|Rp|Dmg|T.Dmg| Rt|     T.Rate|        Kov|      T.Kov\r\n"
    "---|-----|--|--|--|--|--|--|--|--|---|-----|---|-----------|-----------|-----------\r\n"
    "01 |Ceil |  |  |  |  |  |  |  |  | 79|   79|1.5|      1.500|        118|        118\r\n"
    "02 |Wall |* |  |* |  |  |  |  |  | 95|  174|2.0|      3.000|      1,174|      1,292\r\n"
    "03 |Floor|  |  |  |  |  |* |  |  | 36|  210|1.2|      3.599|        755|      2,047\r\n"
    "04 |Extra|  |  |  |  |  |  |  |  |  0|  210|1.0|      3.599|          0|      2,047\r\n"
    "05 |Ceil |  |  |  |* |* |  |  |  | 92|  302|1.1|      3.958|      1,842|      3,889\r\n"
    "06 |Ceil |  |  |  |  |  |  |  |  |  1|  303|1.0|      3.958|      1,199|      5,088\r\n"
    "-----------------------------------------------------------------------------------\r\n"
    "\r\n";

TEST(ComboReport, WorkedExampleByteForByte) {
    EXPECT_EQ(BuildComboReport(WorkedExample()), kWorkedExampleBlock);
}

TEST(ComboReport, SameBlockFromTheFileOfThatCombo) {
    const std::string file = R"({"format": "kov-combo", "version": 1, "hp": 300, "def": 20,
      "hits": [
        {"damage": 100, "kovRate": 1.5},
        {"type": "WALL", "damage": 120, "kovRate": 2.0, "hitRate": 0.95, "airier": true, "counter": true},
        {"type": "FLOOR", "damage": 60, "hitRate": 0.9, "linkTrap": true, "linkCount": 3},
        {"type": "EXTRA", "kovRate": 1.3, "calculate": false},
        {"damage": 92, "kovRate": 1.1, "hitRate": 0.9, "unDefence": true, "double": true},
        {"damage": 10}
      ]})";
    const ComboFileResult loaded = ParseComboFile(file);
    ASSERT_TRUE(std::holds_alternative<ComboState>(loaded));
    EXPECT_EQ(BuildComboReport(std::get<ComboState>(loaded)), kWorkedExampleBlock);
}

TEST(ComboReport, RealModeAndAJkOnTheFirstHit) {
    // HP 0: a first hit of damage 0 kills with nothing to spare, so it is a
    // Jk kill and scores 0 + 50. A second hit of 999 with Core, Kov Rate 4.0
    // and all six bonuses: T 999, R 4.0, base 3996, x 11.39 = 45514.44 -> 45514.
    ComboState state;
    state.m_bReal = 1;
    state.m_nDef = 999;
    state.m_table[0] = Hit(kTrapExtra, 0, 1.0, 0.99);
    state.m_table[1] = Hit(kTrapFloor, 999, 4.0, 1.0);
    for (auto flag :
         {&ComboEntry::m_bAirier, &ComboEntry::m_bCore, &ComboEntry::m_bCounter,
          &ComboEntry::m_bDouble, &ComboEntry::m_bLongRange, &ComboEntry::m_bRapidChain}) {
        state.m_table[1].*flag = 1;
    }
    state.m_table[1].m_bUnDefence = 1;
    state.m_nLast = 1;
    ScoreCombo(state);
    EXPECT_EQ(BuildComboReport(state),
              "Calculate  : Real\r\n"
              "MaxHP      :           0\r\n"
              "Defence    :         999\r\n"
              "Total Hit  :           2\r\n"
              "Total Dmg  :         999\r\n"
              "Total Rate :           4.000\r\n"
              "Total Kov  :      45,564\r\n"
              "\r\n"
              "No.|Type |Ar|Co|Ct|Dd|Jk|Lt|Lr|Rp|Dmg|T.Dmg| Rt|     T.Rate|        Kov|      "
              "T.Kov\r\n"
              "---|-----|--|--|--|--|--|--|--|--|---|-----|---|-----------|-----------|----------"
              "-\r\n"
              "01 |Extra|  |  |  |  |* |  |  |  |  0|    0|1.0|      1.000|         50|         "
              "50\r\n"
              "02 |Floor|* |* |* |* |  |  |* |* |999|  999|4.0|      4.000|     45,514|     "
              "45,564\r\n"
              "--------------------------------------------------------------------------------"
              "---\r\n"
              "\r\n");
}

} // namespace
