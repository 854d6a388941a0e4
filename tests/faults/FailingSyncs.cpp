// SPDX-License-Identifier: MIT
#include "faults/FailingSyncs.h"

#include <cerrno>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace faults {
namespace {

int g_error = 0;
int g_failed = 0;

} // namespace

FailingSyncs::FailingSyncs(int err) {
    g_error = err;
    g_failed = 0;
}

FailingSyncs::~FailingSyncs() {
    g_error = 0;
}

int FailingSyncs::Failed() {
    return g_failed;
}

} // namespace faults

extern "C" int fsync(int fd) {
    struct stat info {};
    if (faults::g_error != 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        ++faults::g_failed;
        errno = faults::g_error;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_fsync, fd));
}
