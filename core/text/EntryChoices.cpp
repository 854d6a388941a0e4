// SPDX-License-Identifier: MIT
#include "text/EntryChoices.h"

#include "text/NumberParse.h"

#include <algorithm>

namespace {

// Exact comparison on purpose: a file value is allowed only when it is the
// very double a capture of that item would have stored.
template <std::size_t N> bool IsChoice(const std::array<const char*, N>& texts, double value) {
    return std::any_of(texts.begin(), texts.end(),
                       [value](const char* text) { return TextToDouble(text) == value; });
}

} // namespace

bool IsKovRateChoice(double rate) {
    return IsChoice(kKovRateTexts, rate);
}

bool IsHitRateChoice(double rate) {
    return IsChoice(kHitRateTexts, rate);
}
