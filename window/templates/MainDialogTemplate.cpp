// SPDX-License-Identifier: MIT
#include "window/templates/DialogTemplate.h"

#include "KovVersion.h"

#include "text/EntryChoices.h"
#include "text/ModeName.h"
#include "text/RowLine.h"

#include <array>

// Template 102, the main window. Item order is the tab order and decides where
// each radio group and arrow-key group starts, so it must not be re-sorted.

namespace {

using namespace ItemStyle;

constexpr std::uint32_t kEdit = Border | TabStop | ExRight;
constexpr std::uint32_t kDropDown = VScroll | TabStop;

constexpr std::array<DialogItem, 46> kItems{{
    {ItemKind::Static, kNoId, "Combo &List", 4, 0, 41, 8, Group, "labelComboList", nullptr},
    {ItemKind::Static, kNoId, kColumnHeader.data(), 4, 10, 333, 8, Group, "labelHeader",
     "Column header"},
    {ItemKind::ListBox, Ctl::List, "", 2, 18, 336, 123,
     Notify | NoIntegralHeight | Border | VScroll | TabStop, "m_listCombo", "Combo List"},
    {ItemKind::GroupBox, kNoId, "&Enemy Data", 4, 144, 55, 51, Group, "groupEnemyData", nullptr},
    {ItemKind::Static, kNoId, "Hp", 12, 160, 9, 8, Group, "labelHp", nullptr},
    {ItemKind::Edit, Ctl::Hp, "", 31, 158, 21, 12, kEdit, "m_editHp", "Hp"},
    {ItemKind::Static, kNoId, "Def", 11, 178, 13, 8, Group, "labelDef", nullptr},
    {ItemKind::Edit, Ctl::Def, "", 31, 176, 21, 12, kEdit, "m_editDef", "Def"},
    {ItemKind::GroupBox, kNoId, "Trap Data", 77, 144, 260, 137, Group, "groupTrapData", nullptr},
    {ItemKind::GroupBox, kNoId, "&Type", 83, 155, 50, 90, Group, "groupType", nullptr},
    {ItemKind::RadioButton, Ctl::Ceil, "CEIL", 89, 170, 36, 10, Group | TabStop, "m_rdoCeil",
     nullptr},
    {ItemKind::RadioButton, Ctl::Wall, "WALL", 89, 189, 36, 10, 0, "m_rdoWall", nullptr},
    {ItemKind::RadioButton, Ctl::Floor, "FLOOR", 89, 208, 36, 10, 0, "m_rdoFloor", nullptr},
    {ItemKind::RadioButton, Ctl::Extra, "EXTRA", 89, 227, 36, 10, 0, "m_rdoExtra", nullptr},
    {ItemKind::GroupBox, kNoId, "Ab&ility", 132, 155, 94, 90, Group, "groupAbility", nullptr},
    {ItemKind::Static, kNoId, "Damage", 138, 169, 37, 8, Group, "labelDamage", nullptr},
    {ItemKind::Edit, Ctl::Damage, "", 198, 167, 21, 12, kEdit, "m_editDamage", "Damage"},
    {ItemKind::Static, kNoId, "Kov Rate", 138, 184, 33, 8, Group, "labelKovRate", nullptr},
    {ItemKind::DropDownList, Ctl::KovRate, "", 192, 182, 27, 73, kDropDown, "m_cmbKovRate",
     "Kov Rate"},
    {ItemKind::CheckBox, Ctl::UnDefence, "UnDifence", 137, 198, 81, 10, LeftText | TabStop,
     "m_chkUnDefence", nullptr},
    {ItemKind::Static, kNoId, "Hit Rate", 138, 213, 33, 8, Group, "labelHitRate", nullptr},
    {ItemKind::DropDownList, Ctl::HitRate, "", 185, 211, 34, 67, kDropDown, "m_cmbHitRate",
     "Hit Rate"},
    {ItemKind::Static, kNoId, "Hit Count", 138, 229, 37, 8, Group, "labelHitCount", nullptr},
    {ItemKind::DropDownList, Ctl::HitCount, "", 197, 227, 22, 62, kDropDown, "m_cmbHitCount",
     "Hit Count"},
    {ItemKind::GroupBox, kNoId, "&Bonus", 225, 155, 107, 90, Group, "groupBonus", nullptr},
    {ItemKind::CheckBox, Ctl::Airier, "Airier", 233, 166, 56, 10, Group | TabStop, "m_chkAirier",
     nullptr},
    {ItemKind::CheckBox, Ctl::Core, "Core", 233, 177, 56, 10, TabStop, "m_chkCore", nullptr},
    {ItemKind::CheckBox, Ctl::Counter, "Counter", 233, 188, 56, 10, TabStop, "m_chkCounter",
     nullptr},
    {ItemKind::CheckBox, Ctl::Double, "Double", 233, 199, 56, 10, TabStop, "m_chkDouble", nullptr},
    {ItemKind::CheckBox, Ctl::LinkTrap, "Link Trap", 233, 210, 56, 10, TabStop, "m_chkLinkTrap",
     nullptr},
    {ItemKind::DropDownList, Ctl::LinkCount, "", 303, 208, 22, 62, kDropDown, "m_cmbLinkCount",
     "Link count"},
    {ItemKind::CheckBox, Ctl::LongRange, "Long Range", 233, 221, 56, 10, TabStop, "m_chkLongRange",
     nullptr},
    {ItemKind::CheckBox, Ctl::RapidChain, "Rapid Chain", 233, 232, 56, 10, TabStop,
     "m_chkRapidChain", nullptr},
    {ItemKind::CheckBox, Ctl::Option, "Option", 174, 254, 56, 10, TabStop | Disabled | Hidden,
     "m_chkOption", nullptr},
    {ItemKind::GroupBox, kNoId, "Calc&ulate", 83, 249, 76, 27, Group, "groupCalculate", nullptr},
    {ItemKind::RadioButton, Ctl::On, "On", 89, 260, 24, 10, Group | TabStop, "m_rdoOn", nullptr},
    {ItemKind::RadioButton, Ctl::Off, "Off", 123, 260, 28, 10, 0, "m_rdoOff", nullptr},
    {ItemKind::PushButton, Ctl::Up, "↑", 286, 258, 20, 14, Group | TabStop, "m_btnUp", "Move up"},
    {ItemKind::PushButton, Ctl::Down, "↓", 311, 258, 20, 14, TabStop, "m_btnDown", "Move down"},
    {ItemKind::PushButton, Ctl::Add, "&Add", 4, 290, 40, 14, DefPushButton | Group | TabStop,
     "m_btnAdd", nullptr},
    {ItemKind::PushButton, Ctl::Modify, "&Modify", 49, 290, 40, 14, TabStop, "m_btnModify",
     nullptr},
    {ItemKind::PushButton, Ctl::Remove, "&Remove", 94, 290, 40, 14, TabStop, "m_btnRemove",
     nullptr},
    {ItemKind::PushButton, Ctl::Clear, "&Clear", 139, 290, 40, 14, TabStop, "m_btnClear", nullptr},
    {ItemKind::PushButton, Ctl::Output, "&Output", 184, 290, 40, 14, TabStop, "m_btnOutput",
     nullptr},
    {ItemKind::PushButton, Ctl::Theory, kTheoryModeName.data(), 229, 290, 40, 14, TabStop,
     "m_btnTheory", nullptr},
    {ItemKind::PushButton, Ctl::Exit, "E&xit", 297, 290, 40, 14, TabStop, "exitButton", nullptr},
}};

const std::array<InitialList, 4> kLists{{
    {Ctl::KovRate, kKovRateTexts},
    {Ctl::HitRate, kHitRateTexts},
    {Ctl::HitCount, kHitCountTexts},
    {Ctl::LinkCount, kLinkCountTexts},
}};

const DialogTemplate kMainDialog{102,
                                 "Kov Calculator Ver." KOV_VERSION,
                                 341,
                                 309,
                                 "ＭＳ ゴシック",
                                 10,
                                 /*minimizeBox*/ true,
                                 /*appWindow*/ true,
                                 kItems,
                                 kLists};

} // namespace

const DialogTemplate& MainDialogTemplate() {
    return kMainDialog;
}
