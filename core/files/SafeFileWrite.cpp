// SPDX-License-Identifier: MIT
#include "files/SafeFileWrite.h"

#include "files/FileKind.h"
#include "files/StreamFileWrite.h"
#include "files/SystemError.h"
#include "files/WriteAll.h"

#include <cerrno>
#include <climits>
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

std::string LinkTarget(const std::string& link) {
    std::vector<char> target(PATH_MAX + 1);
    const ssize_t n = ::readlink(link.c_str(), target.data(), PATH_MAX);
    return n > 0 ? std::string(target.data(), static_cast<std::size_t>(n)) : std::string();
}

// The new file takes the old one's owner and group where the system lets it
// (root may give a file to anyone, others only to their own groups), then its
// permission bits: a change of owner clears the set-ID bits.
bool TakeOwnerAndMode(int fd, const struct stat* old) {
    if (old == nullptr) {
        // mkstemp creates the file 0600; give it what any created file has.
        return ::fchmod(fd, 0666 & ~CurrentUmask()) == 0;
    }
    if (::fchown(fd, old->st_uid, old->st_gid) != 0) {
        (void)::fchown(fd, static_cast<uid_t>(-1), old->st_gid);
    }
    return ::fchmod(fd, old->st_mode & 07777) == 0;
}

// The regular file `path` (or none yet) replaced by a temporary file renamed
// over it; `old` is what stands there now, null for a new file.
WriteOutcome ReplaceAtomically(const std::string& path, std::string_view bytes,
                               const struct stat* old) {
    // Renaming would replace a file its owner made read-only; refuse, as
    // writing to it in place would be refused.
    if (old != nullptr && ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
        return WriteFailure(errno);
    }
    // The temporary file sits beside the target: rename only works within
    // one file system.
    const std::string pattern = path + ".XXXXXX";
    std::vector<char> name(pattern.c_str(), pattern.c_str() + pattern.size() + 1);
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        return WriteFailure(errno);
    }
    const std::string temp(name.data());
    const auto fail = [&](int err, bool open) {
        if (open) {
            ::close(fd);
        }
        ::unlink(temp.c_str());
        return WriteFailure(err);
    };

    if (!TakeOwnerAndMode(fd, old)) {
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
    const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {true, {}};
}

} // namespace

WriteOutcome WriteFileSafely(const std::string& path, std::string_view bytes) {
    if (path.empty()) {
        return {false, "no file name given"};
    }
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return errno == ENOENT ? ReplaceAtomically(path, bytes, nullptr) : WriteFailure(errno);
    }
    std::string target = path;
    if (S_ISLNK(info.st_mode)) {
        // A symbolic link stays a link: the file it points to is the one
        // written. One that points nowhere is refused rather than replaced
        // by a file, which would break the link without a word.
        if (::stat(path.c_str(), &info) != 0) {
            if (errno != ENOENT) {
                return WriteFailure(errno);
            }
            return {false, "a symbolic link to " + LinkTarget(path) + ", which does not exist"};
        }
        if (S_ISREG(info.st_mode)) {
            char* real = ::realpath(path.c_str(), nullptr);
            if (real == nullptr) {
                return WriteFailure(errno);
            }
            target = real;
            std::free(real);
        }
    }
    if (S_ISREG(info.st_mode)) {
        return ReplaceAtomically(target, bytes, &info);
    }
    if (S_ISFIFO(info.st_mode) || S_ISCHR(info.st_mode)) {
        return WriteIntoStream(path, bytes);
    }
    if (S_ISDIR(info.st_mode)) {
        return WriteFailure(EISDIR);
    }
    // A disk written over would lose its file system; a socket cannot be
    // opened as a file at all.
    return {false,
            "not a regular file but " + FileKindText(info.st_mode) + ", which is never written"};
}
