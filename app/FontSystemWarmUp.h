// SPDX-License-Identifier: MIT
#pragma once

// The font system's own set-up (fontconfig reading its configuration and its
// caches: some milliseconds) started on a thread of its own before the
// window's libraries are loaded, so that the two overlap. Call it once, in
// the window mode only, before anything uses a font; every thread of the
// process then allocates from one malloc arena.
void StartFontSystemWarmUp();

// Returns once the set-up has finished (at once if it never started). Whoever
// asks for the first font waits here: two threads setting the font system up
// at once would each do all of the work.
void WaitForFontSystem();
