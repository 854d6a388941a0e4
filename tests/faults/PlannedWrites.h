// SPDX-License-Identifier: MIT
#pragma once

// The fault test binary brings its own write(2): it passes every call through
// to the system, except while a plan is armed for one file. Then the first
// write to that file stores only part of its bytes, something else may happen
// right after it (another program appending, say), and every later write to
// the file fails. The program's writer is tested as it is, with no seam in it.
#include <cstddef>
#include <functional>
#include <string>

namespace faults {

struct WritePlan {
    std::string path;                 // an existing file, known by its inode
    std::size_t firstLength = 0;      // bytes the first write stores at most
    std::function<void()> afterFirst; // runs after that write, plan disarmed
    int laterError = 0;               // errno of every later write
};

// Arms the plan for its lifetime.
class PlannedWrites {
public:
    explicit PlannedWrites(WritePlan plan);
    ~PlannedWrites();
    PlannedWrites(const PlannedWrites&) = delete;
    PlannedWrites& operator=(const PlannedWrites&) = delete;
};

} // namespace faults
