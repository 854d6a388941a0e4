// SPDX-License-Identifier: MIT
#include "text/DigitFilter.h"

#include "text/NumberParse.h"

namespace {

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

} // namespace

DigitFilterStep DigitFilterStepFor(std::u16string_view text) {
    DigitFilterStep step;
    if (text.empty())
        return step;
    text = text.substr(0, kDigitFilterReadLength);

    if (IsAllDigits(text)) {
        step.action = DigitFilterStep::Action::Store;
        for (char16_t c : text)
            step.value = step.value * 10 + (c - u'0'); // at most four digits: no overflow
        return step;
    }

    // Drop the last character, wherever the offending one stands; a character
    // outside the basic plane goes as a whole, never half a surrogate pair.
    std::size_t keep = text.size() - 1;
    if (keep > 0 && IsLowSurrogate(text[keep]) && IsHighSurrogate(text[keep - 1]))
        --keep;
    step.action = DigitFilterStep::Action::Cut;
    step.keep = keep;
    return step;
}
