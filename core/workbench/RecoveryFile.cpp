// SPDX-License-Identifier: MIT
#include "workbench/RecoveryFile.h"

#include "files/ComboFileWriter.h"
#include "files/SafeFileWrite.h"

#include <filesystem>
#include <system_error>

namespace {
constexpr const char* kFolder = "kov-calculator";
constexpr const char* kFileName = "last-combo.kovcombo";
} // namespace

RecoveryFile::RecoveryFile(std::string path) : m_path(std::move(path)) {}

RecoveryFile::~RecoveryFile() {
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    if (m_thread.joinable())
        m_thread.join();
}

std::string RecoveryFile::DefaultPath(const char* xdgStateHome, const char* home) {
    std::filesystem::path folder;
    // The XDG rules ignore a relative state folder.
    if (xdgStateHome && xdgStateHome[0] == '/')
        folder = xdgStateHome;
    else if (home && home[0] != '\0')
        folder = std::filesystem::path(home) / ".local" / "state";
    else
        return {};
    return (folder / kFolder / kFileName).string();
}

void RecoveryFile::Keep(const ComboState& combo) {
    if (m_path.empty())
        return;
    {
        // A copy is all the caller pays for: the writer thread makes the text.
        std::lock_guard lock(m_mutex);
        m_pending = combo;
        if (!m_thread.joinable())
            m_thread = std::thread(&RecoveryFile::Run, this);
    }
    m_wake.notify_one();
}

void RecoveryFile::Flush() {
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return !m_pending && !m_writing; });
}

std::string RecoveryFile::LastError() const {
    std::lock_guard lock(m_mutex);
    return m_lastError;
}

ComboFileResult RecoveryFile::Load() const {
    return LoadComboFile(m_path);
}

void RecoveryFile::Run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || m_pending; });
        if (!m_pending)
            return; // stopped with nothing left to write
        const ComboState combo = *m_pending;
        m_pending.reset();
        m_writing = true;
        lock.unlock();
        WriteOut(SerializeComboFile(combo));
        lock.lock();
        m_writing = false;
        m_idle.notify_all();
    }
}

void RecoveryFile::WriteOut(const std::string& bytes) {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(m_path).parent_path(), ignored);
    const WriteOutcome outcome = WriteFileSafely(m_path, bytes);
    std::lock_guard lock(m_mutex);
    m_lastError = outcome.ok ? std::string() : outcome.error;
}
