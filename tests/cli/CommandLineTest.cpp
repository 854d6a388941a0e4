// SPDX-License-Identifier: MIT
// The program's command-line modes, run as a user runs them: a separate
// process, no display, files in a scratch folder. Expected reports are
// written out by hand; the best order is checked against every order of the
// same hits, each reported by the program's plain --report.
#include "support/FileText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(n));
    return text;
}

// Runs the program with `args` in the current folder, with no display in its
// environment, `input` on standard input; standard error goes to a file so
// that neither pipe can fill up while the other is read.
ProgramRun Program(const std::vector<std::string>& args, const std::string& input = "") {
    int in[2];
    int out[2];
    if (pipe(in) != 0 || pipe(out) != 0)
        throw std::runtime_error("pipe");
    const std::string errPath = "stderr.txt";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addclose(&actions, in[1]);
    posix_spawn_file_actions_addclose(&actions, out[0]);

    std::vector<std::string> all{KOV_PROGRAM};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::string path = "PATH=/usr/bin:/bin";
    std::array<char*, 2> env{path.data(), nullptr};

    pid_t pid;
    const int spawned = posix_spawn(&pid, KOV_PROGRAM, &actions, nullptr, argv.data(), env.data());
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    if (spawned != 0)
        throw std::runtime_error("spawn");
    // Small inputs only: the pipe holds them whole.
    (void)!write(in[1], input.data(), input.size());
    close(in[1]);
    ProgramRun run;
    run.out = ReadAll(out[0]);
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ReadFile(errPath);
    return run;
}

std::string Hit(const std::string& fields) {
    return "{" + fields + "}";
}

std::string Combo(const std::string& mode, int hp, int def, const std::vector<std::string>& hits) {
    std::string text = "{\"format\": \"kov-combo\", \"version\": 1, \"mode\": \"" + mode +
                       "\", \"hp\": " + std::to_string(hp) + ", \"def\": " + std::to_string(def) +
                       ", \"hits\": [";
    for (std::size_t i = 0; i < hits.size(); ++i)
        text += (i ? ", " : "") + hits[i];
    return text + "]}\n";
}

// The worked example: HP 300, defence 20, six single hits.
const std::string kExampleFile = Combo(
    "Theory", 300, 20,
    {Hit(R"("damage": 100, "kovRate": 1.5, "hitRate": 0.99)"),
     Hit(R"("type": "WALL", "damage": 120, "kovRate": 2.0, "hitRate": 0.95, "airier": true, "counter": true)"),
     Hit(R"("damage": 60, "kovRate": 1.0, "hitRate": 0.9, "linkTrap": true, "linkCount": 3)"),
     Hit(R"("damage": 0, "kovRate": 1.3, "calculate": false)"),
     Hit(R"("damage": 92, "unDefence": true, "kovRate": 1.1, "hitRate": 0.9, "double": true)"),
     Hit(R"("damage": 10, "kovRate": 1.0, "hitRate": 0.99)")});

const std::string kExampleReport =
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
    "03 |Ceil |  |  |  |  |  |* |  |  | 36|  210|1.2|      3.599|        755|      2,047\r\n"
    "04 |Ceil |  |  |  |  |  |  |  |  |  0|  210|1.0|      3.599|          0|      2,047\r\n"
    "05 |Ceil |  |  |  |* |* |  |  |  | 92|  302|1.1|      3.958|      1,842|      3,889\r\n"
    "06 |Ceil |  |  |  |  |  |  |  |  |  1|  303|1.0|      3.958|      1,199|      5,088\r\n"
    "-----------------------------------------------------------------------------------\r\n"
    "\r\n";

// The whole number after "Total Kov  : " in a report.
long long TotalKov(const std::string& report) {
    const std::string label = "Total Kov  : ";
    const std::size_t at = report.find(label);
    if (at == std::string::npos)
        return -1;
    std::string digits;
    for (std::size_t i = at + label.size(); i < report.size() && report[i] != '\r'; ++i)
        if (report[i] >= '0' && report[i] <= '9')
            digits += report[i];
    return std::stoll(digits);
}

class CommandLine : public ::testing::Test {
protected:
    TempWorkDir m_dir;
};

TEST_F(CommandLine, ReportPrintsTheOutputBlockFromAFileOrStandardInput) {
    WriteFile("example.kovcombo", kExampleFile);
    const ProgramRun fromFile = Program({"--report", "example.kovcombo"});
    EXPECT_EQ(fromFile.status, 0) << fromFile.err;
    EXPECT_EQ(fromFile.out, kExampleReport);
    EXPECT_EQ(fromFile.err, "");
    EXPECT_FALSE(std::filesystem::exists("Results.Txt"));

    const ProgramRun fromInput = Program({"--report", "-"}, kExampleFile);
    EXPECT_EQ(fromInput.status, 0) << fromInput.err;
    EXPECT_EQ(fromInput.out, kExampleReport);
}

TEST_F(CommandLine, AppendAddsTheBlockToResultsTxtOrSaysWhyNot) {
    WriteFile("example.kovcombo", kExampleFile);
    for (int i = 0; i < 2; ++i) {
        const ProgramRun run = Program({"--report", "example.kovcombo", "--append"});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(ReadFile("Results.Txt"), kExampleReport + kExampleReport);

    std::filesystem::remove("Results.Txt");
    std::filesystem::create_directory("Results.Txt");
    const ProgramRun blocked = Program({"--report", "example.kovcombo", "--append"});
    EXPECT_EQ(blocked.status, 1);
    EXPECT_EQ(blocked.out, "");
    EXPECT_EQ(blocked.err, "kov-calculator: Results.Txt: Is a directory\n");
}

TEST_F(CommandLine, ARefusedFileIsOneLineOnStandardErrorAndStatusTwo) {
    WriteFile("range.kovcombo", Combo("Theory", 300, 20,
                                      {Hit(R"("damage": 10)"), Hit(R"("damage": 1200)")}));
    const ProgramRun range = Program({"--report", "range.kovcombo"});
    EXPECT_EQ(range.status, 2);
    EXPECT_EQ(range.out, "");
    EXPECT_EQ(range.err, "kov-calculator: range.kovcombo: hits[1].damage: 1200 is outside 0..999\n");

    WriteFile("syntax.kovcombo", "{\"format\": \"kov-combo\",\n  \"version\" 1}\n");
    const ProgramRun syntax = Program({"--best-order", "syntax.kovcombo"});
    EXPECT_EQ(syntax.status, 2);
    EXPECT_EQ(syntax.out, "");
    EXPECT_EQ(syntax.err.rfind("kov-calculator: syntax.kovcombo:2:13: ", 0), 0u) << syntax.err;
    EXPECT_EQ(std::count(syntax.err.begin(), syntax.err.end(), '\n'), 1);

    const ProgramRun missing = Program({"--report", "missing.kovcombo"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "kov-calculator: missing.kovcombo: No such file or directory\n");
}

TEST_F(CommandLine, HelpVersionAndUnknownOptions) {
    const ProgramRun help = Program({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: kov-calculator [options] [FILE]", 0), 0u) << help.out;
    for (const char* option : {"--report <FILE>", "--append", "--best-order <FILE>", "--output <OUT>"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;

    const ProgramRun version = Program({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "kov-calculator 0.92\n");

    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--frobnicate"}, {"--append"}, {"--report"},
          {"--output", "x.kovcombo"}, {"--report", "a", "--best-order", "b"}}) {
        const ProgramRun refused = Program(args);
        EXPECT_EQ(refused.status, 2) << args[0];
        EXPECT_EQ(refused.out, "");
        EXPECT_EQ(refused.err.rfind("kov-calculator: ", 0), 0u) << refused.err;
        EXPECT_NE(refused.err.find("Usage: kov-calculator"), std::string::npos);
    }
}

// Four single hits whose order matters: the rate, the kill and the Jk bonus
// all depend on it. Every order is reported by the program itself; the best
// order must reach the highest of those totals, and the file it saves must
// report exactly what it printed.
void ExpectBestOfAllOrders(const std::string& mode, int hp, std::vector<std::string> hits) {
    std::sort(hits.begin(), hits.end());
    long long best = -1;
    long long first = -1;
    do {
        WriteFile("order.kovcombo", Combo(mode, hp, 0, hits));
        const ProgramRun run = Program({"--report", "order.kovcombo"});
        ASSERT_EQ(run.status, 0) << run.err;
        best = std::max(best, TotalKov(run.out));
        if (first < 0)
            first = TotalKov(run.out);
    } while (std::next_permutation(hits.begin(), hits.end()));

    std::sort(hits.begin(), hits.end());
    WriteFile("combo.kovcombo", Combo(mode, hp, 0, hits));
    const ProgramRun reordered = Program({"--best-order", "combo.kovcombo", "--output", "best.kovcombo"});
    ASSERT_EQ(reordered.status, 0) << reordered.err;
    EXPECT_EQ(TotalKov(reordered.out), best) << mode;
    EXPECT_GT(best, first) << "the first order must not already be the best";
    const ProgramRun saved = Program({"--report", "best.kovcombo"});
    EXPECT_EQ(saved.out, reordered.out);
}

TEST_F(CommandLine, BestOrderMatchesTheBestOfEveryOrderInBothModes) {
    ExpectBestOfAllOrders("Theory", 250,
                          {Hit(R"("damage": 100, "kovRate": 0.5, "hitRate": 0.99)"),
                           Hit(R"("damage": 90, "kovRate": 2.8, "hitRate": 0.99, "airier": true)"),
                           Hit(R"("damage": 60, "kovRate": 1.6, "hitRate": 0.9, "double": true)"),
                           Hit(R"("damage": 3, "unDefence": true, "kovRate": 1.0)")});
    // High rates and every bonus: single scores pass 16,777,216, so Real mode
    // reduces them and the best order differs from Theory's.
    const std::string bonuses =
        R"("airier": true, "core": true, "hitRate": 1, "counter": true, "double": true, "longRange": true, "rapidChain": true)";
    ExpectBestOfAllOrders("Real", 999,
                          {Hit(R"("damage": 999, "kovRate": 4.0, "linkTrap": true, "linkCount": 11, )" + bonuses),
                           Hit(R"("damage": 900, "kovRate": 3.2, "linkTrap": true, "linkCount": 9, )" + bonuses),
                           Hit(R"("damage": 850, "kovRate": 2.5, "linkTrap": true, "linkCount": 7, )" + bonuses),
                           Hit(R"("damage": 700, "kovRate": 0.5)")});
}

TEST_F(CommandLine, BestOrderOfAnOptimalComboChangesNothing) {
    WriteFile("example.kovcombo", kExampleFile);
    const ProgramRun first = Program({"--best-order", "example.kovcombo", "--output", "best.kovcombo"});
    ASSERT_EQ(first.status, 0) << first.err;
    const ProgramRun again = Program({"--best-order", "best.kovcombo"});
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out, first.out);
}

} // namespace
