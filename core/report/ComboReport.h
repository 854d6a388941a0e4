// SPDX-License-Identifier: MIT
#pragma once

#include "model/ComboState.h"

#include <string>
#include <vector>

// The combo list's lines for rows 0..m_nLast, as the window shows them.
std::vector<std::string> ComboListLines(const ComboState& state);

// The block that Output appends to Results.Txt for `state`, byte for byte,
// without a window: the list's lines are made as the list makes them.
std::string BuildComboReport(const ComboState& state);
