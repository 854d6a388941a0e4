// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

// Writes every byte of `bytes` to `fd`, going on after short writes and
// interruptions; false with the errno in `err` when the file takes no more.
bool WriteAll(int fd, std::string_view bytes, int& err);
