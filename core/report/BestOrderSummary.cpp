// SPDX-License-Identifier: MIT
#include "report/BestOrderSummary.h"

#include "text/NumberFormat.h"

namespace {

std::string Grouped(double value) {
    const std::string text = FormatGrouped(value);
    return text.substr(text.find_first_not_of(' '));
}

} // namespace

std::string BestOrderSummary(const BestOrderResult& result) {
    if (!result.improved) {
        return "The current order already scores the most.";
    }
    return "Total Kov " + Grouped(result.totalBefore) + " \u2192 " + Grouped(result.totalAfter);
}
