// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>

// Lets another thread follow and stop a long search. Both pointers may be null.
struct SearchControl {
    const std::atomic<bool>* cancel = nullptr; // checked regularly; true stops the search
    std::atomic<double>* progress = nullptr;   // fraction done, 0 to 1, written as it goes
};
