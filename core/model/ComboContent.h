// SPDX-License-Identifier: MIT
#pragma once

#include "model/ComboState.h"

// Whether two models hold the same combo as a file keeps it: the rows in use,
// HP, defence and mode. The working entry, the selection and the results
// (which follow from the rest) do not count.
bool SameComboContent(const ComboState& a, const ComboState& b);
