// SPDX-License-Identifier: MIT
#pragma once

// The window lives in a module of its own that the program loads only when it
// shows the window, so that the command-line modes start without loading the
// toolkit's GUI libraries at all. This is the module's one entry point.

// Runs the window mode: the application object, then the main window until it
// ends; returns the program's exit status. `comboFile` is the combo file named
// on the command line, or empty. `waitForFontSystem` returns once the font
// system's set-up, which the program started before loading the module, has
// finished; the window calls it before it asks for its first font.
extern "C" __attribute__((visibility("default"))) int
KovRunWindow(int argc, char** argv, const char* comboFile, void (*waitForFontSystem)());

// The name the program looks the entry point up by.
inline constexpr const char* kRunWindowSymbol = "KovRunWindow";
