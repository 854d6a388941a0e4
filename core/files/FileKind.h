// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include <sys/types.h>

// What a file that is not a regular file is, for messages: "a named pipe
// (FIFO)", "a character device", "a block device", "a socket", "a folder";
// empty for a regular file.
std::string FileKindText(mode_t mode);
