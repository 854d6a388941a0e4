// SPDX-License-Identifier: MIT
#pragma once

// The command as installed, which every message of the program starts with.
inline constexpr const char* kProgramName = "kov-calculator";
