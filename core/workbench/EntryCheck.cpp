// SPDX-License-Identifier: MIT
#include "workbench/EntryCheck.h"

ControlRole MissingEntryField(const FormReading& form) {
    if (form.hpEmpty)
        return ControlRole::Hp;
    if (form.defEmpty)
        return ControlRole::Def;
    if (form.damageEmpty)
        return ControlRole::Damage;
    if (!form.kovRateChosen)
        return ControlRole::KovRate;
    if (!form.hitRateChosen && !form.core)
        return ControlRole::HitRate;
    if (!form.hitCountChosen)
        return ControlRole::HitCount;
    if (!form.linkCountChosen && form.linkTrap)
        return ControlRole::LinkCount;
    return ControlRole::None;
}
