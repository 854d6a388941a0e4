// SPDX-License-Identifier: MIT
#pragma once

// Ends the program with a one-sentence message and status 1 when the window
// could not be shown: no platform is named in QT_QPA_PLATFORM and neither an
// X11 (DISPLAY) nor a Wayland (WAYLAND_DISPLAY) session is set. Left to
// itself, Qt would abort with a plugin error that suggests reinstalling.
// Call it only when the window is about to be created, before the
// QApplication: modes that print and need no window must not be refused.
void ExitUnlessDesktopSession();
