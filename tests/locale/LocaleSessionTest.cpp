// SPDX-License-Identifier: MIT
// The same session in the real window under several locales must write the
// same Results.Txt, byte for byte, and show the same list lines. The window
// takes the process locale from the environment when the application starts,
// so each locale gets a process of its own: this binary run again with
// "--session <dir>" and LC_ALL set.
#include "support/TempDir.h"
#include "support/WindowDriver.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

const char* const kLocales[] = {"C", "de_DE.UTF-8", "fr_FR.UTF-8", "tr_TR.UTF-8", "ja_JP.UTF-8"};
const std::string kEarlier = "an earlier report\r\n";

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// ---------------------------------------------------------------------------
// The session, in the child.

int RunSession(int argc, char** argv, const std::filesystem::path& dir) {
    QApplication app(argc, argv);
    if (chdir(dir.c_str()) != 0)
        return 2;
    // What the locale is now, for the parent to see that it took effect.
    std::ofstream(dir / "locale.txt") << std::setlocale(LC_ALL, nullptr) << "\n"
                                      << std::localeconv()->decimal_point << "\n";

    WindowDriver s;
    std::string shown;
    // The list as shown at the moment, one line each.
    const auto showLines = [&s, &shown] {
        for (const std::string& line : s.Lines())
            shown += line + "\n";
    };

    s.Type("m_editHp", "300");
    s.Type("m_editDef", "20");
    s.Type("m_editDamage", "100");
    s.Choose("m_cmbKovRate", "1.5");
    s.Choose("m_cmbHitRate", "0.950");
    s.Click("m_btnAdd");
    s.Type("m_editDamage", "120");
    s.Choose("m_cmbKovRate", "2.8");
    s.Click("m_chkAirier");
    s.Click("m_chkCounter");
    s.Click("m_btnAdd");
    s.Type("m_editDamage", "60");
    s.Choose("m_cmbKovRate", "1.6");
    s.Click("m_chkLinkTrap");
    s.Choose("m_cmbLinkCount", "3");
    s.Choose("m_cmbHitCount", "2");
    s.Click("m_btnAdd");
    showLines();

    // The first row again, with another rate and UnDifence.
    s.SelectLine(0);
    s.Choose("m_cmbKovRate", "1.2");
    s.Click("m_chkUnDefence");
    s.Click("m_btnModify");
    showLines();
    s.Click("m_btnOutput");

    // Real mode with new enemy data, then a long combo of strong hits.
    s.Type("m_editHp", "999");
    s.Type("m_editDef", "0");
    s.Click("m_btnTheory");
    showLines();
    s.Click("m_btnOutput");
    for (const char* rate : {"4.0", "3.2", "2.5"}) {
        s.Type("m_editDamage", "999");
        s.Choose("m_cmbKovRate", rate);
        for (const char* bonus : {"m_chkAirier", "m_chkCore", "m_chkCounter", "m_chkDouble",
                                  "m_chkLongRange", "m_chkRapidChain"})
            s.Click(bonus);
        s.Choose("m_cmbHitCount", "4");
        s.Click("m_btnAdd");
    }
    showLines();
    s.Click("m_btnOutput");
    s.Click("m_btnTheory");
    showLines();
    s.Click("m_btnOutput");

    std::string boxes;
    for (const RecordedBox& box : s.m_boxes)
        boxes += box.caption.toStdString() + ": " + box.text.toStdString() + "\n";
    std::ofstream(dir / "lines.txt", std::ios::binary)
        << shown << boxes << "beeps " << s.m_beeps << "\n";
    return 0;
}

// ---------------------------------------------------------------------------
// The comparison, in the parent.

std::string g_self;

struct Outcome {
    int status = -1;
    std::string locale;
    std::string results;
    std::string lines;
};

Outcome RunIn(const char* locale) {
    const TempDir temp;
    const std::filesystem::path dir = temp.Path();
    std::ofstream(dir / "Results.Txt", std::ios::binary) << kEarlier;

    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        if (std::strncmp(*e, "LC_", 3) != 0 && std::strncmp(*e, "LANG", 4) != 0)
            env.emplace_back(*e);
    }
    env.push_back(std::string("LC_ALL=") + locale);
    env.push_back(std::string("LANG=") + locale);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string dirArg = dir.string();
    std::string flag = "--session";
    char* argv[] = {g_self.data(), flag.data(), dirArg.data(), nullptr};

    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        execve("/proc/self/exe", argv, envp.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    Outcome outcome;
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    outcome.locale = ReadFile(dir / "locale.txt");
    outcome.results = ReadFile(dir / "Results.Txt");
    outcome.lines = ReadFile(dir / "lines.txt");
    return outcome;
}

// The first line where two texts part, for a readable failure.
std::string FirstDifference(const std::string& a, const std::string& b) {
    std::size_t line = 1;
    std::size_t start = 0;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i] != b[i]) {
            const std::size_t endA = a.find('\n', i);
            const std::size_t endB = b.find('\n', i);
            return "line " + std::to_string(line) + ":\n  " + a.substr(start, endA - start) +
                   "\n  " + b.substr(start, endB - start);
        }
        if (a[i] == '\n') {
            ++line;
            start = i + 1;
        }
    }
    return "one is a prefix of the other (" + std::to_string(a.size()) + " and " +
           std::to_string(b.size()) + " bytes)";
}

TEST(LocaleMatrix, TheSameSessionWritesTheSameReportEverywhere) {
    const Outcome reference = RunIn("C");
    ASSERT_EQ(reference.status, 0);
    EXPECT_EQ(reference.locale, "C\n.\n");
    // The C run itself: the old content kept, four reports after it, the
    // rates with a decimal point, no beep, four confirmations.
    ASSERT_EQ(reference.results.compare(0, kEarlier.size(), kEarlier), 0);
    std::size_t reports = 0;
    for (std::size_t at = 0;
         (at = reference.results.find("Calculate  : ", at)) != std::string::npos; ++at)
        ++reports;
    EXPECT_EQ(reports, 4u);
    for (std::size_t at = 0;
         (at = reference.results.find("Total Rate : ", at)) != std::string::npos; ++at) {
        const std::size_t end = reference.results.find("\r\n", at);
        ASSERT_NE(end, std::string::npos);
        EXPECT_EQ(reference.results[end - 4], '.') << reference.results.substr(at, end - at);
    }
    EXPECT_NE(reference.lines.find("|2.8|"), std::string::npos);
    EXPECT_NE(reference.lines.find("beeps 0\n"), std::string::npos);
    std::size_t confirmations = 0;
    for (std::size_t at = 0;
         (at = reference.lines.find("Log Output: Complete\n", at)) != std::string::npos; ++at)
        ++confirmations;
    EXPECT_EQ(confirmations, 4u);

    for (const char* locale : kLocales) {
        if (std::strcmp(locale, "C") == 0)
            continue;
        SCOPED_TRACE(locale);
        const Outcome run = RunIn(locale);
        ASSERT_EQ(run.status, 0);
        // The locale really was in force: its name, and a decimal comma where
        // the language writes one.
        const std::string name = run.locale.substr(0, run.locale.find('\n'));
        EXPECT_EQ(name, locale) << "is the locale installed (locales-all)?";
        const bool comma = std::strncmp(locale, "de", 2) == 0 ||
                           std::strncmp(locale, "fr", 2) == 0 || std::strncmp(locale, "tr", 2) == 0;
        EXPECT_EQ(run.locale.substr(run.locale.find('\n') + 1), comma ? ",\n" : ".\n");

        EXPECT_TRUE(run.results == reference.results)
            << "Results.Txt differs from the C locale's at "
            << FirstDifference(reference.results, run.results);
        EXPECT_TRUE(run.lines == reference.lines) << "the list differs from the C locale's at "
                                                  << FirstDifference(reference.lines, run.lines);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--session") == 0)
        return RunSession(argc, argv, argv[2]);
    g_self = argv[0];
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
