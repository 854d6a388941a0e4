// SPDX-License-Identifier: MIT
#include "files/StreamFileWrite.h"

#include "files/FileKind.h"
#include "files/SystemError.h"
#include "files/WriteAll.h"

#include <cerrno>
#include <csignal>
#include <ctime>

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsStream(mode_t mode) {
    return S_ISFIFO(mode) || S_ISCHR(mode);
}

// Blocks SIGPIPE on this thread while it lives, and takes back the one a
// write to a pipe without a reader raised, so that the write fails with EPIPE
// and nothing else happens.
class PipeSignalHold {
public:
    PipeSignalHold() {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        m_wasPending = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &m_pipe, &m_old);
    }
    ~PipeSignalHold() {
        if (!m_wasPending) {
            const timespec now{0, 0};
            while (sigtimedwait(&m_pipe, nullptr, &now) < 0 && errno == EINTR) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &m_old, nullptr);
    }
    PipeSignalHold(const PipeSignalHold&) = delete;
    PipeSignalHold& operator=(const PipeSignalHold&) = delete;

private:
    sigset_t m_pipe{};
    sigset_t m_old{};
    bool m_wasPending = false;
};

} // namespace

WriteOutcome WriteIntoStream(const std::string& path, std::string_view bytes) {
    // Without O_NONBLOCK, opening a pipe waits until a reader opens it.
    int fd;
    do {
        fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        struct stat info {};
        if (errno == ENXIO && ::stat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode)) {
            return {false, "no program is reading from the named pipe"};
        }
        return WriteFailure(errno);
    }
    // The name may have come to mean a regular file since it was looked at;
    // writing into one in place could leave it half old, half new.
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !IsStream(info.st_mode)) {
        ::close(fd);
        return {false, "the file changed to " +
                           (S_ISREG(info.st_mode) ? std::string("a regular file")
                                                  : FileKindText(info.st_mode)) +
                           " while it was saved; nothing was written"};
    }
    // Once open, writes wait for a slow reader like any other writer's.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        const int err = errno;
        ::close(fd);
        return WriteFailure(err);
    }
    int err = 0;
    bool written;
    {
        const PipeSignalHold hold;
        written = WriteAll(fd, bytes, err);
    }
    if (::close(fd) != 0 && written) {
        return WriteFailure(errno);
    }
    if (!written) {
        return WriteFailure(err);
    }
    return {true, {}};
}
