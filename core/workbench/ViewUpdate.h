// SPDX-License-Identifier: MIT
#pragma once

#include "workbench/ControlRole.h"

#include <cstdint>
#include <optional>

// The command buttons whose enabled state a command sets; a button left
// empty keeps the state it has.
struct ButtonStates {
    std::optional<bool> add;
    std::optional<bool> modify;
    std::optional<bool> remove;
    std::optional<bool> clear;
    std::optional<bool> output;
    std::optional<bool> down;
    std::optional<bool> up;
    std::optional<bool> theory;

    bool operator==(const ButtonStates&) const = default;
};

// What a front end does to its controls after a command, applied in the order
// of the fields: a refusal only beeps; otherwise the form is reset or the list
// rebuilt from the combo, the buttons set, a line selected and the focus moved.
struct ViewUpdate {
    bool beep = false;
    // The whole form as at start-up: empty list and edits, default choices.
    bool resetForm = false;
    // The list's lines from the combo, with the working entry (cleared) shown.
    bool rebuildList = false;
    // The line to select, its row shown as the working entry.
    std::optional<int> selectLine;
    ButtonStates buttons;
    // The mode the mode button names (0 Theory, 1 Real), when it changes.
    std::optional<std::int32_t> modeCaption;
    // The HP and defence edits show the combo's enemy data.
    bool showEnemyData = false;
    ControlRole focus = ControlRole::None;

    bool operator==(const ViewUpdate&) const = default;
};
