// Output through the real window when Results.Txt cannot be written: the
// window warns, naming the file, never confirms "Complete", and the file
// keeps every byte it had. Each case runs the window in a child process of
// its own, as nobody where permissions are the point (root ignores them).
#include "faults/ChildProcess.h"

#include "dialog/CComboCalcDlg.h"
#include "dialog/Feedback.h"
#include "dialog/text/RowLine.h"
#include "report/ResultsLog.h"
#include "scoring/Scoring.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include <sched.h>
#include <sys/mount.h>

namespace faults {
namespace {

const std::string kEarlier = "Calculate  : Theory\r\nan earlier report";

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Builds a one-hit combo in the window and presses Output; reports every
// message box as "<Information|Warning>|<caption>|<text>" lines, then the
// beeps.
int PressOutput(int report) {
    int argc = 1;
    char name[] = "output_fault_tests";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    int beeps = 0;
    Feedback::SetBeepHandler([&beeps] { ++beeps; });
    Feedback::SetBoxHandler([report](QWidget*, Feedback::BoxIcon icon, const QString& caption,
                                     const QString& text) {
        Report(report, std::string(icon == Feedback::BoxIcon::Warning ? "Warning" : "Information") +
                           "|" + caption.toStdString() + "|" + text.toStdString() + "\n");
    });
    CComboCalcDlg dlg;
    dlg.show();
    const auto type = [&dlg](const char* edit, const char* text) {
        QTest::keyClicks(dlg.findChild<QLineEdit*>(QString::fromLatin1(edit)), text);
    };
    type("m_editHp", "300");
    type("m_editDef", "20");
    type("m_editDamage", "100");
    QTest::mouseClick(dlg.findChild<QPushButton*>("m_btnAdd"), Qt::LeftButton);
    QTest::mouseClick(dlg.findChild<QPushButton*>("m_btnOutput"), Qt::LeftButton);
    Report(report, "beeps " + std::to_string(beeps) + "\n");
    return 0;
}

// The report of that combo, as the core builds it.
std::string ExpectedBlock() {
    ComboState state;
    state.m_nHp = 300;
    state.m_nDef = 20;
    state.m_nLast = 0;
    state.m_table[0] = DefaultEntry();
    state.m_table[0].m_bUsed = 1;
    state.m_table[0].m_nDamage = 100;
    ScoreCombo(state);
    return BuildResultsBlock(state, {FormatRowLine(0, state.m_table[0], state.m_results[0])});
}

// The child's report must be one warning about Results.Txt and no beep.
void ExpectWarningOnly(const ChildResult& child, const char* reason) {
    if (child.status == kChildCannot)
        GTEST_SKIP() << "the child could not set the case up (no way to give up root?)";
    ASSERT_EQ(child.status, 0) << child.output;
    EXPECT_EQ(child.output.find("Complete"), std::string::npos) << child.output;
    const std::string warning = "Warning|Log Output|";
    ASSERT_EQ(child.output.compare(0, warning.size(), warning), 0) << child.output;
    EXPECT_NE(child.output.find("Results.Txt"), std::string::npos) << child.output;
    EXPECT_NE(child.output.find(reason), std::string::npos) << child.output;
    EXPECT_EQ(std::count(child.output.begin(), child.output.end(), '\n'), 2) << child.output;
    EXPECT_NE(child.output.find("\nbeeps 0\n"), std::string::npos) << child.output;
}

TEST(OutputFaults, AWritableFileIsOnlyAppendedTo) {
    SharedDir dir;
    std::ofstream(dir.File("Results.Txt"), std::ios::binary) << kEarlier;
    const ChildResult child = RunInChild([&](int report) {
        return chdir(dir.Path().c_str()) == 0 ? PressOutput(report) : kChildCannot;
    });
    ASSERT_EQ(child.status, 0);
    EXPECT_EQ(child.output, "Information|Log Output|Complete\nbeeps 0\n");
    EXPECT_EQ(ReadFile(dir.File("Results.Txt")), kEarlier + ExpectedBlock());
}

TEST(OutputFaults, AReadOnlyFileIsReportedAndKept) {
    SharedDir dir;
    const std::string file = dir.File("Results.Txt");
    std::ofstream(file, std::ios::binary) << kEarlier;
    chmod(file.c_str(), 0444);
    const ChildResult child = RunInChild(
        [&](int report) {
            return chdir(dir.Path().c_str()) == 0 ? PressOutput(report) : kChildCannot;
        },
        true);
    ExpectWarningOnly(child, "Permission denied");
    EXPECT_EQ(ReadFile(file), kEarlier);
}

TEST(OutputFaults, AReadOnlyDirectoryIsReportedAndGetsNoFile) {
    SharedDir dir;
    chmod(dir.Path().c_str(), 0555);
    const ChildResult child = RunInChild(
        [&](int report) {
            return chdir(dir.Path().c_str()) == 0 ? PressOutput(report) : kChildCannot;
        },
        true);
    ExpectWarningOnly(child, "Permission denied");
    EXPECT_FALSE(std::filesystem::exists(dir.File("Results.Txt")));
}

// The current directory is removed while the program runs.
TEST(OutputFaults, AMissingDirectoryIsReported) {
    SharedDir dir;
    const std::string gone = dir.File("gone");
    std::filesystem::create_directory(gone);
    const ChildResult child = RunInChild([&](int report) {
        if (chdir(gone.c_str()) != 0 || rmdir(gone.c_str()) != 0)
            return kChildCannot;
        return PressOutput(report);
    });
    ExpectWarningOnly(child, "No such file or directory");
    EXPECT_FALSE(std::filesystem::exists(gone));
}

// A full tmpfs in a mount namespace of the child's own; skipped where no
// namespace or mount is allowed.
TEST(OutputFaults, AFullDiskIsReportedAndTheFileKept) {
    SharedDir dir;
    const std::string disk = dir.File("disk");
    std::filesystem::create_directory(disk);
    const ChildResult child = RunInChild([&](int report) {
        if (unshare(CLONE_NEWNS) != 0 && unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return kChildCannot;
        if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=16k") != 0 || chdir(disk.c_str()) != 0)
            return kChildCannot;
        // The old report fills its page but ten bytes; the rest of the disk
        // is taken.
        const std::string old = kEarlier + std::string(4096 - 10 - kEarlier.size(), '.');
        std::ofstream("Results.Txt", std::ios::binary) << old;
        const int fd = open("filler", O_WRONLY | O_CREAT, 0644);
        const std::string page(4096, 'x');
        while (write(fd, page.data(), page.size()) > 0) {
        }
        close(fd);
        PressOutput(report);
        Report(report, ReadFile("Results.Txt") == old ? "kept\n" : "changed\n");
        return 0;
    });
    if (child.status == kChildCannot)
        GTEST_SKIP() << "no tmpfs can be mounted here";
    ASSERT_EQ(child.status, 0);
    const std::string kept = "kept\n";
    ASSERT_GE(child.output.size(), kept.size());
    EXPECT_EQ(child.output.substr(child.output.size() - kept.size()), kept) << child.output;
    ChildResult warning = child;
    warning.output.resize(child.output.size() - kept.size());
    ExpectWarningOnly(warning, "No space left on device");
}

} // namespace
} // namespace faults
