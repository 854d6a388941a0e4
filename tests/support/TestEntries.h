// SPDX-License-Identifier: MIT
#pragma once

// A single hit as the form makes it by default, with the fields scoring tests
// vary most.
#include "model/ComboEntry.h"

inline ComboEntry Hit(int damage, double kovRate, double hitRate = 0.99) {
    ComboEntry e = DefaultEntry();
    e.m_nDamage = damage;
    e.m_dKovRate = kovRate;
    e.m_dHitRate = hitRate;
    return e;
}
