// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// How a write of a file ended: every writer of the program (combo files,
// Results.Txt, standard output) answers with it.
struct WriteOutcome {
    bool ok = false;
    std::string error; // the system's reason when !ok
};
