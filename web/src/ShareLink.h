// SPDX-License-Identifier: MIT
#pragma once

#include "files/ComboFileError.h"
#include "model/ComboState.h"

#include <string>
#include <string_view>
#include <variant>

// A combo carried in a page address's fragment: "c1=" and the combo packed
// into bits, in URL-safe base64 without padding. The digit after "c" is the
// version of the packing, so that a later one can be told apart and refused
// with a reason rather than misread.
inline constexpr std::string_view kShareLinkKey = "c1=";

// The fragment (without '#') that carries `state`; empty when a row holds a
// rate no list offers, which no combo made in the page can.
std::string EncodeShareLink(const ComboState& state);

// The combo a fragment carries, or why it cannot be read. The packing only
// gives the shape; every value goes through the combo-file reader, so a link
// can never hold what a file could not.
std::variant<ComboState, ComboFileError> DecodeShareLink(std::string_view fragment);
