// SPDX-License-Identifier: MIT
#pragma once

#include "files/WriteOutcome.h"
#include "model/ComboState.h"

#include <string>
#include <vector>

inline constexpr const char* kResultsFileName = "Results.Txt";

// The report block of one Output, CR LF line ends, ASCII. `rowLines` are the
// combo list's lines as shown; the totals come from row m_nLast (>= 0).
std::string BuildResultsBlock(const ComboState& state, const std::vector<std::string>& rowLines);

// Appends `block` to `path` with one write on a descriptor opened for
// appending (created when missing, never truncated). Reports success only
// once the data is written and the file closed without error.
WriteOutcome AppendResultsBlock(const std::string& path, const std::string& block);
