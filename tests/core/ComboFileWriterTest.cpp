// SPDX-License-Identifier: MIT
#include "files/ComboFileWriter.h"
#include "files/ComboFileReader.h"
#include "report/ComboReport.h"
#include "scoring/Scoring.h"
#include "text/EntryChoices.h"

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

TEST(ComboFileWriter, WritesKeysInOrderWithShortestRates) {
    ComboState state;
    state.m_nHp = 400;
    state.m_nDef = 20;
    ComboEntry& hit = state.m_table[0];
    hit.m_bUsed = 1;
    hit.m_nDamage = 100;
    hit.m_dKovRate = 1.5;
    ComboEntry& linked = state.m_table[1];
    linked = hit;
    linked.m_nType = kTrapFloor;
    linked.m_dKovRate = 1.0;
    linked.m_dHitRate = 1.0;
    linked.m_bCore = 1;
    linked.m_bLinkTrap = 1;
    linked.m_nLinkCount = 11;
    linked.m_nHitsLeft = 15;
    linked.m_bCalculate = 0;
    state.m_bReal = 1;
    state.m_nLast = 1;
    ScoreCombo(state);
    EXPECT_EQ(SerializeComboFile(state), R"({
  "format": "kov-combo",
  "version": 1,
  "mode": "Real",
  "hp": 400,
  "def": 20,
  "hits": [
    {
      "type": "CEIL",
      "damage": 100,
      "kovRate": 1.5,
      "hitRate": 0.99,
      "unDefence": false,
      "hitsLeft": 1,
      "calculate": true,
      "airier": false,
      "core": false,
      "counter": false,
      "double": false,
      "linkTrap": false,
      "linkCount": 0,
      "longRange": false,
      "rapidChain": false,
      "option": false
    },
    {
      "type": "FLOOR",
      "damage": 100,
      "kovRate": 1.0,
      "hitRate": 1.0,
      "unDefence": false,
      "hitsLeft": 15,
      "calculate": false,
      "airier": false,
      "core": true,
      "counter": false,
      "double": false,
      "linkTrap": true,
      "linkCount": 11,
      "longRange": false,
      "rapidChain": false,
      "option": false
    }
  ]
}
)");

    ComboState empty;
    EXPECT_EQ(SerializeComboFile(empty), "{\n  \"format\": \"kov-combo\",\n  \"version\": 1,\n"
                                         "  \"mode\": \"Theory\",\n  \"hp\": 0,\n  \"def\": 0,\n"
                                         "  \"hits\": []\n}\n");
}

// An entry as the form can capture it: every list value, any flags but the
// hidden Option, the rate 1 that Core forces, a link count only with Link Trap.
rc::Gen<ComboEntry> CapturedEntry() {
    return rc::gen::exec([] {
        ComboEntry entry = DefaultEntry();
        entry.m_nType = *rc::gen::inRange<TrapType>(1, 5);
        entry.m_nDamage = *rc::gen::inRange(0, 1000);
        entry.m_dKovRate = std::stod(*rc::gen::elementOf(kKovRateTexts));
        for (auto flag : {&ComboEntry::m_bUnDefence, &ComboEntry::m_bAirier, &ComboEntry::m_bCore,
                          &ComboEntry::m_bCounter, &ComboEntry::m_bDouble, &ComboEntry::m_bLinkTrap,
                          &ComboEntry::m_bLongRange, &ComboEntry::m_bRapidChain}) {
            entry.*flag = *rc::gen::inRange(0, 2);
        }
        entry.m_bCalculate = *rc::gen::inRange(0, 2);
        entry.m_dHitRate = entry.m_bCore ? 1.0 : std::stod(*rc::gen::elementOf(kHitRateTexts));
        entry.m_nLinkCount = entry.m_bLinkTrap ? *rc::gen::inRange(2, 12) : 0;
        return entry;
    });
}

// A model the window can reach: a run of Add, Modify, Remove, the moves and
// the mode switch, each followed by a recalculation, as the commands do.
rc::Gen<ComboState> ReachableModel() {
    return rc::gen::exec([] {
        ComboState state;
        const int steps = *rc::gen::inRange(0, 40);
        for (int step = 0; step < steps; ++step) {
            const int last = state.m_nLast;
            const int row = last >= 0 ? *rc::gen::inRange(0, last + 1) : 0;
            switch (*rc::gen::inRange(0, 5)) {
            case 0: // Add
            case 1: // Modify
                state.m_nHp = *rc::gen::inRange(0, 1000);
                state.m_nDef = *rc::gen::inRange(0, 1000);
                state.m_entry = *CapturedEntry();
                if (last < 0 || (last < kLastRow && *rc::gen::arbitrary<bool>())) {
                    state.m_nLast = state.PlaceEntry(last + 1, *rc::gen::inRange(1, 16));
                } else {
                    const int end = state.PlaceEntry(row, *rc::gen::inRange(1, 16));
                    if (end > row) {
                        state.m_nLast = end;
                    }
                }
                break;
            case 2: // Remove of a row after the first
                if (row > 0) {
                    state.TruncateFrom(row, true);
                }
                break;
            case 3: // up or down
                state.SwapWithNeighbour(row, *rc::gen::arbitrary<bool>());
                break;
            default: // Theory/Real
                state.m_bReal = state.m_bReal ? 0 : 1;
                break;
            }
            ScoreCombo(state);
        }
        return state;
    });
}

RC_GTEST_PROP(ComboFileWriter, SaveThenOpenGivesTheSameModelAndReport, ()) {
    const ComboState model = *ReachableModel();
    const std::string text = SerializeComboFile(model);
    ComboFileResult reopened = ParseComboFile(text);
    if (const auto* error = std::get_if<ComboFileError>(&reopened)) {
        RC_FAIL(FormatComboFileError("saved", *error) + "\n" + text);
    }
    const ComboState& copy = std::get<ComboState>(reopened);
    RC_ASSERT(copy.m_nLast == model.m_nLast);
    RC_ASSERT(copy.m_nHp == model.m_nHp);
    RC_ASSERT(copy.m_nDef == model.m_nDef);
    RC_ASSERT(copy.m_bReal == model.m_bReal);
    for (int row = 0; row <= model.m_nLast; ++row) {
        RC_ASSERT(copy.m_table[static_cast<std::size_t>(row)] ==
                  model.m_table[static_cast<std::size_t>(row)]);
        RC_ASSERT(copy.m_results[static_cast<std::size_t>(row)] ==
                  model.m_results[static_cast<std::size_t>(row)]);
    }
    RC_ASSERT(BuildComboReport(copy) == BuildComboReport(model));
    RC_ASSERT(SerializeComboFile(copy) == text);
}

TEST(ComboFileWriter, SaveReplacesTheFileAndLeavesNoTemporaryBehind) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("kov-writer-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "c.kovcombo").string();
    std::ofstream(path) << "an older, longer file that the save must replace whole";
    std::filesystem::permissions(path, std::filesystem::perms(0640));

    ComboState state;
    state.m_nHp = 123;
    const WriteOutcome saved = SaveComboFile(path, state);
    EXPECT_TRUE(saved.ok) << saved.error;
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), SerializeComboFile(state));
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);

    const ComboFileResult loaded = LoadComboFile(path);
    ASSERT_TRUE(std::holds_alternative<ComboState>(loaded));
    EXPECT_EQ(std::get<ComboState>(loaded).m_nHp, 123);

    // Saved through a link, the link stays and its target gets the text.
    const auto link = dir / "link.kovcombo";
    std::filesystem::create_symlink("c.kovcombo", link);
    state.m_nHp = 456;
    EXPECT_TRUE(SaveComboFile(link.string(), state).ok);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    std::ifstream target(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(target), {}), SerializeComboFile(state));
    std::filesystem::remove_all(dir);
}

} // namespace
