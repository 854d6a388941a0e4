// SPDX-License-Identifier: MIT
#pragma once

// What the save fault tests share: a combo of a few kilobytes, an old file's
// text, the names left in a folder, and one save in a child process.
#include "faults/WriteInChild.h"

#include "files/ComboFileWriter.h"
#include "scoring/Scoring.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace faults {

inline std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(folder))
        names.push_back(item.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A combo of fifteen hits: a file of a few kilobytes.
inline ComboState FullCombo() {
    ComboState state;
    state.m_nHp = 999;
    state.m_nDef = 10;
    state.m_entry.m_nDamage = 500;
    state.m_nLast = state.PlaceEntry(0, 15);
    ScoreCombo(state);
    return state;
}

inline const std::string kOld = "{\"format\": \"kov-combo\", \"version\": 1, \"hp\": 1}\n";

// "ok" or "failed: <reason>" for one save in a child process.
inline std::string SaveInChild(const std::string& path, bool asNobody) {
    return WriteInChild([&] { return SaveComboFile(path, FullCombo()); }, asNobody);
}

} // namespace faults
