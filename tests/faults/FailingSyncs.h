// SPDX-License-Identifier: MIT
#pragma once

// The save fault test binary brings its own fsync(2): it passes every call
// through to the system, except while failures are armed. Then a sync of a
// regular file fails with the armed errno, as a disk that reports an I/O
// error at the last moment would, and the writer is tested as it is.
namespace faults {

// Arms the failure for its lifetime.
class FailingSyncs {
public:
    explicit FailingSyncs(int err);
    ~FailingSyncs();
    FailingSyncs(const FailingSyncs&) = delete;
    FailingSyncs& operator=(const FailingSyncs&) = delete;

    // Syncs failed so far.
    static int Failed();
};

} // namespace faults
