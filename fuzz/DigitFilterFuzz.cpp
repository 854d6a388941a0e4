// SPDX-License-Identifier: MIT
// Fuzz target: the digit filter of the number edits. The input is UTF-16
// text (two bytes a code unit). It is checked twice: one filter step on text
// of any length, and the whole run of steps in an edit that holds at most
// three code units and runs the filter again whenever its text changes.
#include "text/DigitFilter.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

[[noreturn]] void Fail(const char* what, const std::u16string& text) {
    std::fprintf(stderr, "digit filter: %s; text:", what);
    for (char16_t c : text)
        std::fprintf(stderr, " %04X", static_cast<unsigned>(c));
    std::fprintf(stderr, "\n");
    std::abort();
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// One step on text of any length.
void CheckStep(const std::u16string& text) {
    const DigitFilterStep step = DigitFilterStepFor(text);
    const std::u16string read = text.substr(0, 4);
    if (text.empty()) {
        if (step.action != DigitFilterStep::Action::Nothing)
            Fail("an empty edit is not left alone", text);
        return;
    }
    bool digits = true;
    long value = 0;
    for (char16_t c : read) {
        digits = digits && IsDigit(c);
        value = value * 10 + (c - u'0');
    }
    if (digits) {
        if (step.action != DigitFilterStep::Action::Store || step.value != value)
            Fail("digits are not stored as their number", text);
        return;
    }
    if (step.action != DigitFilterStep::Action::Cut)
        Fail("a non-digit is not cut", text);
    const std::size_t last = read.size() - 1;
    const bool pairAtEnd = last >= 1 && read[last] >= 0xDC00 && read[last] <= 0xDFFF &&
                           read[last - 1] >= 0xD800 && read[last - 1] <= 0xDBFF;
    if (step.keep != (pairAtEnd ? last - 1 : last))
        Fail("the cut does not take exactly the last character", text);
}

// An edit with the three-character limit: a text written into it is cut to
// three code units (the edit knows nothing of surrogates), and every change
// runs the filter, which may write the edit again from inside.
struct Edit {
    std::u16string text;
    int beeps = 0;
    int stores = 0;
    int stored = -1;
    int depth = 0;

    void Write(const std::u16string& newText) {
        const std::u16string limited = newText.substr(0, 3);
        if (limited == text)
            return;
        text = limited;
        if (++depth > 4)
            Fail("the filter does not come to an end", text);
        const DigitFilterStep step = DigitFilterStepFor(text);
        if (step.action == DigitFilterStep::Action::Store) {
            ++stores;
            stored = step.value;
        } else if (step.action == DigitFilterStep::Action::Cut) {
            Write(text.substr(0, step.keep));
            ++beeps;
        }
        --depth;
    }
};

void CheckEdit(const std::u16string& typed) {
    Edit edit;
    edit.Write(typed);
    const std::u16string held = typed.substr(0, 3);

    // What must be left: the longest run of ASCII digits at the start; one
    // beep for every character after it, a surrogate pair being one.
    std::size_t keep = 0;
    while (keep < held.size() && IsDigit(held[keep]))
        ++keep;
    int characters = 0;
    for (std::size_t i = keep; i < held.size(); ++i) {
        const bool pair = held[i] >= 0xD800 && held[i] <= 0xDBFF && i + 1 < held.size() &&
                          held[i + 1] >= 0xDC00 && held[i + 1] <= 0xDFFF;
        i += pair ? 1 : 0;
        ++characters;
    }
    if (edit.text != held.substr(0, keep))
        Fail("the edit keeps more or less than its leading digits", typed);
    if (edit.beeps != characters)
        Fail("not one beep per removed character", typed);
    if (keep > 0 && (edit.stores != 1 ||
                     edit.stored != std::stoi(std::string(held.begin(), held.begin() + keep))))
        Fail("the digits left are not stored exactly once", typed);
    if (keep == 0 && edit.stores != 0)
        Fail("something is stored for an emptied edit", typed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    CheckStep(text);
    CheckEdit(text);
    return 0;
}
