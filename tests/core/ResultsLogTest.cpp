// SPDX-License-Identifier: MIT
#include "report/ResultsLog.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

ComboState TwoRows() {
    ComboState state;
    state.m_nHp = 300;
    state.m_nDef = 20;
    state.m_nLast = 1;
    state.m_results[1] = HitResult{95, 250, 1.0, 1.5, 0, 1234, 0};
    return state;
}

const std::vector<std::string> kRows = {
    "01 |Ceil |* |* |  |  |  |  |  |  |120|  120|1.5|      1.500|        270|        270",
    "02 |Wall |  |  |  |  |  |  |  |  |130|  250|1.0|      1.500|        964|      1,234",
};

const char* const kTwoRowBlock =
    "Calculate  : Theory\r\n"
    "MaxHP      :         300\r\n"
    "Defence    :          20\r\n"
    "Total Hit  :           2\r\n"
    "Total Dmg  :         250\r\n"
    "Total Rate :           1.500\r\n"
    "Total Kov  :       1,234\r\n"
    "\r\n"
    "No.|Type |Ar|Co|Ct|Dd|Jk|Lt|Lr|Rp|Dmg|T.Dmg| Rt|     T.Rate|        Kov|      T.Kov\r\n"
    "---|-----|--|--|--|--|--|--|--|--|---|-----|---|-----------|-----------|-----------\r\n"
    "01 |Ceil |* |* |  |  |  |  |  |  |120|  120|1.5|      1.500|        270|        270\r\n"
    "02 |Wall |  |  |  |  |  |  |  |  |130|  250|1.0|      1.500|        964|      1,234\r\n"
    "-----------------------------------------------------------------------------------\r\n"
    "\r\n";

TEST(ResultsBlock, LayoutByteForByte) {
    EXPECT_EQ(BuildResultsBlock(TwoRows(), kRows), kTwoRowBlock);

    ComboState real = TwoRows();
    real.m_bReal = 1;
    real.m_nHp = -1;
    real.m_results[1] = HitResult{0, 14985, 1.0, 1234.567, 0, 1e18, 1};
    const std::string block = BuildResultsBlock(real, {"\xe2\x80\xa0x\ry"});
    EXPECT_EQ(block.substr(0, 21), "Calculate  : Real\r\nMa");
    EXPECT_NE(block.find("MaxHP      :  4294967295\r\n"), std::string::npos);
    EXPECT_NE(block.find("Total Dmg  :      14,985\r\n"), std::string::npos);
    EXPECT_NE(block.find("Total Rate :       1,234.567\r\n"), std::string::npos);
    EXPECT_NE(block.find("Total Kov  : 1,000,000,000,000,000,000\r\n"), std::string::npos);
    EXPECT_NE(block.find("-\r\n???x?y\r\n---"), std::string::npos) << "row lines stay ASCII";

    ComboState empty;
    const std::string none = BuildResultsBlock(empty, {});
    EXPECT_NE(none.find("Total Hit  :           0\r\n"), std::string::npos);
    EXPECT_NE(none.find("Total Rate :           0.000\r\n"), std::string::npos);
}

class ResultsFile : public ::testing::Test {
protected:
    std::string Read() const {
        std::ifstream in(m_path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void Write(const std::string& text) const { std::ofstream(m_path, std::ios::binary) << text; }

    TempDir m_temp;
    fs::path m_dir = m_temp.Path();
    std::string m_path = m_temp.File("Results.Txt");
};

TEST_F(ResultsFile, AppendsWholeBlocks) {
    const std::string block = kTwoRowBlock;
    EXPECT_TRUE(AppendResultsBlock(m_path, block).ok);
    const WriteOutcome second = AppendResultsBlock(m_path, block);
    EXPECT_TRUE(second.ok);
    EXPECT_TRUE(second.error.empty());
    EXPECT_EQ(Read(), block + block);

    Write("older report\r\n");
    ASSERT_TRUE(AppendResultsBlock(m_path, block).ok);
    EXPECT_EQ(Read(), "older report\r\n" + block);
}

TEST_F(ResultsFile, FailuresAreReportedAndChangeNothing) {
    const std::string missing = (m_dir / "no-such-dir" / "Results.Txt").string();
    const WriteOutcome noDir = AppendResultsBlock(missing, kTwoRowBlock);
    EXPECT_FALSE(noDir.ok);
    EXPECT_FALSE(noDir.error.empty());
    EXPECT_FALSE(fs::exists(m_dir / "no-such-dir"));

    // Permission bits do not stop root, and the tests may run as root; a
    // directory in the file's place cannot be written by anyone.
    fs::create_directory(m_path);
    const WriteOutcome isDir = AppendResultsBlock(m_path, kTwoRowBlock);
    EXPECT_FALSE(isDir.ok);
    EXPECT_FALSE(isDir.error.empty());
    EXPECT_TRUE(fs::is_empty(m_path));
    fs::remove(m_path);

    if (geteuid() != 0) {
        Write("kept\r\n");
        fs::permissions(m_path,
                        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        EXPECT_FALSE(AppendResultsBlock(m_path, kTwoRowBlock).ok);
        EXPECT_EQ(Read(), "kept\r\n");
        fs::remove(m_path);
    }
}

} // namespace
