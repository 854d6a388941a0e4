// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Writes `bytes` to standard output, whole. Standard output is the product
// of the command-line modes, so a write it refuses (a full disk, say) is a
// failure: its reason comes back, empty when all was written. A reader that
// closes its pipe ends the program by SIGPIPE, as with any filter.
std::string WriteStandardOutput(std::string_view bytes);

// Whether `path` names the very file standard output is open on, whatever
// the name (/dev/stdout, /dev/fd/1, the file the shell redirected to).
bool IsStandardOutput(const std::string& path);
