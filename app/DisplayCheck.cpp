// SPDX-License-Identifier: MIT
#include "app/DisplayCheck.h"

#include "app/ProgramName.h"

#include <cstdio>
#include <cstdlib>

namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

} // namespace

void ExitUnlessDesktopSession() {
    // A platform named explicitly (offscreen, vnc, ...) is the user's choice
    // and is used as given, even without a session.
    if (IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY"))
        return;
    std::fprintf(stderr,
                 "%s needs a desktop session (X11 or Wayland) to show its window, "
                 "but neither DISPLAY nor WAYLAND_DISPLAY is set.\n",
                 kProgramName);
    std::exit(1);
}
