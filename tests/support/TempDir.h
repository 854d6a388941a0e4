// SPDX-License-Identifier: MIT
#pragma once

// Temporary directories for tests, so that no test writes Results.Txt or any
// other file into the source tree or leaves one behind.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include <sys/stat.h>
#include <unistd.h>

// A fresh directory under /tmp that every account may enter and read (tests
// that give up root write into it); removed with its contents at the end,
// even when a test has made it read-only.
class TempDir {
public:
    TempDir() {
        char pattern[] = "/tmp/kov-test.XXXXXX";
        if (mkdtemp(pattern) == nullptr)
            throw std::runtime_error("no temporary directory");
        m_path = pattern;
        chmod(pattern, 0755);
    }
    ~TempDir() {
        chmod(m_path.c_str(), 0755);
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(std::string_view name) const { return m_path + "/" + std::string(name); }

private:
    std::string m_path;
};

// A temporary directory that is the working directory while it lives: the
// window writes Results.Txt where the process stands.
class TempWorkDir : public TempDir {
public:
    TempWorkDir() : m_old(std::filesystem::current_path()) {
        std::filesystem::current_path(Path());
    }
    ~TempWorkDir() {
        std::error_code ignored;
        std::filesystem::current_path(m_old, ignored);
    }

private:
    std::filesystem::path m_old;
};
