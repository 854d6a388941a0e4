// SPDX-License-Identifier: MIT
#include "files/WriteAll.h"

#include <cerrno>

#include <unistd.h>

bool WriteAll(int fd, std::string_view bytes, int& err) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            // No file accepts a 0-byte write of a non-empty buffer for a good
            // reason; take it as an I/O error, not a retry.
            err = n < 0 ? errno : EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}
