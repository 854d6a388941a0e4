// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// The system's reason for errno `err`, in English whatever the process
// locale, and safe to call from any thread.
std::string SystemErrorText(int err);
