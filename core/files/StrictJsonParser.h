// SPDX-License-Identifier: MIT
#pragma once

#include "files/ComboFileError.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <variant>

// Parses one JSON text, keeping the keys of every object in file order. The
// whole text must be one value (nothing but blanks after it), and a key may
// appear only once in its object: the library alone would keep the last one
// silently. A syntax error comes back with its line and column.
std::variant<nlohmann::ordered_json, ComboFileError> ParseStrictJson(std::string_view text);

// `text` in double quotes for a message: escaped to plain ASCII, cut after 40
// bytes ("..." before the closing quote).
std::string QuotedText(std::string_view text);

// A key as it stands in a key path: plain names as they are, others quoted.
std::string PathKey(std::string_view key);

// Line and column (1-based, in bytes) of the byte at `offset` in `text`.
void TextPosition(std::string_view text, std::size_t offset, int& line, int& column);
