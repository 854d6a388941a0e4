// SPDX-License-Identifier: MIT
#pragma once

#include "workbench/ControlRole.h"

// How the entry form reads when a hit is added or modified, or the mode
// switched: which edits are empty and which lists have a choice.
struct FormReading {
    bool hpEmpty = false;
    bool defEmpty = false;
    bool damageEmpty = false;
    bool kovRateChosen = true;
    bool hitRateChosen = true;
    bool hitCountChosen = true;
    bool linkCountChosen = true;
    bool core = false;
    bool linkTrap = false;
};

// The first control, in form order, that still needs a value (the front end
// beeps and moves the focus there), or ControlRole::None when the form is
// complete. The hit rate is not asked of a Core hit, nor the link count of a
// hit without Link Trap.
ControlRole MissingEntryField(const FormReading& form);
