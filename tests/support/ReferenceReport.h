// SPDX-License-Identifier: MIT
#pragma once

// The combo list's lines and the report block as the window documents them,
// written again from that description with printf and the decimal reference
// instead of the program's own text routines: an expectation built here
// cannot share a rounding or layout fault with what it checks.
#include "model/ComboState.h"

#include <string>
#include <vector>

namespace reference {

// The list line of table row `row` (from 0).
std::string RowLine(int row, const ComboEntry& entry, const HitResult& result);

// The block one Output appends: totals from row m_nLast (at least 0), then
// `rowLines` between the header and the closing rule, CR LF line ends.
std::string ResultsBlock(const ComboState& state, const std::vector<std::string>& rowLines);

} // namespace reference
