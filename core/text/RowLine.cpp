// SPDX-License-Identifier: MIT
#include "text/RowLine.h"

#include "text/NumberFormat.h"

#include <cstdint>
#include <cstdio>
#include <iterator>

namespace {

constexpr std::string_view kBonusTemplate = "  |  |  |  |  |  |  |  ";

} // namespace

std::string_view TypeName(TrapType type) {
    switch (type) {
    case kTrapCeil:
        return "Ceil";
    case kTrapWall:
        return "Wall";
    case kTrapFloor:
        return "Floor";
    case kTrapExtra:
        return "Extra";
    default:
        // The radio buttons only produce 1..4; anything else shows as unknown
        // rather than reading past a name table.
        return "?";
    }
}

std::string BonusText(const ComboEntry& entry) {
    // Jk sits between Dd and Lt on screen, unlike in the record.
    const std::int32_t flags[] = {entry.m_bAirier,    entry.m_bCore,      entry.m_bCounter,
                                  entry.m_bDouble,    entry.m_bJk,        entry.m_bLinkTrap,
                                  entry.m_bLongRange, entry.m_bRapidChain};
    std::string text(kBonusTemplate);
    for (std::size_t cell = 0; cell < std::size(flags); ++cell) {
        if (flags[cell] != 0) {
            text[cell * 3] = '*';
        }
    }
    return text;
}

std::string FormatRowLine(int row, const ComboEntry& entry, const HitResult& result) {
    // Integer conversions do not depend on the locale; only the floating ones
    // go through our own formatter.
    char number[16];
    std::snprintf(number, sizeof number, "%02lld", static_cast<long long>(row) + 1);
    char damage[16];
    std::snprintf(damage, sizeof damage, "%3u",
                  static_cast<unsigned>(static_cast<std::uint32_t>(result.m_nDamage)));

    std::string line;
    line.reserve(96);
    line += number;
    line += " |";
    line += PadRight(TypeName(entry.m_nType), 5);
    line += '|';
    line += BonusText(entry);
    line += '|';
    line += damage;
    line += '|';
    line += PadLeft(FormatGrouped(result.m_nTotalDamage), 5);
    line += '|';
    line += FormatFixed(result.m_dRate, 1);
    line += '|';
    line += PadLeft(FormatTotalRate(result.m_dTotalRate), 11);
    line += '|';
    line += PadLeft(FormatGrouped(result.m_dKov), 11);
    line += '|';
    line += PadLeft(FormatGrouped(result.m_dTotalKov), 11);
    return line;
}
