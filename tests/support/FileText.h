// SPDX-License-Identifier: MIT
#pragma once

// Whole files as byte strings, for tests that set up and check files.
#include <fstream>
#include <iterator>
#include <string>

#include <sys/stat.h>

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFile(const std::string& path, const std::string& text, mode_t mode = 0644) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    chmod(path.c_str(), mode);
}
