// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>

// Lets another thread follow and stop a long search. Both pointers may be null.
struct SearchControl {
    const std::atomic<bool>* cancel = nullptr; // checked regularly; true stops the search
    std::atomic<double>* progress = nullptr;   // fraction done, 0 to 1, written as it goes
};

// True once the other thread has asked the search to stop.
inline bool CancelRequested(const SearchControl* control) {
    return control != nullptr && control->cancel != nullptr &&
           control->cancel->load(std::memory_order_relaxed);
}

// Tells the other thread that `fraction` of the search is done.
inline void ReportProgress(const SearchControl* control, double fraction) {
    if (control != nullptr && control->progress != nullptr)
        control->progress->store(fraction, std::memory_order_relaxed);
}
