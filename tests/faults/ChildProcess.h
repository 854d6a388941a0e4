// SPDX-License-Identifier: MIT
#pragma once

// Running a piece of a test in a child process: as another user (root would
// ignore every permission bit), under a resource limit, or in a mount
// namespace of its own, without touching the test process itself.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <functional>
#include <string>

#include <fcntl.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace faults {

// The unprivileged account of Debian systems.
inline constexpr uid_t kNobodyUid = 65534;
inline constexpr gid_t kNobodyGid = 65534;

// Exit status of a child that could not set up what it needed (no mount
// namespace, say): the test is skipped, not failed.
inline constexpr int kChildCannot = 77;

struct ChildResult {
    int status = -1;    // exit status, or -1 when it did not exit normally
    std::string output; // everything the child wrote to its report descriptor
};

// Runs `body` in a forked child. The child writes its report to the
// descriptor it is given and its return value becomes the exit status. With
// `asNobody` a child of root first gives up root for the nobody account.
inline ChildResult RunInChild(const std::function<int(int report)>& body, bool asNobody = false) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        ADD_FAILURE() << "no pipe";
        return {};
    }
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        close(pipeFds[0]);
        if (asNobody && geteuid() == 0) {
            if (setgroups(0, nullptr) != 0 || setgid(kNobodyGid) != 0 || setuid(kNobodyUid) != 0)
                _exit(kChildCannot);
        }
        const int status = body(pipeFds[1]);
        close(pipeFds[1]);
        // No exit handlers, no test framework teardown in the child.
        _exit(status);
    }
    close(pipeFds[1]);
    ChildResult result;
    char buffer[4096];
    ssize_t n;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR)) {
        if (n > 0)
            result.output.append(buffer, static_cast<std::size_t>(n));
    }
    close(pipeFds[0]);
    int wstatus = 0;
    while (waitpid(pid, &wstatus, 0) < 0 && errno == EINTR) {
    }
    result.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    return result;
}

inline void Report(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n <= 0)
            return;
        done += static_cast<std::size_t>(n);
    }
}

} // namespace faults
