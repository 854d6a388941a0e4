// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// What the window reads from its controls when a hit is added or modified:
// the enemy data and the values the drop-down lists hold at that moment. The
// other fields of the working entry follow their controls as they change.
struct EntryCapture {
    std::int32_t hp = 0;
    std::int32_t def = 0;
    int hitCount = 1;
    double kovRate = 1.0;
    // Taken only for a hit without Core, which always lands at rate 1.0.
    double hitRate = 0.99;
    // Taken only for a hit with Link Trap; 0 otherwise.
    std::int32_t linkCount = 0;
};
