// SPDX-License-Identifier: MIT
#include "report/ComboReport.h"

#include "report/ResultsLog.h"
#include "text/RowLine.h"

#include <algorithm>

std::vector<std::string> ComboListLines(const ComboState& state) {
    std::vector<std::string> lines;
    const int last = std::min(state.m_nLast, kLastRow);
    for (int row = 0; row <= last; ++row) {
        const auto index = static_cast<std::size_t>(row);
        lines.push_back(FormatRowLine(row, state.m_table[index], state.m_results[index]));
    }
    return lines;
}

std::string BuildComboReport(const ComboState& state) {
    return BuildResultsBlock(state, ComboListLines(state));
}
