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

    // The first two or all six hits of the worked example (HP 300, defence 20), through the
    // controls.
    void EnterWorkedExample(bool allSix) {
        const int beepsBefore = m_beeps;
        Type("m_editHp", "300");
        Type("m_editDef", "20");
        Choose("m_cmbKovRate", "1.5");
        AddHit(100);
        Click("m_rdoWall");
        Choose("m_cmbHitRate", "0.950");
        Choose("m_cmbKovRate", "2.0");
        Click("m_chkAirier");
        Click("m_chkCounter");
        AddHit(120);
        if (allSix) {
            Choose("m_cmbHitRate", "0.900");
            Click("m_chkLinkTrap");
            Choose("m_cmbLinkCount", "3");
            AddHit(60);
            Choose("m_cmbKovRate", "1.3");
            Click("m_rdoOff");
            AddHit(0);
            Click("m_chkUnDefence");
            Choose("m_cmbHitRate", "0.900");
            Choose("m_cmbKovRate", "1.1");
            Click("m_chkDouble");
            AddHit(92);
            AddHit(10);
        }
        ASSERT_EQ(S().m_nLast, allSix ? 5 : 1);
        ASSERT_EQ(m_beeps, beepsBefore) << "every hit of the example is accepted";
    }
};
