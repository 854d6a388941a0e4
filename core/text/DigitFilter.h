// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

// One pass of the digit filter of the number edits (Hp, Def, Damage), kept
// free of any toolkit so that it can be tested on its own. The edit holds
// UTF-16 code units; the filter sees at most the first kDigitFilterReadLength
// of them, as the edit is read through a five-character buffer.
inline constexpr std::size_t kDigitFilterReadLength = 4;

// Characters a number edit takes: enough for 999, the largest value.
inline constexpr int kNumberEditLength = 3;

struct DigitFilterStep {
    enum class Action {
        Nothing, // the edit is empty
        Store,   // all digits: `value` is the number they make
        Cut,     // not all digits: keep the first `keep` code units and beep
    };
    Action action = Action::Nothing;
    int value = 0;
    std::size_t keep = 0;
};

// What the filter does with the edit's current text. A Cut removes the last
// character: one code unit, or both halves of a surrogate pair standing at
// the end, never half of one. Cutting the text changes the edit, which runs
// the filter again on the shorter text; characters thus go from the end one
// pass (and one beep) at a time until the text is all digits or empty.
DigitFilterStep DigitFilterStepFor(std::u16string_view text);
