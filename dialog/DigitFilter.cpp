#include "dialog/DigitFilter.h"

namespace {

bool IsAsciiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

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

    bool allDigits = true;
    int value = 0;
    for (char16_t c : text) {
        if (!IsAsciiDigit(c)) {
            allDigits = false;
            break;
        }
        // At most four digits: no overflow.
        value = value * 10 + (c - u'0');
    }
    if (allDigits) {
        step.action = DigitFilterStep::Action::Store;
        step.value = value;
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
