// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>

// Dialog templates held as data: every item with its kind, identifier,
// caption, rectangle in dialog units and style, in template (= tab) order.
// Plain C++ so that the layout can be read and checked without a window.

enum class ItemKind {
    Static,
    GroupBox,
    Edit,
    ListBox,
    DropDownList,
    RadioButton,
    CheckBox,
    PushButton,
    Icon
};

// Style bits, named after the window styles they stand for. The template is
// a faithful copy of the original data, so it keeps every style the original
// sets; the last four are kept as data only, because the widgets already
// behave that way (a list with a scroll bar as needed that reports every
// choice and shows part of a line, text that is left-aligned left to right).
namespace ItemStyle {
inline constexpr std::uint32_t Group = 1u << 0;             // WS_GROUP: starts a group
inline constexpr std::uint32_t TabStop = 1u << 1;           // WS_TABSTOP
inline constexpr std::uint32_t Hidden = 1u << 2;            // not WS_VISIBLE
inline constexpr std::uint32_t Disabled = 1u << 3;          // WS_DISABLED
inline constexpr std::uint32_t LeftText = 1u << 4;          // BS_LEFTTEXT
inline constexpr std::uint32_t DefPushButton = 1u << 5;     // BS_DEFPUSHBUTTON
inline constexpr std::uint32_t NoPrefix = 1u << 6;          // SS_NOPREFIX: '&' shown as is
inline constexpr std::uint32_t Border = 1u << 7;            // WS_BORDER
inline constexpr std::uint32_t VScroll = 1u << 8;           // WS_VSCROLL
inline constexpr std::uint32_t Notify = 1u << 9;            // LBS_NOTIFY
inline constexpr std::uint32_t NoIntegralHeight = 1u << 10; // LBS_NOINTEGRALHEIGHT
inline constexpr std::uint32_t ExRight = 1u << 11;          // WS_EX_RIGHT (no effect left-to-right)
} // namespace ItemStyle

inline constexpr int kNoId = -1;
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

struct DialogItem {
    ItemKind kind;
    int id;                     // kNoId when the item has none
    const char* caption;        // UTF-8; "" for none
    int x, y, cx, cy;           // dialog units; a drop-down list's cy includes its dropped list
    std::uint32_t style;        // ItemStyle bits
    const char* objectName;     // the dialog member's name, or a descriptive name
    const char* accessibleName; // nullptr: derived from the caption or the label before it
};

// Items that a drop-down list receives when the dialog opens.
struct InitialList {
    int id;
    std::span<const char* const> items;
};

struct DialogTemplate {
    int id;
    const char* title;
    int cx, cy;           // dialog units
    const char* fontFace; // UTF-8
    int pointSize;
    bool minimizeBox;
    bool appWindow; // gets its own taskbar entry
    std::span<const DialogItem> items;
    std::span<const InitialList> lists;
};

const DialogTemplate& MainDialogTemplate();  // template 102
const DialogTemplate& AboutDialogTemplate(); // template 100

// String 101, the About entry of the window menu.
const char* AboutMenuString();

// Identifier of the About command in the window menu.
inline constexpr unsigned kIdmAboutBox = 16;

// Control identifiers of template 102 that the program refers to.
namespace Ctl {
inline constexpr int List = 1000, Clear = 1001, Remove = 1002, Output = 1003, Hp = 1004, Def = 1005;
inline constexpr int Ceil = 1006, Wall = 1007, Floor = 1008, Extra = 1009, Damage = 1010;
inline constexpr int HitRate = 1011, On = 1012, Off = 1013, Core = 1014, Counter = 1015;
inline constexpr int Double = 1016, LongRange = 1017, Airier = 1018, RapidChain = 1019;
inline constexpr int Option = 1020, Up = 1021, Down = 1022, UnDefence = 1023, KovRate = 1024;
inline constexpr int LinkTrap = 1025, LinkCount = 1026, Modify = 1027, HitCount = 1028,
                     Theory = 1029;
inline constexpr int Add = kIdOk, Exit = kIdCancel;
} // namespace Ctl
