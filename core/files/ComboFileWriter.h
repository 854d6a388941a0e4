// SPDX-License-Identifier: MIT
#pragma once

#include "files/SafeFileWrite.h"
#include "model/ComboState.h"

#include <string>

// The combo file of rows 0..m_nLast with the enemy data and the mode: JSON,
// keys in a fixed order, two-space indents, rates in their shortest exact
// form (1.5, 0.99), whole numbers as integers, a final newline.
std::string SerializeComboFile(const ComboState& state);

// Writes that text to `path` without ever leaving a half-written file.
WriteOutcome SaveComboFile(const std::string& path, const ComboState& state);
