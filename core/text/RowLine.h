// SPDX-License-Identifier: MIT
#pragma once

#include "model/ComboEntry.h"

#include <string>
#include <string_view>

// The static column header standing above the combo list. The list lines are
// laid out under its columns, and they only line up because every dialog font
// is fixed-pitch. The window's template shows this very text.
inline constexpr std::string_view kColumnHeader =
    "No. Type  Ar Co Ct Dd Jk Lt Lr Rp Dmg T.Dmg  Rt      T.Rate         Kov       T.Kov";

// "Ceil", "Wall", "Floor", "Extra".
std::string_view TypeName(TrapType type);

// The 23-character bonus cells: a '*' per set flag, Jk between Dd and Lt.
std::string BonusText(const ComboEntry& entry);

// One line of the combo list for table row `row` (0-based).
std::string FormatRowLine(int row, const ComboEntry& entry, const HitResult& result);
