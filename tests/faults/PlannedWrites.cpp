// SPDX-License-Identifier: MIT
#include "faults/PlannedWrites.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <stdexcept>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace faults {
namespace {

struct Armed {
    WritePlan plan;
    dev_t device;
    ino_t inode;
    int calls = 0;
    bool paused = false;
};
std::optional<Armed> g_armed;

bool IsPlanned(int fd) {
    struct stat info {};
    return g_armed && !g_armed->paused && ::fstat(fd, &info) == 0 &&
           info.st_dev == g_armed->device && info.st_ino == g_armed->inode;
}

ssize_t SystemWrite(int fd, const void* data, std::size_t size) {
    return ::syscall(SYS_write, fd, data, size);
}

} // namespace

PlannedWrites::PlannedWrites(WritePlan plan) {
    struct stat info {};
    if (::stat(plan.path.c_str(), &info) != 0)
        throw std::runtime_error("no file " + plan.path + " to plan writes for");
    g_armed = Armed{std::move(plan), info.st_dev, info.st_ino};
}

PlannedWrites::~PlannedWrites() {
    g_armed.reset();
}

} // namespace faults

extern "C" ssize_t write(int fd, const void* data, std::size_t size) {
    using faults::g_armed;
    if (!faults::IsPlanned(fd))
        return faults::SystemWrite(fd, data, size);
    if (g_armed->calls++ > 0) {
        errno = g_armed->plan.laterError;
        return -1;
    }
    const ssize_t written =
        faults::SystemWrite(fd, data, std::min(size, g_armed->plan.firstLength));
    if (g_armed->plan.afterFirst) {
        g_armed->paused = true;
        g_armed->plan.afterFirst();
        g_armed->paused = false;
    }
    return written;
}
