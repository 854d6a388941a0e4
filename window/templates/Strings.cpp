// SPDX-License-Identifier: MIT
#include "window/templates/DialogTemplate.h"

// String 101: the window-menu entry that opens the About box. The katakana are
// the half-width forms; the mnemonic is the A.
const char* AboutMenuString() {
    return "ﾊﾞｰｼﾞｮﾝ情報(ZizAvazuvavez) (&A)...";
}
