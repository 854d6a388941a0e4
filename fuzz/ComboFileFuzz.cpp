// SPDX-License-Identifier: MIT
// Fuzz target: the combo file reader on any bytes. A refusal must carry a
// reason in plain printable ASCII and a place (a line and column inside the
// text for syntax, else a key path, except for the few whole-file reasons).
// An accepted file must be a model the window could hold, and writing it
// out and reading that back must give the same model and the same text.
#include "files/ComboFileReader.h"
#include "files/ComboFileWriter.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void Fail(const char* what, std::string_view detail) {
    std::fprintf(stderr, "combo file: %s: %.*s\n", what, static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

bool IsPrintableAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x20 && byte < 0x7f;
    });
}

void CheckRefusal(std::string_view text, const ComboFileError& error) {
    const std::string message = FormatComboFileError("f", error);
    if (error.reason.empty()) {
        Fail("refused without a reason", message);
    }
    if (!IsPrintableAscii(error.reason) || !IsPrintableAscii(error.where)) {
        Fail("message not printable ASCII", message);
    }
    if (error.line > 0) {
        const auto lines = 1 + std::count(text.begin(), text.end(), '\n');
        if (error.line > lines || error.column < 1 ||
            static_cast<std::size_t>(error.column) > text.size() + 1 || !error.where.empty()) {
            Fail("syntax error outside the text", message);
        }
        return;
    }
    if (error.where.empty() && error.reason.rfind("expected an object at the top level", 0) != 0 &&
        error.reason != "the file is larger than 1 MiB") {
        Fail("value refused without a place", message);
    }
}

void CheckSameModel(const ComboState& a, const ComboState& b, std::string_view text) {
    bool same = a.m_nLast == b.m_nLast && a.m_nHp == b.m_nHp && a.m_nDef == b.m_nDef &&
                a.m_bReal == b.m_bReal && a.m_nSel == -1 && b.m_nSel == -1 &&
                a.m_entry == b.m_entry;
    for (int row = 0; same && row <= a.m_nLast; ++row) {
        const auto i = static_cast<std::size_t>(row);
        same = a.m_table[i] == b.m_table[i] && a.m_results[i] == b.m_results[i];
    }
    if (!same) {
        Fail("written and read back, the model differs", text);
    }
}

void CheckAccepted(const ComboState& state) {
    if (state.m_nLast < -1 || state.m_nLast > kLastRow || state.m_nHp < 0 || state.m_nHp > 999 ||
        state.m_nDef < 0 || state.m_nDef > 999) {
        Fail("accepted model out of range", SerializeComboFile(state));
    }
    const std::string written = SerializeComboFile(state);
    const ComboFileResult again = ParseComboFile(written);
    if (const auto* error = std::get_if<ComboFileError>(&again)) {
        Fail("own file refused", FormatComboFileError(written, *error));
    }
    const ComboState& copy = std::get<ComboState>(again);
    CheckSameModel(state, copy, written);
    if (SerializeComboFile(copy) != written) {
        Fail("written twice, the texts differ", written);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ComboFileResult result = ParseComboFile(text);
    if (const auto* error = std::get_if<ComboFileError>(&result)) {
        CheckRefusal(text, *error);
    } else {
        CheckAccepted(std::get<ComboState>(result));
    }
    return 0;
}
