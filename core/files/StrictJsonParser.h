// SPDX-License-Identifier: MIT
#pragma once

#include "files/ComboFileError.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <variant>

// A parsed JSON text and, by key path ("hp", "hits[0].kovRate"), the text of
// every number the file writes with a fraction or an exponent, or too large
// for 64 bits: its value alone cannot say how the file wrote it (1e2 reads as
// 100.0), and a message quotes the file.
struct JsonDocument {
    nlohmann::ordered_json root;
    std::map<std::string, std::string> numberTexts;
};

// Parses one JSON text, keeping the keys of every object in file order. The
// whole text must be one value (nothing but blanks after it), and a key may
// appear only once in its object: the library alone would keep the last one
// silently. A NUL byte anywhere is refused: the library would take it as the
// end of the text. A syntax error, a number too large for a double and a NUL
// come back with their line and column.
std::variant<JsonDocument, ComboFileError> ParseStrictJson(std::string_view text);

// How many bytes of a text from the file a message shows at most.
inline constexpr std::size_t kShownBytes = 40;

// `text` cut after kShownBytes bytes, "..." marking the cut; the bytes are
// kept as they are, so use it only for texts known to be plain ASCII.
std::string CutText(std::string_view text);

// `text` in double quotes for a message: escaped to plain ASCII, cut after
// kShownBytes bytes ("..." before the closing quote).
std::string QuotedText(std::string_view text);

// A key as it stands in a key path: plain names as they are, others (and
// plain names longer than kShownBytes) quoted.
std::string PathKey(std::string_view key);

// Line and column (1-based, in bytes) of the byte at `offset` in `text`.
void TextPosition(std::string_view text, std::size_t offset, int& line, int& column);
