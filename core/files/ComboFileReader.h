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

// Reads and parses the file at `path` (at most 1 MiB). Only a regular file
// is read: a named pipe, a device or a socket is refused by its kind without
// waiting for it, a folder and a file that cannot be opened or read with the
// system's reason.
ComboFileResult LoadComboFile(const std::string& path);

// The same from an open descriptor (standard input, say), of any kind; it is
// not closed.
ComboFileResult LoadComboFileFrom(int fd);

// The refusal of a text larger than 1 MiB.
ComboFileError ComboFileTooLarge();
