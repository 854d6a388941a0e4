// SPDX-License-Identifier: MIT
#pragma once

// The controls a command's outcome names, by what they are for rather than by
// any toolkit's widget, so that every front end applies the same rules.
enum class ControlRole {
    None,
    Hp,
    Def,
    Damage,
    Ceil,
    KovRate,
    HitRate,
    HitCount,
    LinkCount,
    Add,
    Modify,
    Remove,
    Clear,
    Output,
    Down,
    Up,
    Theory,
};
