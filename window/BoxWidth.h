// SPDX-License-Identifier: MIT
#pragma once

class QMessageBox;

// A message box takes the width of its text and buttons alone, so a box
// with a short text ("Complete") gets a title bar too narrow for its title,
// which the window manager then cuts to "...". This keeps the box at least
// as wide as its title needs beside the title bar's icon and buttons; its
// text and buttons stay as they are.
void FitTitle(QMessageBox& box);
