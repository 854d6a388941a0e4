// SPDX-License-Identifier: MIT
#pragma once

// Start-up tuning for the window mode. Call it first thing, before QApplication and
// before anything uses a font: it starts the font system's own set-up
// (reading its configuration and its caches: some milliseconds) on a thread
// of its own, so that it runs while the toolkit connects to the display, and
// has the dialog font wait for it. It also makes every thread of the process
// allocate from one malloc arena. The first-frame hook for start-up timing
// sits beside it in ExitAfterFirstFrame.h.
void StartFontSystemWarmUp();
