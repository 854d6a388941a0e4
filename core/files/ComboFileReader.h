// SPDX-License-Identifier: MIT
#pragma once

#include "files/ComboFileError.h"
#include "model/ComboState.h"

#include <string>
#include <string_view>
#include <variant>

// A combo read from a file, or why it was refused.
using ComboFileResult = std::variant<ComboState, ComboFileError>;

// Reads the text of a combo file. An accepted file gives a freshly reset
// state holding its enemy data, mode and rows, scored, with the working entry
// at its defaults and no selection. Anything the window could not have made
// is refused with the place and the reason.
ComboFileResult ParseComboFile(std::string_view text);

// Reads and parses the file at `path` (at most 1 MiB); a file that cannot be
// opened or read is refused with the system's reason.
ComboFileResult LoadComboFile(const std::string& path);

// The same from an open descriptor (standard input, say); it is not closed.
ComboFileResult LoadComboFileFrom(int fd);
