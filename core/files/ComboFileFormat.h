// SPDX-License-Identifier: MIT
#pragma once

#include "model/ComboEntry.h"
#include "text/DigitFilter.h"

#include <array>
#include <cstddef>
#include <string_view>

// The names and limits of the combo file, shared by its reader and writer.
namespace combofile {

inline constexpr std::string_view kFormat = "kov-combo";
inline constexpr int kVersion = 1;
inline constexpr std::size_t kMaxBytes = 1024 * 1024;
inline constexpr std::string_view kSuffix = ".kovcombo";

inline constexpr int kMinValue = 0; // hp, def and damage
inline constexpr int kMaxValue = 999;
// The number edits hold exactly the digits of the largest value.
constexpr int DecimalDigits(int n) {
    return n < 10 ? 1 : 1 + DecimalDigits(n / 10);
}
static_assert(DecimalDigits(kMaxValue) == kNumberEditLength);

// Type names in TrapType order, CEIL = 1.
inline constexpr std::array<std::string_view, 4> kTypeNames{"CEIL", "WALL", "FLOOR", "EXTRA"};

// The flags of a hit, each with its field, in the order the writer puts them
// (the hit's other keys sit between them: hitsLeft after unDefence, linkCount
// after linkTrap).
struct FlagKey {
    std::string_view name;
    std::int32_t ComboEntry::*field;
};
inline constexpr std::array<FlagKey, 10> kFlagKeys{{
    {"unDefence", &ComboEntry::m_bUnDefence},
    {"calculate", &ComboEntry::m_bCalculate},
    {"airier", &ComboEntry::m_bAirier},
    {"core", &ComboEntry::m_bCore},
    {"counter", &ComboEntry::m_bCounter},
    {"double", &ComboEntry::m_bDouble},
    {"linkTrap", &ComboEntry::m_bLinkTrap},
    {"longRange", &ComboEntry::m_bLongRange},
    {"rapidChain", &ComboEntry::m_bRapidChain},
    {"option", &ComboEntry::m_bOption},
}};

} // namespace combofile
