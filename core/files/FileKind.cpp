// SPDX-License-Identifier: MIT
#include "files/FileKind.h"

#include <sys/stat.h>

std::string FileKindText(mode_t mode) {
    if (S_ISREG(mode)) {
        return "";
    }
    if (S_ISFIFO(mode)) {
        return "a named pipe (FIFO)";
    }
    if (S_ISCHR(mode)) {
        return "a character device";
    }
    if (S_ISBLK(mode)) {
        return "a block device";
    }
    if (S_ISSOCK(mode)) {
        return "a socket";
    }
    if (S_ISDIR(mode)) {
        return "a folder";
    }
    return "not a file";
}
