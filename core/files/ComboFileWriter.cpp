// SPDX-License-Identifier: MIT
#include "files/ComboFileWriter.h"

#include "files/ComboFileFormat.h"
#include "text/ModeName.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace {

using Json = nlohmann::ordered_json;
using namespace combofile;

std::string_view TypeText(TrapType type) {
    // The model only ever holds 1 to 4; CEIL, the default, stands in for
    // anything else rather than reading past the names.
    const auto index = static_cast<std::size_t>(std::clamp<TrapType>(type, 1, 4) - 1);
    return kTypeNames[index];
}

Json Hit(const ComboEntry& entry) {
    const auto flag = [](std::int32_t value) { return value != 0; };
    Json hit = Json::object();
    hit["type"] = TypeText(entry.m_nType);
    hit["damage"] = entry.m_nDamage;
    hit["kovRate"] = entry.m_dKovRate;
    hit["hitRate"] = entry.m_dHitRate;
    for (const FlagKey& key : kFlagKeys) {
        hit[key.name] = flag(entry.*key.field);
        // The two counts follow the flag they belong with.
        if (key.field == &ComboEntry::m_bUnDefence)
            hit["hitsLeft"] = entry.m_nHitsLeft;
        if (key.field == &ComboEntry::m_bLinkTrap)
            hit["linkCount"] = entry.m_nLinkCount;
    }
    return hit;
}

} // namespace

std::string SerializeComboFile(const ComboState& state) {
    Json file = Json::object();
    file["format"] = kFormat;
    file["version"] = kVersion;
    file["mode"] = ModeName(state.m_bReal);
    file["hp"] = state.m_nHp;
    file["def"] = state.m_nDef;
    Json hits = Json::array();
    const int last = std::min(state.m_nLast, kLastRow);
    for (int row = 0; row <= last; ++row) {
        hits.push_back(Hit(state.m_table[static_cast<std::size_t>(row)]));
    }
    file["hits"] = std::move(hits);
    return file.dump(2) + "\n";
}

WriteOutcome SaveComboFile(const std::string& path, const ComboState& state) {
    return WriteFileSafely(path, SerializeComboFile(state));
}
