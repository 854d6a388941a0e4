// SPDX-License-Identifier: MIT
// Results.Txt under faults, through the core writer: files and directories
// that may not be written, a disk that fills up part way through a report,
// and several programs appending at the same time.
#include "faults/ChildProcess.h"
#include "faults/PlannedWrites.h"
#include "faults/WriteInChild.h"
#include "support/FileText.h"
#include "support/TempDir.h"

#include "report/ResultsLog.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>

namespace faults {
namespace {

// A report-sized block that names its writer and its number in every row
// line. The writer stores blocks as they are given, so any text will do.
std::string Block(int writer, int number) {
    std::string block = "Calculate  : Theory\r\n\r\n";
    for (int row = 0; row < 5 + number % 3; ++row) {
        std::string line = "writer " + std::to_string(writer) + " block " + std::to_string(number) +
                           " line " + std::to_string(row);
        line.resize(83, '.');
        block += line + "\r\n";
    }
    return block + std::string(83, '-') + "\r\n\r\n";
}

// The outcome of one append in a child, as "ok" or "failed: <reason>";
// "cannot" when the child could not give up root.
std::string AppendInChild(const std::string& path, const std::string& block, bool asNobody) {
    return WriteInChild([&] { return AppendResultsBlock(path, block); }, asNobody);
}

const std::string kEarlier = "Calculate  : Real\r\nan earlier report, cut short";

// Root may write anywhere, so the writer runs as nobody against files and
// directories that belong to root (or to whoever runs the tests).
TEST(ResultsFaults, FilesAndDirectoriesThatMayNotBeWrittenStayAsTheyWere) {
    TempDir dir;
    const std::string file = dir.File("Results.Txt");

    // A directory that is not there (one removed while the program runs).
    EXPECT_EQ(Outcome(AppendResultsBlock(dir.File("gone/Results.Txt"), Block(1, 0))),
              "failed: No such file or directory");
    EXPECT_FALSE(std::filesystem::exists(dir.File("gone")));

    // A read-only file: refused, not a byte added.
    WriteFile(file, kEarlier, 0444);
    const std::string readOnly = AppendInChild(file, Block(1, 1), true);
    if (readOnly == "cannot")
        GTEST_SKIP() << "root cannot become nobody here";
    EXPECT_EQ(readOnly, "failed: Permission denied");
    EXPECT_EQ(ReadFile(file), kEarlier);

    // A read-only directory without the file: nothing is created.
    std::filesystem::remove(file);
    chmod(dir.Path().c_str(), 0555);
    EXPECT_EQ(AppendInChild(file, Block(1, 2), true), "failed: Permission denied");
    EXPECT_FALSE(std::filesystem::exists(file));

    // A writable file in that read-only directory is appended to: appending
    // never replaces the file, so the directory is not involved.
    chmod(dir.Path().c_str(), 0755);
    WriteFile(file, kEarlier, 0666);
    chmod(dir.Path().c_str(), 0555);
    EXPECT_EQ(AppendInChild(file, Block(1, 3), true), "ok");
    EXPECT_EQ(ReadFile(file), kEarlier + Block(1, 3));
}

// A file size limit anywhere from below the file's size to past the end of
// the new report: either the whole report is added, or none of it and the
// failure is reported. Every cut inside the report is tried near its ends,
// and one in every few in between.
TEST(ResultsFaults, ADiskThatFillsUpNeverKeepsPartOfAReport) {
    TempDir dir;
    const std::string file = dir.File("Results.Txt");
    const std::string block = Block(2, 7);
    const auto size = static_cast<rlim_t>(kEarlier.size());
    const auto end = size + block.size();

    int tried = 0;
    for (rlim_t limit = size - 1; limit <= end + 1; ++limit) {
        const bool nearAnEnd = limit < size + 64 || limit + 64 > end;
        if (!nearAnEnd && limit % 7 != 0)
            continue;
        WriteFile(file, kEarlier);
        const ChildResult child = RunInChild([&](int report) {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit small{};
            getrlimit(RLIMIT_FSIZE, &small);
            small.rlim_cur = limit;
            if (setrlimit(RLIMIT_FSIZE, &small) != 0)
                return kChildCannot;
            Report(report, Outcome(AppendResultsBlock(file, block)));
            return 0;
        });
        ASSERT_EQ(child.status, 0) << "limit " << limit;
        if (limit >= end) {
            EXPECT_EQ(child.output, "ok") << "limit " << limit;
            EXPECT_EQ(ReadFile(file), kEarlier + block) << "limit " << limit;
        } else {
            EXPECT_EQ(child.output, "failed: File too large") << "limit " << limit;
            EXPECT_EQ(ReadFile(file), kEarlier) << "limit " << limit;
        }
        ++tried;
    }
    EXPECT_GT(tried, 128);
}

// A real file system that runs out of space: a small tmpfs, mounted in a
// mount namespace of the child's own so that nothing outlives the test.
// Where namespaces or mounts are not allowed, the test is skipped.
TEST(ResultsFaults, AFullFileSystemNeverKeepsPartOfAReport) {
    TempDir dir;
    const std::string disk = dir.File("disk");
    std::filesystem::create_directory(disk);
    const std::string block = Block(3, 11);
    constexpr std::size_t kPage = 4096;

    const ChildResult child = RunInChild([&](int report) {
        if (unshare(CLONE_NEWNS) != 0 && unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return kChildCannot;
        if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
            return kChildCannot;
        const std::string file = disk + "/Results.Txt";
        const std::string filler = disk + "/filler";
        const auto fill = [&] {
            const int fd = open(filler.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
            const std::string page(kPage, 'x');
            while (write(fd, page.data(), page.size()) > 0) {
            }
            close(fd);
        };
        // Ten bytes free in the last page of the file: the report starts to
        // go in and the disk is full after ten bytes of it.
        for (std::size_t oldSize : {kPage - 10, kPage}) {
            const std::string old(oldSize, 'o');
            WriteFile(file, old);
            fill();
            const WriteOutcome outcome = AppendResultsBlock(file, block);
            Report(report, std::to_string(oldSize) + " " + Outcome(outcome) + " " +
                               (ReadFile(file) == old ? "unchanged" : "changed") + "\n");
            std::filesystem::remove(filler);
            std::filesystem::remove(file);
        }
        // With room again the same report goes in whole.
        WriteFile(file, kEarlier);
        const WriteOutcome outcome = AppendResultsBlock(file, block);
        Report(report,
               std::string(outcome.ok && ReadFile(file) == kEarlier + block ? "room: ok"
                                                                            : "room: failed") +
                   "\n");
        return 0;
    });
    if (child.status == kChildCannot)
        GTEST_SKIP() << "no tmpfs can be mounted here";
    ASSERT_EQ(child.status, 0);
    EXPECT_EQ(child.output, "4086 failed: No space left on device unchanged\n"
                            "4096 failed: No space left on device unchanged\n"
                            "room: ok\n");
}

// The disk fills up after the first half of a report went in. Alone in the
// file, the writer takes its half back. When another program appended behind
// that half in the meantime, cutting would destroy the other program's bytes:
// they stay, and the half before them with them.
TEST(ResultsFaults, TakingBackAHalfReportNeverCutsWhatAnotherProgramAppended) {
    TempDir dir;
    const std::string file = dir.File("Results.Txt");
    const std::string block = Block(4, 9);
    const std::size_t half = block.size() / 2;
    const std::string other = "another program's line\r\n";

    WriteFile(file, kEarlier);
    {
        PlannedWrites plan({file, half, {}, ENOSPC});
        EXPECT_EQ(Outcome(AppendResultsBlock(file, block)), "failed: No space left on device");
    }
    EXPECT_EQ(ReadFile(file), kEarlier);

    WriteFile(file, kEarlier);
    {
        const auto appendOther = [&] {
            std::ofstream(file, std::ios::binary | std::ios::app) << other;
        };
        PlannedWrites plan({file, half, appendOther, ENOSPC});
        EXPECT_EQ(Outcome(AppendResultsBlock(file, block)), "failed: No space left on device");
    }
    EXPECT_EQ(ReadFile(file), kEarlier + block.substr(0, half) + other);
}

// Six programs append a thousand reports each at the same moment to a file
// that already holds something: it keeps its old bytes first, then every
// report whole, each exactly once, each writer's in its own order.
TEST(ResultsFaults, ConcurrentWritersLeaveEveryReportWhole) {
    constexpr int kWriters = 6;
    constexpr int kBlocks = 1000;
    TempDir dir;
    const std::string file = dir.File("Results.Txt");
    const std::string older = "older content without a line end";
    WriteFile(file, older);

    int start[2];
    ASSERT_EQ(pipe(start), 0);
    std::vector<pid_t> writers;
    std::fflush(nullptr);
    for (int writer = 0; writer < kWriters; ++writer) {
        const pid_t pid = fork();
        if (pid == 0) {
            close(start[1]);
            char go;
            while (read(start[0], &go, 1) < 0 && errno == EINTR) {
            }
            int failures = 0;
            for (int n = 0; n < kBlocks; ++n)
                failures += AppendResultsBlock(file, Block(writer, n)).ok ? 0 : 1;
            _exit(failures == 0 ? 0 : 1);
        }
        ASSERT_GT(pid, 0);
        writers.push_back(pid);
    }
    close(start[0]);
    close(start[1]); // all of them start now
    for (pid_t pid : writers) {
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a writer failed";
    }

    const std::string text = ReadFile(file);
    ASSERT_EQ(text.compare(0, older.size(), older), 0) << "the old content changed";
    const std::string marker = "Calculate  : ";
    std::map<int, int> lastOf;
    std::set<std::pair<int, int>> seen;
    std::size_t at = older.size();
    while (at < text.size()) {
        std::size_t next = text.find(marker, at + 1);
        if (next == std::string::npos)
            next = text.size();
        const std::string block = text.substr(at, next - at);
        int writer = -1;
        int number = -1;
        const std::size_t line = block.find("\r\nwriter ");
        ASSERT_NE(line, std::string::npos) << "a torn report at byte " << at;
        ASSERT_EQ(std::sscanf(block.c_str() + line, "\r\nwriter %d block %d", &writer, &number), 2)
            << "a torn report at byte " << at;
        ASSERT_EQ(block, Block(writer, number)) << "report " << number << " of writer " << writer;
        EXPECT_TRUE(seen.insert({writer, number}).second) << "written twice";
        const auto last = lastOf.find(writer);
        EXPECT_TRUE(last == lastOf.end() || last->second < number) << "out of order";
        lastOf[writer] = number;
        at = next;
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kWriters * kBlocks));
}

} // namespace
} // namespace faults
