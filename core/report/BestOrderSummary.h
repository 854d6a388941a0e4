// SPDX-License-Identifier: MIT
#pragma once

#include "scoring/BestOrder.h"

#include <string>

// What Best Order says when it is done, in the window's box and on the
// command line: "Total Kov 495 → 594" when the order changed, else that the
// current order already scores the most.
std::string BestOrderSummary(const BestOrderResult& result);
