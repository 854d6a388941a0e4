// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

// The names of the two scoring modes, as the mode button and the report show
// them.
inline constexpr std::string_view kTheoryModeName = "Theory";
inline constexpr std::string_view kRealModeName = "Real";

// The name of the mode `real` (ComboState::m_bReal) stands for.
constexpr std::string_view ModeName(std::int32_t real) {
    return real != 0 ? kRealModeName : kTheoryModeName;
}
