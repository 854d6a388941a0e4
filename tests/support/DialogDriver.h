// SPDX-License-Identifier: MIT
#pragma once

// The window driver as a test fixture: each test gets a fresh window, and a
// modal window nobody expected fails the test instead of hanging it.
#include "support/ModalGuard.h"
#include "support/TempDir.h"
#include "support/WindowDriver.h"

#include <gtest/gtest.h>

#include <optional>

class DialogTest : public ::testing::Test, public WindowDriver {
protected:
    std::optional<ModalGuard> m_guard{std::in_place};
};
