// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

// The font of every dialog: the template's face at its point size when that
// face is installed, else IPAGothic (same half-width Latin cells, full-width
// kana and arrows), else the system's fixed-pitch face. A face only counts as
// installed when the font system really hands it out: Qt quietly substitutes
// another family for a missing one.
QFont DialogFont(const char* templateFace, int pointSize);

// True when `font` resolves to the family it names.
bool FaceObtained(const QFont& font);

// Something to wait for before the first font is asked for: the program
// starts the font system's set-up early on a thread of its own, and two
// threads setting it up at once would each do all of the work. DialogFont
// calls it each time before it uses the font system; nullptr for none.
using FontSystemWait = void (*)();
void SetFontSystemWait(FontSystemWait wait);
