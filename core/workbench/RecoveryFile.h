// SPDX-License-Identifier: MIT
#pragma once

#include "files/ComboFileReader.h"
#include "model/ComboState.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

// The latest combo, kept in a combo file of its own after every change, so
// that a stray Escape or a killed program loses nothing. Writing replaces the
// file safely and reaches the disk, which takes milliseconds: it happens on a
// thread of its own, started by the first change, and a combo scheduled while
// another is being written replaces any still waiting, so the person's
// command never waits for the disk.
class RecoveryFile {
public:
    explicit RecoveryFile(std::string path);
    // Writes what is still waiting, then stops the thread.
    ~RecoveryFile();
    RecoveryFile(const RecoveryFile&) = delete;
    RecoveryFile& operator=(const RecoveryFile&) = delete;

    // $XDG_STATE_HOME/kov-calculator/last-combo.kovcombo, with the XDG default
    // of ~/.local/state; empty when neither variable is set.
    static std::string DefaultPath(const char* xdgStateHome, const char* home);

    const std::string& Path() const { return m_path; }

    // Schedules `combo` to be written; returns at once.
    void Keep(const ComboState& combo);
    // Returns once every combo scheduled so far is written (or failed).
    void Flush();
    // Why the latest write failed; empty after a write that worked.
    std::string LastError() const;

    // The combo last kept, as a combo file is read.
    ComboFileResult Load() const;

private:
    void Run();
    void WriteOut(const std::string& bytes);

    const std::string m_path;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::optional<ComboState> m_pending;
    bool m_writing = false;
    bool m_stop = false;
    std::string m_lastError;
    std::thread m_thread;
};
