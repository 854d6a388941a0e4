// SPDX-License-Identifier: MIT
#pragma once

#include "files/SystemError.h"

#include <string>

// How a write of a file ended: every writer of the program (combo files,
// Results.Txt, standard output) answers with it.
struct WriteOutcome {
    bool ok = false;
    std::string error; // the system's reason when !ok
};

// A write that failed with the system error `err`, in the system's words.
inline WriteOutcome WriteFailure(int err) {
    return {false, SystemErrorText(err)};
}
