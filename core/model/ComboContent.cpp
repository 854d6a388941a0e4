// SPDX-License-Identifier: MIT
#include "model/ComboContent.h"

#include <algorithm>

bool SameComboContent(const ComboState& a, const ComboState& b) {
    if (a.m_nLast != b.m_nLast || a.m_nHp != b.m_nHp || a.m_nDef != b.m_nDef ||
        a.m_bReal != b.m_bReal)
        return false;
    const int rows = a.m_nLast + 1;
    return std::equal(a.m_table.begin(), a.m_table.begin() + rows, b.m_table.begin());
}
