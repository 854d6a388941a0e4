// SPDX-License-Identifier: MIT
#include "app/StandardOutput.h"

#include "files/SystemError.h"
#include "files/WriteAll.h"

#include <sys/stat.h>
#include <unistd.h>

std::string WriteStandardOutput(std::string_view bytes) {
    int err = 0;
    return WriteAll(STDOUT_FILENO, bytes, err) ? std::string() : SystemErrorText(err);
}

bool IsStandardOutput(const std::string& path) {
    struct stat named {};
    struct stat out {};
    return ::stat(path.c_str(), &named) == 0 && ::fstat(STDOUT_FILENO, &out) == 0 &&
           named.st_dev == out.st_dev && named.st_ino == out.st_ino;
}
