// SPDX-License-Identifier: MIT
#include "files/SafeFileWrite.h"

#include "files/SystemError.h"

#include <cerrno>
#include <cstdlib>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The umask can only be read by setting it; set it straight back.
mode_t CurrentUmask() {
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

bool WriteAll(int fd, std::string_view bytes, int& err) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            // A regular file accepts no 0-byte write of a non-empty buffer
            // for a good reason; take it as an I/O error, not a retry.
            err = n < 0 ? errno : EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A symbolic link stays a link: the file it points to is the one replaced.
std::string ResolvedTarget(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return path;
    }
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) {
        return path; // a dangling link: replaced by the file
    }
    std::string target(real);
    std::free(real);
    return target;
}

} // namespace

FileWriteOutcome WriteFileSafely(const std::string& linkOrPath, std::string_view bytes) {
    const std::string path = ResolvedTarget(linkOrPath);
    const std::string folder = FolderOf(path);
    // The temporary file sits beside the target: rename only works within
    // one file system.
    const std::string pattern = path + ".XXXXXX";
    std::vector<char> name(pattern.c_str(), pattern.c_str() + pattern.size() + 1);

    // Renaming would replace a file its owner made read-only; refuse, as
    // writing to it in place would be refused.
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT) {
        return {false, SystemErrorText(errno)};
    }

    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        return {false, SystemErrorText(errno)};
    }
    const std::string temp(name.data());
    const auto fail = [&](int err, bool open) {
        if (open) {
            ::close(fd);
        }
        ::unlink(temp.c_str());
        return FileWriteOutcome{false, SystemErrorText(err)};
    };

    // mkstemp creates the file 0600; give it what the saved file should have.
    struct stat old {};
    const mode_t mode =
        ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~CurrentUmask());
    if (::fchmod(fd, mode) != 0) {
        return fail(errno, true);
    }

    int err = 0;
    if (!WriteAll(fd, bytes, err)) {
        return fail(err, true);
    }
    int synced;
    while ((synced = ::fsync(fd)) != 0 && errno == EINTR) {
    }
    if (synced != 0) {
        return fail(errno, true);
    }
    // On Linux the descriptor is gone even when close fails: never retried.
    if (::close(fd) != 0) {
        return fail(errno, false);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        return fail(errno, false);
    }

    // The rename itself reaches the disk only with the folder's entry. The
    // new file is in place whatever happens here, so this is best effort.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {true, {}};
}
