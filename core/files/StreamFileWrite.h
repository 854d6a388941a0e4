// SPDX-License-Identifier: MIT
#pragma once

#include "files/SafeFileWrite.h"

#include <string>
#include <string_view>

// Writes `bytes` straight into the named pipe or character device at `path`
// (a terminal, /dev/null, a pipe named by /dev/fd/N), which has no old
// content to keep and must never be replaced by a file. A pipe that nobody
// reads is refused at once instead of waiting for a reader, and a reader that
// goes away fails the write instead of ending the program.
WriteOutcome WriteIntoStream(const std::string& path, std::string_view bytes);
