// SPDX-License-Identifier: MIT
#include "files/ComboFileReader.h"
#include "text/EntryChoices.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <future>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::string_literals;

const std::string kHead = R"({"format": "kov-combo", "version": 1, )";

// A file with `rest` after the two identifying keys.
std::string File(const std::string& rest) {
    return kHead + rest + "}";
}

// A file with one hit made of `fields`.
std::string OneHit(const std::string& fields) {
    return File(R"("hits": [{)" + fields + "}]");
}

ComboFileError Refusal(const std::string& text) {
    ComboFileResult result = ParseComboFile(text);
    if (const auto* error = std::get_if<ComboFileError>(&result)) {
        return *error;
    }
    ADD_FAILURE() << "accepted: " << text;
    return {};
}

ComboState Accepted(const std::string& text) {
    ComboFileResult result = ParseComboFile(text);
    if (const auto* error = std::get_if<ComboFileError>(&result)) {
        ADD_FAILURE() << "refused: " << FormatComboFileError("f", *error) << "\n" << text;
        return {};
    }
    return std::get<ComboState>(result);
}

TEST(ComboFileReader, MissingKeysTakeTheDefaultsOfAFreshEntry) {
    const ComboState empty = Accepted(R"({"version": 1, "format": "kov-combo"})");
    EXPECT_EQ(empty.m_nLast, -1);
    EXPECT_EQ(empty.m_bReal, 0);
    EXPECT_EQ(empty.m_nHp, 0);
    EXPECT_EQ(empty.m_nDef, 0);

    // Damage 0 with the defaults: CEIL, Kov Rate 1.0, hit rate 0.99, on.
    const ComboState state = Accepted(File(R"("hp": 5, "hits": [{}, {"core": true}])"));
    ASSERT_EQ(state.m_nLast, 1);
    const ComboEntry& first = state.m_table[0];
    EXPECT_EQ(first.m_bUsed, 1);
    EXPECT_EQ(first.m_nType, kTrapCeil);
    EXPECT_EQ(first.m_nDamage, 0);
    EXPECT_EQ(first.m_dKovRate, 1.0);
    EXPECT_EQ(first.m_dHitRate, 0.99);
    EXPECT_EQ(first.m_nHitsLeft, 1);
    EXPECT_EQ(first.m_bCalculate, 1);
    EXPECT_EQ(first.m_bLinkTrap + first.m_bAirier + first.m_bOption + first.m_bUnDefence, 0);
    EXPECT_EQ(first.m_nLinkCount, 0);
    // A Core hit that leaves out its hit rate has the 1 the window stores.
    EXPECT_EQ(state.m_table[1].m_bCore, 1);
    EXPECT_EQ(state.m_table[1].m_dHitRate, 1.0);
    // Rows past the combo stay free; the working entry is fresh.
    EXPECT_EQ(state.m_table[2].m_bUsed, 0);
    EXPECT_EQ(state.m_entry, DefaultEntry());
    EXPECT_EQ(state.m_nSel, -1);
}

TEST(ComboFileReader, EveryKeyReachesItsFieldAndTheComboIsScored) {
    const ComboState state = Accepted(File(R"(
        "mode": "Real", "hp": 300, "def": 20,
        "hits": [
          {"type": "WALL", "damage": 120, "kovRate": 2.0, "hitRate": 0.95, "unDefence": false,
           "hitsLeft": 2, "calculate": true, "airier": true, "core": false, "counter": true,
           "double": false, "linkTrap": false, "linkCount": 0, "longRange": false,
           "rapidChain": false, "option": true},
          {"type": "EXTRA", "damage": 92, "kovRate": 1.1, "hitRate": 0.9, "unDefence": true,
           "hitsLeft": 15, "calculate": false, "linkTrap": true, "linkCount": 11,
           "double": true, "longRange": true, "rapidChain": true},
          {"type": "FLOOR", "damage": 999, "kovRate": 4, "core": true, "hitRate": 1.0}
        ])"));
    EXPECT_EQ(state.m_bReal, 1);
    EXPECT_EQ(state.m_nHp, 300);
    EXPECT_EQ(state.m_nDef, 20);
    ASSERT_EQ(state.m_nLast, 2);

    // Fields in record order: used, type, damage, Kov rate, hit rate,
    // UnDifence, hits left, Calculate, Airier, Core, Counter, Double, Link
    // Trap, Long Range, Rapid Chain, Jk, Option, link count.
    EXPECT_EQ(state.m_table[0],
              (ComboEntry{1, kTrapWall, 120, 2.0, 0.95, 0, 2, 1, 1, 0, 1, 0, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(state.m_table[1],
              (ComboEntry{1, kTrapExtra, 92, 1.1, 0.9, 1, 15, 0, 0, 0, 0, 1, 1, 1, 1, 0, 0, 11}));
    EXPECT_EQ(state.m_table[2],
              (ComboEntry{1, kTrapFloor, 999, 4.0, 1.0, 0, 1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0}));

    // Scored as loaded: 100 x 0.95 = 95 dealt at rate 2.0, 95 x 2 = 190, x 2.25
    // for Airier and Counter = 427; then 92 whole, off, kills nothing (187 < 300);
    // then 979 x 1.0 = 979: T 1166, killed without Jk, rate 2 x 1 x 4 = 8,
    // 1166 x 8 = 9328 x 1.5 (Core) = 13992.
    EXPECT_EQ(state.m_results[0].m_nDamage, 95);
    EXPECT_EQ(state.m_results[0].m_dKov, 427.0);
    EXPECT_EQ(state.m_results[1].m_nTotalDamage, 187);
    EXPECT_EQ(state.m_results[1].m_dKov, 0.0);
    EXPECT_EQ(state.m_results[2].m_nTotalDamage, 1166);
    EXPECT_EQ(state.m_results[2].m_bKilled, 1);
    EXPECT_EQ(state.m_table[2].m_bJk, 0);
    EXPECT_EQ(state.m_results[2].m_dTotalRate, 8.0);
    EXPECT_EQ(state.m_results[2].m_dTotalKov, 427.0 + 13992.0);
}

struct RefusalCase {
    std::string text;
    std::string where;
    std::string reason;
};

TEST(ComboFileReader, ValuesTheWindowCouldNotHaveMadeAreRefusedWithTheirPlace) {
    const std::vector<RefusalCase> cases = {
        // What the file is.
        {R"({"version": 1})", "format",
         R"(missing; a combo file starts with "format": "kov-combo")"},
        {R"({"format": "kov-kombo", "version": 1})", "format", R"("kov-kombo" is not "kov-combo")"},
        {R"({"format": 7, "version": 1})", "format", "expected a text in double quotes, found 7"},
        {R"({"format": "kov-combo"})", "version", "missing; expected 1"},
        {R"({"format": "kov-combo", "version": 2})", "version",
         "2 is not a version this program reads (1)"},
        {R"({"format": "kov-combo", "version": 1.0})", "version",
         "1.0 is not a version this program reads (1)"},
        {"[1, 2]", "", "expected an object at the top level, found a list"},
        // Top-level values.
        {File(R"("foo": 1)"), "foo", R"(unknown key "foo")"},
        {File(R"("mode": "theory")"), "mode", R"("theory" is not "Theory" or "Real")"},
        {File(R"("hp": 1000)"), "hp", "1000 is outside 0..999"},
        {File(R"("def": -1)"), "def", "-1 is outside 0..999"},
        {File(R"("hp": "3")"), "hp", R"(expected a whole number, found the text "3")"},
        {File(R"("hp": 1.5)"), "hp", "expected a whole number, found 1.5"},
        {File(R"("hp": 100.0)"), "hp", "expected a whole number, found 100.0"},
        {File(R"("hp": 99999999999999999999)"), "hp", "99999999999999999999 is outside 0..999"},
        {File(R"("hp": 18446744073709551615)"), "hp", "18446744073709551615 is outside 0..999"},
        {File(R"("hits": {})"), "hits", "expected a list, found an object"},
        {File(R"("hits": [{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}])"),
         "hits", "16 hits; a combo has at most 15"},
        // Hits.
        {File(R"("hits": [{}, 3])"), "hits[1]", "expected an object, found 3"},
        {OneHit(R"("damage": 1200)"), "hits[0].damage", "1200 is outside 0..999"},
        {OneHit(R"("damage": 1.5)"), "hits[0].damage", "expected a whole number, found 1.5"},
        {OneHit(R"("type": "Ceil")"), "hits[0].type",
         R"("Ceil" is not one of CEIL, WALL, FLOOR, EXTRA)"},
        {OneHit(R"("kovRate": 1.55)"), "hits[0].kovRate", "1.55 is not one of the Kov Rate values"},
        {OneHit(R"("kovRate": 2.2)"), "hits[0].kovRate", "2.2 is not one of the Kov Rate values"},
        {OneHit(R"("kovRate": "1.5")"), "hits[0].kovRate",
         R"(expected a number, found the text "1.5")"},
        {OneHit(R"("hitRate": 1)"), "hits[0].hitRate", "1 is not one of the Hit Rate values"},
        {OneHit(R"("hitRate": 0.84)"), "hits[0].hitRate", "0.84 is not one of the Hit Rate values"},
        {OneHit(R"("core": true, "hitRate": 0.99)"), "hits[0].hitRate",
         "0.99 must be 1 when core is true"},
        {OneHit(R"("hitsLeft": 0)"), "hits[0].hitsLeft", "0 is outside 1..15"},
        {OneHit(R"("hitsLeft": 16)"), "hits[0].hitsLeft", "16 is outside 1..15"},
        {OneHit(R"("linkTrap": true)"), "hits[0].linkCount",
         "missing; a Link Trap hit needs a link count 2..11"},
        {OneHit(R"("linkCount": 1, "linkTrap": true)"), "hits[0].linkCount", "1 is outside 2..11"},
        {OneHit(R"("linkTrap": true, "linkCount": 12)"), "hits[0].linkCount",
         "12 is outside 2..11"},
        {OneHit(R"("linkTrap": true, "linkCount": 0)"), "hits[0].linkCount", "0 is outside 2..11"},
        {OneHit(R"("linkCount": 3)"), "hits[0].linkCount", "3 must be 0 when linkTrap is false"},
        {OneHit(R"("double": 1)"), "hits[0].double", "expected true or false, found 1"},
        {OneHit(R"("calculate": null)"), "hits[0].calculate", "expected true or false, found null"},
        {File(R"("hits": [{}, {}, {"airier": true, "power": 9}])"), "hits[2].power",
         R"(unknown key "power")"},
        {OneHit(R"("a b": 1)"), R"(hits[0]."a b")", R"(unknown key "a b")"},
        // The library keeps the last of two equal keys; we refuse them.
        {File(R"("hp": 1, "hp": 2)"), "hp", R"(duplicate key "hp")"},
        {File(R"("hits": [{}, {"damage": 1, "damage": 1}])"), "hits[1].damage",
         R"(duplicate key "damage")"},
    };
    for (const RefusalCase& c : cases) {
        const ComboFileError error = Refusal(c.text);
        EXPECT_EQ(error.where, c.where) << c.text;
        EXPECT_EQ(error.reason, c.reason) << c.text;
        EXPECT_EQ(error.line, 0) << c.text;
    }
}

// Numbers as the file writes them, never as the double they were read as,
// and every text from the file cut after 40 bytes.
TEST(ComboFileReader, MessagesQuoteTheFileAsWritten) {
    const std::string digits45 = "123456789012345678901234567890123456789012345";
    const std::string key40(40, 'k');
    const std::vector<RefusalCase> cases = {
        {File(R"("hp": 1e2)"), "hp", "expected a whole number, found 1e2"},
        {File(R"("def": -0.0)"), "def", "expected a whole number, found -0.0"},
        {File(R"("hp": 123456789012345678901234567890)"), "hp",
         "123456789012345678901234567890 is outside 0..999"},
        {File(R"("hp": -123456789012345678901234567890)"), "hp",
         "-123456789012345678901234567890 is outside 0..999"},
        {File(R"("hp": )" + digits45), "hp",
         "1234567890123456789012345678901234567890... is outside 0..999"},
        {File(R"("hp": 1e400)"), "hp", "1e400 is too large a number"},
        {OneHit(R"("kovRate": -1E+400)"), "hits[0].kovRate", "-1E+400 is too large a number"},
        {OneHit(R"("kovRate": 1.550)"), "hits[0].kovRate",
         "1.550 is not one of the Kov Rate values"},
        {OneHit(R"("hitRate": 9.90e-1, "core": true)"), "hits[0].hitRate",
         "9.90e-1 must be 1 when core is true"},
        {OneHit(R"("linkCount": 3.0)"), "hits[0].linkCount", "expected a whole number, found 3.0"},
        {OneHit(R"("linkCount": 99999999999999999999999)"), "hits[0].linkCount",
         "99999999999999999999999 must be 0 when linkTrap is false"},
        {OneHit(R"("linkTrap": true, "linkCount": 2e0)"), "hits[0].linkCount",
         "expected a whole number, found 2e0"},
        {File(R"("hits": [{}, 1.50])"), "hits[1]", "expected an object, found 1.50"},
        // Keys: 40 bytes are shown whole, one more is cut, in the path too.
        {File("\"" + key40 + "\": 1"), key40, "unknown key \"" + key40 + "\""},
        {File("\"" + key40 + "x\": 1"), "\"" + key40 + "...\"", "unknown key \"" + key40 + "...\""},
        {File(R"("mode": ")" + key40 + "\""), "mode",
         "\"" + key40 + "\" is not \"Theory\" or \"Real\""},
        {File(R"("mode": ")" + key40 + "Real\""), "mode",
         "\"" + key40 + "...\" is not \"Theory\" or \"Real\""},
    };
    for (const RefusalCase& c : cases) {
        const ComboFileError error = Refusal(c.text);
        EXPECT_EQ(error.where, c.where) << c.text;
        EXPECT_EQ(error.reason, c.reason) << c.text;
        EXPECT_EQ(error.line, 0) << c.text;
    }

    const std::string hugeKey(1024 * 1024 - 100, 'a');
    const ComboFileError huge = Refusal(File("\"" + hugeKey + "\": 1"));
    EXPECT_EQ(huge.where.size(), 40u + 5u);
    EXPECT_LT(huge.reason.size(), 60u);
}

TEST(ComboFileReader, SyntaxErrorsGiveLineAndColumn) {
    struct Case {
        std::string text;
        int line;
        int column;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {"{\"format\" 1}", 1, 11,
         "syntax error while parsing object separator - unexpected number literal; expected ':'"},
        {"{\n  \"format\": \"kov-combo\",\n  x}", 3, 3,
         "syntax error while parsing object key - invalid literal; expected string literal"},
        {R"({"format": "kov-combo", "version": 1})"
         "\n\n  garbage",
         3, 3, "syntax error while parsing value - invalid literal; expected end of input"},
        {"", 1, 1,
         "syntax error while parsing value - unexpected end of input; expected '[', '{', or a "
         "literal"},
        {"{\"hits\": [1,\n2", 2, 2,
         "syntax error while parsing array - unexpected end of input; "
         "expected ']'"},
        // The bytes read so far are never echoed, even when they look like
        // the library's own message.
        {"\"; expected '}\xff\"", 1, 15,
         "syntax error while parsing value - invalid string: ill-formed UTF-8 byte"},
        {"{\"mode\": \"\xff\"}", 1, 11,
         "syntax error while parsing value - invalid string: "
         "ill-formed UTF-8 byte"},
        // The library takes a NUL for the end of the text; we refuse it where
        // it stands, between values, in a text or after the whole value.
        {"{\"format\": \"kov-combo\",\n \0\"version\": 1}"s, 2, 2,
         "a NUL byte, which no text file holds"},
        {"{\"mode\": \"Th\0eory\"}"s, 1, 13, "a NUL byte, which no text file holds"},
        {"{\"format\":\"kov-combo\",\"version\":1}\0junk{{"s, 1, 35,
         "a NUL byte, which no text file holds"},
        {"\0"s, 1, 1, "a NUL byte, which no text file holds"},
        // A number beyond any double, at the top where it has no key.
        {"\n  1e400", 2, 3, "1e400 is too large a number"},
    };
    for (const Case& c : cases) {
        const ComboFileError error = Refusal(c.text);
        EXPECT_EQ(error.line, c.line) << c.text;
        EXPECT_EQ(error.column, c.column) << c.text;
        EXPECT_EQ(error.reason, c.reason) << c.text;
    }
}

TEST(ComboFileReader, FilesOfMoreThanOneMebibyteAreRefused) {
    const std::string valid = File(R"("hp": 7)");
    const std::size_t limit = 1024 * 1024;
    const std::string atLimit = valid + std::string(limit - valid.size(), ' ');
    EXPECT_EQ(Accepted(atLimit).m_nHp, 7);
    const ComboFileError error = Refusal(atLimit + " ");
    EXPECT_EQ(error.reason, "the file is larger than 1 MiB");
    EXPECT_EQ(error.where, "");
}

TEST(ComboFileReader, LoadsFromDiskAndReportsTheSystemsReason) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("kov-reader-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "a.kovcombo").string();
    std::ofstream(path) << OneHit(R"("damage": 42)");

    const ComboFileResult loaded = LoadComboFile(path);
    ASSERT_TRUE(std::holds_alternative<ComboState>(loaded));
    EXPECT_EQ(std::get<ComboState>(loaded).m_table[0].m_nDamage, 42);

    const ComboFileResult missing = LoadComboFile((dir / "none.kovcombo").string());
    ASSERT_TRUE(std::holds_alternative<ComboFileError>(missing));
    EXPECT_EQ(std::get<ComboFileError>(missing).reason, "No such file or directory");

    const ComboFileResult folder = LoadComboFile(dir.string());
    ASSERT_TRUE(std::holds_alternative<ComboFileError>(folder));
    EXPECT_EQ(std::get<ComboFileError>(folder).reason, "Is a directory");

    // More than 1 MiB is refused while reading, without reading it all.
    std::ofstream(path, std::ios::trunc) << std::string(3 * 1024 * 1024, ' ');
    const ComboFileResult large = LoadComboFile(path);
    ASSERT_TRUE(std::holds_alternative<ComboFileError>(large));
    EXPECT_EQ(std::get<ComboFileError>(large).reason, "the file is larger than 1 MiB");
    std::filesystem::remove_all(dir);
}

// The reason a load was refused, or "accepted".
std::string LoadReason(const std::string& path) {
    const ComboFileResult loaded = LoadComboFile(path);
    const auto* error = std::get_if<ComboFileError>(&loaded);
    return error != nullptr ? error->reason : "accepted";
}

TEST(ComboFileReader, OnlyRegularFilesAreReadAndAFileAtTheLimitIsWhole) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("kov-kinds-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string valid = File(R"("hp": 7)");
    const std::string atLimit = (dir / "limit.kovcombo").string();
    std::ofstream(atLimit, std::ios::binary)
        << valid << std::string(1024 * 1024 - valid.size(), ' ');
    ASSERT_EQ(std::filesystem::file_size(atLimit), 1024u * 1024u);
    const std::string overLimit = (dir / "over.kovcombo").string();
    std::ofstream(overLimit, std::ios::binary)
        << valid << std::string(1024 * 1024 + 1 - valid.size(), ' ');
    const std::string link = (dir / "link.kovcombo").string();
    std::filesystem::create_symlink(atLimit, link);
    const std::string fifo = (dir / "pipe.kovcombo").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);

    const std::vector<std::pair<std::string, std::string>> cases = {
        {atLimit, "accepted"},
        {overLimit, "the file is larger than 1 MiB"},
        {link, "accepted"},
        {"/dev/null", "not a regular file but a character device"},
        {dir.string(), "Is a directory"},
    };
    for (const auto& [path, reason] : cases) {
        EXPECT_EQ(LoadReason(path), reason) << path;
    }

    // A pipe nobody writes to: refused at once, never waited on. Should the
    // load wait all the same, a writer lets it go so the test can end.
    auto load = std::async(std::launch::async, [&] { return LoadReason(fifo); });
    if (load.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        ADD_FAILURE() << "loading a named pipe waits for a writer";
        ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
    }
    EXPECT_EQ(load.get(), "not a regular file but a named pipe (FIFO)");
    std::filesystem::remove_all(dir);
}

TEST(ComboFileReader, MessagesNameTheFileFirst) {
    EXPECT_EQ(FormatComboFileError("a.kovcombo", {3, 14, "", "syntax error"}),
              "a.kovcombo:3:14: syntax error");
    EXPECT_EQ(FormatComboFileError("b", {0, 0, "hits[3].damage", "1200 is outside 0..999"}),
              "b: hits[3].damage: 1200 is outside 0..999");
    EXPECT_EQ(FormatComboFileError("-", {0, 0, "", "Permission denied"}), "-: Permission denied");
}

TEST(EntryChoices, ListValuesAreTheDoublesTheWindowStores) {
    const double kovRates[] = {0.5, 0.6, 0.7, 0.8, 0.9, 1.0, 1.1, 1.2, 1.3, 1.4, 1.5,
                               1.6, 1.7, 1.8, 1.9, 2.0, 2.1, 2.3, 2.5, 2.8, 3.2, 4.0};
    for (double rate : kovRates) {
        EXPECT_TRUE(IsKovRateChoice(rate)) << rate;
    }
    for (double rate : {0.4, 2.2, 2.4, 3.0, 1.0000000000000002, 0.99}) {
        EXPECT_FALSE(IsKovRateChoice(rate)) << rate;
    }
    for (int hundredths = 85; hundredths <= 99; ++hundredths) {
        EXPECT_TRUE(IsHitRateChoice(std::stod("0." + std::to_string(hundredths)))) << hundredths;
    }
    for (double rate : {0.84, 1.0, 0.995, 0.9900000000000001}) {
        EXPECT_FALSE(IsHitRateChoice(rate)) << rate;
    }
    EXPECT_EQ(std::string(kHitCountTexts.front()) + "-" + kHitCountTexts.back(), "1-15");
    EXPECT_EQ(std::string(kLinkCountTexts.front()) + "-" + kLinkCountTexts.back(), "2-11");
}

} // namespace
