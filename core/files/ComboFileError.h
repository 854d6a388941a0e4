// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Why a combo file was refused, and where. A syntax error has a line and a
// column (1-based, bytes); a value error has the key path, such as
// "hits[3].damage"; a file that cannot be read or is too large has neither.
struct ComboFileError {
    int line = 0; // 0: no text position
    int column = 0;
    std::string where;
    std::string reason;

    bool operator==(const ComboFileError&) const = default;
};

// The message the command line prints after its own name, with the file name
// first: "FILE:LINE:COLUMN: reason", "FILE: hits[3].damage: reason" or
// "FILE: reason".
std::string FormatComboFileError(std::string_view file, const ComboFileError& error);
