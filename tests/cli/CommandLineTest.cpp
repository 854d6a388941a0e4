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
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
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

// Where standard output goes and what the environment adds to PATH.
struct RunSetting {
    std::string outPath;          // empty: a pipe the test reads
    std::vector<std::string> env; // NAME=value
};

// Runs the program with `args` in the current folder, with no display in its
// environment, `input` on standard input; standard error goes to a file so
// that neither pipe can fill up while the other is read.
ProgramRun Program(const std::vector<std::string>& args, const std::string& input = "",
                   const RunSetting& setting = {}) {
    int in[2];
    int out[2];
    if (pipe(in) != 0 || pipe(out) != 0)
        throw std::runtime_error("pipe");
    const std::string errPath = "stderr.txt";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    if (setting.outPath.empty())
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    else
        posix_spawn_file_actions_addopen(&actions, 1, setting.outPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
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
    std::vector<std::string> envText{"PATH=/usr/bin:/bin"};
    envText.insert(envText.end(), setting.env.begin(), setting.env.end());
    std::vector<char*> env;
    for (std::string& e : envText)
        env.push_back(e.data());
    env.push_back(nullptr);

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

// 1234567 as "1,234,567".
std::string Grouped(long long value) {
    std::string digits = std::to_string(value);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
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
    WriteFile("range.kovcombo",
              Combo("Theory", 300, 20, {Hit(R"("damage": 10)"), Hit(R"("damage": 1200)")}));
    const ProgramRun range = Program({"--report", "range.kovcombo"});
    EXPECT_EQ(range.status, 2);
    EXPECT_EQ(range.out, "");
    EXPECT_EQ(range.err,
              "kov-calculator: range.kovcombo: hits[1].damage: 1200 is outside 0..999\n");

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
    for (const char* option :
         {"--report <FILE>", "--append", "--best-order <FILE>", "--output <OUT>"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;

    const ProgramRun version = Program({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "kov-calculator 0.92\n");

    for (const std::vector<std::string>& args : {std::vector<std::string>{"--frobnicate"},
                                                 {"--append"},
                                                 {"--report"},
                                                 {"--output", "x.kovcombo"},
                                                 {"--report", "a", "--best-order", "b"}}) {
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
    const ProgramRun reordered =
        Program({"--best-order", "combo.kovcombo", "--output", "best.kovcombo"});
    ASSERT_EQ(reordered.status, 0) << reordered.err;
    EXPECT_EQ(TotalKov(reordered.out), best) << mode;
    EXPECT_GT(best, first) << "the first order must not already be the best";
    EXPECT_EQ(reordered.err, "Total Kov " + Grouped(first) + " \u2192 " + Grouped(best) + "\n");
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
    ExpectBestOfAllOrders(
        "Real", 999,
        {Hit(R"("damage": 999, "kovRate": 4.0, "linkTrap": true, "linkCount": 11, )" + bonuses),
         Hit(R"("damage": 900, "kovRate": 3.2, "linkTrap": true, "linkCount": 9, )" + bonuses),
         Hit(R"("damage": 850, "kovRate": 2.5, "linkTrap": true, "linkCount": 7, )" + bonuses),
         Hit(R"("damage": 700, "kovRate": 0.5)")});
}

TEST_F(CommandLine, BestOrderOfAnOptimalComboChangesNothing) {
    WriteFile("example.kovcombo", kExampleFile);
    const ProgramRun first =
        Program({"--best-order", "example.kovcombo", "--output", "best.kovcombo"});
    ASSERT_EQ(first.status, 0) << first.err;
    const ProgramRun again = Program({"--best-order", "best.kovcombo"});
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out, first.out);
    EXPECT_EQ(again.err, "The current order already scores the most.\n");
}

// Each case runs the program once and names all it must show. "<usage>"
// in `err` stands for the usage text that follows a refused command line.
struct CliCase {
    std::vector<std::string> args;
    std::string input;
    RunSetting setting;
    int status;
    std::string out; // "<combo>": the reordered combo file; "<block>": its report
    std::string err;
};

const std::string kUsage = "<usage>";
// The worked example is already in its best order.
const std::string kBestLine = "The current order already scores the most.\n";

TEST_F(CommandLine, RefusalsFailuresAndWhereEachOutputGoes) {
    WriteFile("example.kovcombo", kExampleFile);
    WriteFile("empty.kovcombo", "{\"format\": \"kov-combo\", \"version\": 1, \"hp\": 5}");
    ASSERT_EQ(mkfifo("pipe.kovcombo", 0600), 0);
    std::filesystem::create_symlink("nowhere/best.kovcombo", "dangling.kovcombo");
    // The best order of the example and its report, as the program saves it.
    const ProgramRun best =
        Program({"--best-order", "example.kovcombo", "--output", "best.kovcombo"});
    ASSERT_EQ(best.status, 0) << best.err;
    ASSERT_EQ(best.err, kBestLine);
    const std::string combo = ReadFile("best.kovcombo");
    ASSERT_EQ(combo.rfind("{\n  \"format\": \"kov-combo\",\n", 0), 0u) << combo;
    const std::string full = "No space left on device";

    const std::vector<CliCase> cases = {
        // Arguments refused with the usage.
        {{"--report", "a", "--report", "b"},
         "",
         {},
         2,
         "",
         "--report can be given only once.\n" + kUsage},
        {{"--best-order", "a", "--best-order", "b"},
         "",
         {},
         2,
         "",
         "--best-order can be given only once.\n" + kUsage},
        {{"--best-order", "a", "--output", "x", "--output", "y"},
         "",
         {},
         2,
         "",
         "--output can be given only once.\n" + kUsage},
        {{"--report", "a", "--append", "--append"},
         "",
         {},
         2,
         "",
         "--append can be given only once.\n" + kUsage},
        {{"a.kovcombo", "b.kovcombo"}, "", {}, 2, "", "Only one FILE can be opened.\n" + kUsage},
        {{"--best-order", "example.kovcombo", "--output", ""},
         "",
         {},
         2,
         "",
         "--output needs a file name (- for standard output).\n" + kUsage},
        // Files refused: status 2, one line.
        {{"--report", "empty.kovcombo"},
         "",
         {},
         2,
         "",
         "empty.kovcombo: the combo has no hits, so there is nothing to report\n"},
        {{"--best-order", "-"},
         "{\"format\": \"kov-combo\", \"version\": 1}",
         {},
         2,
         "",
         "-: the combo has no hits, so there is nothing to report\n"},
        {{"--report", "pipe.kovcombo"},
         "",
         {},
         2,
         "",
         "pipe.kovcombo: not a regular file but a named pipe (FIFO)\n"},
        {{"--report", "-"},
         std::string("{\"format\":\"kov-combo\",\"version\":1}\0junk{{", 41),
         {},
         2,
         "",
         "-:1:35: a NUL byte, which no text file holds\n"},
        // Writes that fail: status 1 with the system's reason.
        {{"--best-order", "example.kovcombo", "--output", "nodir/x"},
         "",
         {},
         1,
         "",
         "nodir/x: No such file or directory\n"},
        {{"--best-order", "example.kovcombo", "--output", "dangling.kovcombo"},
         "",
         {},
         1,
         "",
         "dangling.kovcombo: a symbolic link to nowhere/best.kovcombo, which does not exist\n"},
        {{"--best-order", "example.kovcombo", "--output", "pipe.kovcombo"},
         "",
         {},
         1,
         "",
         "pipe.kovcombo: no program is reading from the named pipe\n"},
        {{"--report", "example.kovcombo"},
         "",
         {"/dev/full", {}},
         1,
         "",
         "standard output: " + full + "\n"},
        {{"--help"}, "", {"/dev/full", {}}, 1, "", "standard output: " + full + "\n"},
        {{"--version"}, "", {"/dev/full", {}}, 1, "", "standard output: " + full + "\n"},
        // The reordered combo on standard output, by "-" or by its name,
        // instead of the report; the summary on standard error either way.
        {{"--best-order", "example.kovcombo", "--output", "-"}, "", {}, 0, "<combo>", kBestLine},
        {{"--best-order", "example.kovcombo", "--output", "/dev/stdout"},
         "",
         {},
         0,
         "<combo>",
         kBestLine},
        {{"--best-order", "example.kovcombo", "--output", "/dev/stdout"},
         "",
         {"res.txt", {}},
         0,
         "<combo>",
         kBestLine},
        {{"--best-order", "example.kovcombo", "--output", "/dev/null"},
         "",
         {},
         0,
         "<block>",
         kBestLine},
    };
    for (const CliCase& c : cases) {
        std::string shown;
        for (const std::string& a : c.args)
            shown += "'" + a + "' ";
        const ProgramRun run = Program(c.args, c.input, c.setting);
        EXPECT_EQ(run.status, c.status) << shown << run.err;
        const std::string out = c.setting.outPath == "res.txt" ? ReadFile("res.txt") : run.out;
        EXPECT_EQ(out, c.out == "<combo>" ? combo : c.out == "<block>" ? best.out : c.out) << shown;
        std::string err = c.err;
        if (const std::size_t at = err.find(kUsage); at != std::string::npos)
            err.replace(at, kUsage.size(), Program({"--help"}).out);
        EXPECT_EQ(run.err, (c.err == kBestLine ? "" : "kov-calculator: ") + err) << shown;
    }
    EXPECT_EQ(std::filesystem::status("/dev/null").type(), std::filesystem::file_type::character);
    EXPECT_EQ(std::filesystem::symlink_status("pipe.kovcombo").type(),
              std::filesystem::file_type::fifo);
    EXPECT_FALSE(std::filesystem::exists("-"));
}

// A display named but not answering: one sentence naming it and status 1,
// as with no display at all.
TEST_F(CommandLine, ADisplayThatDoesNotAnswerIsNamedInOneSentence) {
    if (std::filesystem::exists("/tmp/.X11-unix/X99"))
        GTEST_SKIP() << "a display :99 exists here";
    const std::string runtime = "XDG_RUNTIME_DIR=" + std::filesystem::current_path().string();
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"DISPLAY=:99"}, "the X11 display :99"},
        {{runtime, "WAYLAND_DISPLAY=kov-no-compositor"}, "the Wayland display kov-no-compositor"},
        {{runtime, "WAYLAND_DISPLAY=kov-no-compositor", "DISPLAY=:99"},
         "the Wayland display kov-no-compositor or the X11 display :99"},
    };
    for (const auto& [env, named] : cases) {
        const ProgramRun run = Program({}, "", {"", env});
        EXPECT_EQ(run.status, 1) << named;
        EXPECT_EQ(run.err,
                  "kov-calculator cannot show its window: it could not open " + named + ".\n");
        EXPECT_EQ(run.out, "");
    }
}

} // namespace
