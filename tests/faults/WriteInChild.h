// SPDX-License-Identifier: MIT
#pragma once

// One write of the program's (a save, an append) run in a child process, its
// outcome reported back as "ok" or "failed: <reason>".
#include "faults/ChildProcess.h"

#include "files/WriteOutcome.h"

#include <functional>
#include <string>

namespace faults {

inline std::string Outcome(const WriteOutcome& outcome) {
    return outcome.ok ? "ok" : "failed: " + outcome.error;
}

// The outcome of `write` in a child; "cannot" when the child could not give
// up root.
inline std::string WriteInChild(const std::function<WriteOutcome()>& write, bool asNobody) {
    const ChildResult child = RunInChild(
        [&](int report) {
            Report(report, Outcome(write()));
            return 0;
        },
        asNobody);
    if (child.status == kChildCannot)
        return "cannot";
    EXPECT_EQ(child.status, 0);
    return child.output;
}

} // namespace faults
