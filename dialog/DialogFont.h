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

// Starts the font system's own set-up (reading its configuration and its
// caches: some milliseconds) on another thread, so that it runs while the
// toolkit connects to the display. DialogFont waits for it. Call it first
// thing in main(), before anything uses a font; it also makes every thread
// of the process allocate from one malloc arena.
void StartFontSystemWarmUp();
