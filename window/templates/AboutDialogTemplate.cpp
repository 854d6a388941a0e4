// SPDX-License-Identifier: MIT
#include "window/templates/DialogTemplate.h"

#include "KovVersion.h"

#include <array>

// Template 100, the About box. Its only control that takes the focus is OK.

namespace {

using namespace ItemStyle;

constexpr std::array<DialogItem, 5> kItems{{
    {ItemKind::Icon, kNoId, "", 7, 10, 18, 20, 0, "programIcon", "Kov Calculator icon"},
    // The product line is shown exactly as written, ampersands included.
    {ItemKind::Static, kNoId, "Kov Calculator For Win32", 40, 10, 96, 8, NoPrefix | Group,
     "labelProduct", nullptr},
    // The leading blanks centre the version under the product line.
    {ItemKind::Static, kNoId, "            Version " KOV_VERSION, 40, 20, 96, 8, Group,
     "labelVersion", "Version " KOV_VERSION},
    {ItemKind::PushButton, kIdOk, "OK", 146, 10, 30, 14, DefPushButton | Group | TabStop,
     "okButton", nullptr},
    {ItemKind::Static, kNoId, "Kov Calculator developers", 40, 40, 136, 8, Group, "labelAuthor",
     nullptr},
}};

const DialogTemplate kAboutDialog{100,
                                  "About - Kov Calculator",
                                  183,
                                  54,
                                  "ＭＳ ゴシック",
                                  10,
                                  /*minimizeBox*/ false,
                                  /*appWindow*/ false,
                                  kItems,
                                  {}};

} // namespace

const DialogTemplate& AboutDialogTemplate() {
    return kAboutDialog;
}
