// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Writes `bytes` to standard output, whole. Standard output is the product
// of the command-line modes, so a short write (a full disk, a closed pipe) is
// a failure: its reason comes back, empty when all was written.
std::string WriteStandardOutput(std::string_view bytes);

// Whether `path` names the very file standard output is open on, whatever
// the name (/dev/stdout, /dev/fd/1, the file the shell redirected to).
bool IsStandardOutput(const std::string& path);
