// SPDX-License-Identifier: MIT
// Saving a combo file under faults: folders and files that may not be
// written, a folder that is gone, a size limit and a full disk. The old file
// must keep every byte, no temporary file may be left, and the failure must
// come back with the system's reason.
#include "faults/ChildProcess.h"
#include "faults/FailingSyncs.h"
#include "faults/SaveSetup.h"
#include "support/FileText.h"
#include "support/TempDir.h"

#include "files/ComboFileWriter.h"
#include "scoring/Scoring.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>

namespace faults {
namespace {

TEST(SaveFaults, FoldersAndFilesThatMayNotBeWrittenKeepTheOldFile) {
    TempDir dir;
    const std::string file = dir.File("combo.kovcombo");

    // A read-only folder: no temporary file can be made beside the old one.
    WriteFile(file, kOld, 0666);
    chmod(dir.Path().c_str(), 0555);
    const std::string readOnlyFolder = SaveInChild(file, true);
    if (readOnlyFolder == "cannot")
        GTEST_SKIP() << "root cannot become nobody here";
    EXPECT_EQ(readOnlyFolder, "failed: Permission denied");
    EXPECT_EQ(ReadFile(file), kOld);
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"combo.kovcombo"});

    // A read-only file in a writable folder: renaming could replace it, but
    // its owner made it read-only, so it is refused as a write would be.
    chmod(dir.Path().c_str(), 0777);
    WriteFile(file, kOld, 0444);
    EXPECT_EQ(SaveInChild(file, true), "failed: Permission denied");
    EXPECT_EQ(ReadFile(file), kOld);
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"combo.kovcombo"});

    // A folder that is gone.
    EXPECT_EQ(SaveInChild(dir.File("gone/combo.kovcombo"), false),
              "failed: No such file or directory");
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"combo.kovcombo"});
}

TEST(SaveFaults, PermissionBitsOfTheOldFileOrOfANewOne) {
    TempDir dir;
    const std::string file = dir.File("kept.kovcombo");
    WriteFile(file, kOld, 0604);
    EXPECT_EQ(SaveInChild(file, false), "ok");
    struct stat info {};
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0604u);
    EXPECT_NE(ReadFile(file), kOld);

    const std::string fresh = dir.File("new.kovcombo");
    const ChildResult child = RunInChild([&](int report) {
        umask(027);
        const WriteOutcome outcome = SaveComboFile(fresh, FullCombo());
        struct stat created {};
        stat(fresh.c_str(), &created);
        Report(report, (outcome.ok ? "ok " : "failed ") + std::to_string(created.st_mode & 07777));
        return 0;
    });
    EXPECT_EQ(child.output, "ok " + std::to_string(0640));
}

// A file size limit anywhere from 0 to past the new file's size: either the
// whole new file is in place, or the old one is, with the reason.
TEST(SaveFaults, AFileSizeLimitKeepsTheOldFileWhole) {
    TempDir dir;
    const std::string file = dir.File("limit.kovcombo");
    const std::size_t size = SerializeComboFile(FullCombo()).size();
    ASSERT_GT(size, 4096u);
    for (rlim_t limit : {rlim_t{0}, rlim_t{1}, rlim_t{4096}, rlim_t{size - 1}, rlim_t{size}}) {
        WriteFile(file, kOld);
        const ChildResult child = RunInChild([&](int report) {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit small{};
            getrlimit(RLIMIT_FSIZE, &small);
            small.rlim_cur = limit;
            if (setrlimit(RLIMIT_FSIZE, &small) != 0)
                return kChildCannot;
            const WriteOutcome outcome = SaveComboFile(file, FullCombo());
            Report(report, outcome.ok ? "ok" : "failed: " + outcome.error);
            return 0;
        });
        ASSERT_EQ(child.status, 0) << "limit " << limit;
        if (limit >= size) {
            EXPECT_EQ(child.output, "ok");
            EXPECT_EQ(ReadFile(file), SerializeComboFile(FullCombo()));
        } else {
            EXPECT_EQ(child.output, "failed: File too large") << "limit " << limit;
            EXPECT_EQ(ReadFile(file), kOld) << "limit " << limit;
        }
        EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"limit.kovcombo"});
    }
}

// A real file system that runs out of space: a small tmpfs, mounted in a
// mount namespace of the child's own so that nothing outlives the test.
// Where namespaces or mounts are not allowed, the test is skipped.
TEST(SaveFaults, AFullDiskKeepsTheOldFileWhole) {
    TempDir dir;
    const std::string disk = dir.File("disk");
    std::filesystem::create_directory(disk);

    const ChildResult child = RunInChild([&](int report) {
        if (unshare(CLONE_NEWNS) != 0 && unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return kChildCannot;
        if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
            return kChildCannot;
        const std::string file = disk + "/full.kovcombo";
        const std::string filler = disk + "/filler";
        WriteFile(file, kOld);
        // Fill the disk but for a little less than the new file needs.
        {
            const int fd = open(filler.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
            const std::string page(4096, 'x');
            while (write(fd, page.data(), page.size()) > 0) {
            }
            close(fd);
        }
        const WriteOutcome full = SaveComboFile(file, FullCombo());
        const std::vector<std::string> left = Names(disk);
        Report(report, (full.ok ? "ok" : "failed: " + full.error) + " " +
                           (ReadFile(file) == kOld ? "unchanged" : "changed") + " " +
                           std::to_string(left.size()) + "\n");
        std::filesystem::remove(filler);
        const WriteOutcome room = SaveComboFile(file, FullCombo());
        Report(report, std::string(room.ok && ReadFile(file) == SerializeComboFile(FullCombo())
                                       ? "room: ok"
                                       : "room: failed") +
                           "\n");
        return 0;
    });
    if (child.status == kChildCannot)
        GTEST_SKIP() << "no tmpfs can be mounted here";
    ASSERT_EQ(child.status, 0);
    EXPECT_EQ(child.output, "failed: No space left on device unchanged 2\nroom: ok\n");
}

// The disk reports an I/O error when the temporary file is synced: the save
// fails with it, and neither the old file nor the folder shows a trace.
TEST(SaveFaults, AFailedSyncKeepsTheOldFileAndLeavesNoTemporaryFile) {
    TempDir dir;
    const std::string file = dir.File("synced.kovcombo");
    WriteFile(file, kOld);
    const ChildResult child = RunInChild([&](int report) {
        const FailingSyncs failing(EIO);
        const WriteOutcome outcome = SaveComboFile(file, FullCombo());
        Report(report, (outcome.ok ? "ok" : "failed: " + outcome.error) + " after " +
                           std::to_string(FailingSyncs::Failed()) + " failed sync");
        return 0;
    });
    ASSERT_EQ(child.status, 0);
    EXPECT_EQ(child.output, "failed: Input/output error after 1 failed sync");
    EXPECT_EQ(ReadFile(file), kOld);
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"synced.kovcombo"});
}

// Root saving another user's file gives the new file that user and group,
// as writing in place would have kept them.
TEST(SaveFaults, RootKeepsTheOwnerAndGroupOfTheOldFile) {
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can save a file another user owns with no group in common";
    TempDir dir;
    const std::string file = dir.File("theirs.kovcombo");
    WriteFile(file, kOld, 0640);
    ASSERT_EQ(chown(file.c_str(), kNobodyUid, kNobodyGid), 0);
    EXPECT_EQ(SaveInChild(file, false), "ok");
    struct stat info {};
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, kNobodyUid);
    EXPECT_EQ(info.st_gid, kNobodyGid);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadFile(file), SerializeComboFile(FullCombo()));
}

} // namespace
} // namespace faults
