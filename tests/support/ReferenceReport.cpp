// SPDX-License-Identifier: MIT
#include "support/ReferenceReport.h"

#include "support/DecimalReference.h"

#include <cstdio>

namespace reference {
namespace {

const char* TypeText(TrapType type) {
    static const char* const names[] = {"Ceil", "Wall", "Floor", "Extra"};
    return type >= 1 && type <= 4 ? names[type - 1] : "?";
}

// Eight two-character cells, a "*" in the first character of each set flag,
// in the order of the header: Ar Co Ct Dd Jk Lt Lr Rp.
std::string Stars(const ComboEntry& e) {
    std::string text;
    for (int flag : {e.m_bAirier, e.m_bCore, e.m_bCounter, e.m_bDouble, e.m_bJk, e.m_bLinkTrap,
                     e.m_bLongRange, e.m_bRapidChain}) {
        if (!text.empty())
            text += '|';
        text += flag != 0 ? "* " : "  ";
    }
    return text;
}

template <class... Args> std::string Printf(const char* format, Args... args) {
    char text[256];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

} // namespace

std::string RowLine(int row, const ComboEntry& entry, const HitResult& result) {
    return Printf("%02d |%-5s|%s|%3u|%5s|%s|%11s|%11s|%11s", row + 1, TypeText(entry.m_nType),
                  Stars(entry).c_str(), static_cast<unsigned>(result.m_nDamage),
                  Grouped(result.m_nTotalDamage).c_str(), Fixed(result.m_dRate, 1, 1).c_str(),
                  TotalRate(result.m_dTotalRate).c_str(), Grouped(result.m_dKov).c_str(),
                  Grouped(result.m_dTotalKov).c_str());
}

std::string ResultsBlock(const ComboState& state, const std::vector<std::string>& rowLines) {
    const HitResult& last = state.m_results[static_cast<std::size_t>(state.m_nLast)];
    std::string block;
    block += Printf("Calculate  : %s\r\n", state.m_bReal != 0 ? "Real" : "Theory");
    block += Printf("MaxHP      : %11u\r\n", static_cast<unsigned>(state.m_nHp));
    block += Printf("Defence    : %11u\r\n", static_cast<unsigned>(state.m_nDef));
    block += Printf("Total Hit  : %11u\r\n", static_cast<unsigned>(state.m_nLast + 1));
    block += Printf("Total Dmg  : %11s\r\n", Grouped(last.m_nTotalDamage).c_str());
    block += Printf("Total Rate : %15s\r\n", TotalRate(last.m_dTotalRate).c_str());
    block += Printf("Total Kov  : %11s\r\n\r\n", Grouped(last.m_dTotalKov).c_str());
    block +=
        "No.|Type |Ar|Co|Ct|Dd|Jk|Lt|Lr|Rp|Dmg|T.Dmg| Rt|     T.Rate|        Kov|      T.Kov\r\n"
        "---|-----|--|--|--|--|--|--|--|--|---|-----|---|-----------|-----------|-----------\r\n";
    for (const std::string& line : rowLines)
        block += line + "\r\n";
    block += std::string(83, '-') + "\r\n\r\n";
    return block;
}

} // namespace reference
