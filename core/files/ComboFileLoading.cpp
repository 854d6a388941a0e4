// SPDX-License-Identifier: MIT
// Reading a combo file from the disk or a descriptor.
#include "files/ComboFileFormat.h"
#include "files/ComboFileReader.h"
#include "files/FileKind.h"
#include "files/SystemError.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A folder keeps the system's own words; anything else but a regular file is
// named by its kind.
ComboFileError NotRegular(mode_t mode) {
    if (S_ISDIR(mode)) {
        return ComboFileError{0, 0, "", SystemErrorText(EISDIR)};
    }
    return ComboFileError{0, 0, "", "not a regular file but " + FileKindText(mode)};
}

} // namespace

ComboFileResult LoadComboFileFrom(int fd) {
    // One byte more than allowed tells a file at the limit from a larger one.
    std::string text;
    char buffer[65536];
    while (text.size() <= combofile::kMaxBytes) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return ComboFileError{0, 0, "", SystemErrorText(errno)};
        }
        if (n == 0) {
            return ParseComboFile(text);
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    return ComboFileTooLarge();
}

ComboFileResult LoadComboFile(const std::string& path) {
    // Opening a named pipe waits for a writer and opening a device may act
    // on it, so only what is a regular file is opened; the open itself never
    // waits, in case the name comes to mean something else in between.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return ComboFileError{0, 0, "", SystemErrorText(errno)};
    }
    if (!S_ISREG(info.st_mode)) {
        return NotRegular(info.st_mode);
    }
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        return ComboFileError{0, 0, "", SystemErrorText(errno)};
    }
    ComboFileResult result = ::fstat(fd, &info) == 0 && !S_ISREG(info.st_mode)
                                 ? NotRegular(info.st_mode)
                                 : LoadComboFileFrom(fd);
    ::close(fd);
    return result;
}
