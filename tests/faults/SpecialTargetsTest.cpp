// SPDX-License-Identifier: MIT
// Saving to what is not a regular file: a named pipe with and without a
// reader, character and block devices, a socket, a link to nothing, no name.
// None of them may ever be replaced by a file, and no temporary file may be
// left beside them.
#include "faults/ChildProcess.h"
#include "faults/SaveSetup.h"
#include "support/FileText.h"
#include "support/TempDir.h"

#include "files/SafeFileWrite.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>

namespace faults {
namespace {

mode_t KindOf(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

// One save in a child that a hang would otherwise never let end.
std::string GuardedSave(const std::string& path) {
    const ChildResult child = RunInChild([&](int report) {
        alarm(10);
        const WriteOutcome outcome = SaveComboFile(path, FullCombo());
        Report(report, outcome.ok ? "ok" : "failed: " + outcome.error);
        return 0;
    });
    EXPECT_EQ(child.status, 0) << path;
    return child.output;
}

TEST(SpecialTargets, APipeWithAReaderGetsTheFileAndStaysAPipe) {
    TempDir dir;
    const std::string pipe = dir.File("pipe.kovcombo");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    // The reader is there before the save; the file fits in the pipe.
    const int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(GuardedSave(pipe), "ok");
    std::string got;
    char buffer[4096];
    ssize_t n;
    while ((n = read(reader, buffer, sizeof buffer)) > 0)
        got.append(buffer, static_cast<std::size_t>(n));
    close(reader);
    EXPECT_EQ(got, SerializeComboFile(FullCombo()));
    EXPECT_EQ(KindOf(pipe), S_IFIFO);
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"pipe.kovcombo"});
}

TEST(SpecialTargets, APipeWithoutAReaderIsRefusedAtOnce) {
    TempDir dir;
    const std::string pipe = dir.File("pipe.kovcombo");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(GuardedSave(pipe), "failed: no program is reading from the named pipe");
    EXPECT_EQ(KindOf(pipe), S_IFIFO);
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"pipe.kovcombo"});
}

// A reader that leaves halfway: the write fails with the reason, and the
// program goes on (no SIGPIPE ends it, none is left pending).
TEST(SpecialTargets, AReaderThatGoesAwayFailsTheWriteOnly) {
    TempDir dir;
    const std::string pipe = dir.File("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const ChildResult child = RunInChild([&](int report) {
        alarm(10);
        const int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
        if (fork() == 0) {
            // Reads a little once the writer is blocked on a full pipe.
            usleep(200 * 1000);
            char some[100];
            (void)!read(reader, some, sizeof some);
            _exit(0);
        }
        close(reader);
        // The reader's copy of the descriptor goes when it exits.
        const WriteOutcome outcome = WriteFileSafely(pipe, std::string(1 << 20, 'x'));
        sigset_t pending;
        sigpending(&pending);
        Report(report, (outcome.ok ? "ok" : "failed: " + outcome.error) +
                           (sigismember(&pending, SIGPIPE) == 1 ? ", SIGPIPE pending" : ""));
        return 0;
    });
    EXPECT_EQ(child.status, 0);
    EXPECT_EQ(child.output, "failed: Broken pipe");
    EXPECT_EQ(KindOf(pipe), S_IFIFO);
}

// Devices made in the test's own folder: one that takes everything, one that
// is always full, and a disk, which is refused without being opened.
TEST(SpecialTargets, DevicesAreWrittenIntoOrRefusedButNeverReplaced) {
    TempDir dir;
    const std::string null = dir.File("null");
    const std::string full = dir.File("full");
    const std::string disk = dir.File("disk");
    if (mknod(null.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
        mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0 ||
        mknod(disk.c_str(), S_IFBLK | 0666, makedev(7, 0)) != 0)
        GTEST_SKIP() << "devices can be made only as root";
    EXPECT_EQ(GuardedSave(null), "ok");
    EXPECT_EQ(GuardedSave(full), "failed: No space left on device");
    EXPECT_EQ(GuardedSave(disk),
              "failed: not a regular file but a block device, which is never written");
    EXPECT_EQ(KindOf(null), S_IFCHR);
    EXPECT_EQ(KindOf(full), S_IFCHR);
    EXPECT_EQ(KindOf(disk), S_IFBLK);
    EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"disk", "full", "null"}));
}

TEST(SpecialTargets, ALinkToNothingASocketAndNoNameAreRefused) {
    TempDir dir;
    const std::string link = dir.File("link.kovcombo");
    std::filesystem::create_symlink("missing/combo.kovcombo", link);
    const std::string socketPath = dir.File("socket");
    const int listening = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

    EXPECT_EQ(GuardedSave(link),
              "failed: a symbolic link to missing/combo.kovcombo, which does not exist");
    EXPECT_EQ(GuardedSave(socketPath),
              "failed: not a regular file but a socket, which is never written");
    EXPECT_EQ(GuardedSave(""), "failed: no file name given");
    close(listening);
    EXPECT_EQ(KindOf(link), S_IFLNK);
    EXPECT_EQ(KindOf(socketPath), S_IFSOCK);
    EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"link.kovcombo", "socket"}));
}

} // namespace
} // namespace faults
