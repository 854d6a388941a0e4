// SPDX-License-Identifier: MIT
#pragma once

// Watches the start of the window's platform, from before the application
// object is made until this guard ends. When no platform can be started (the
// display named in DISPLAY or WAYLAND_DISPLAY does not answer), Qt would
// abort with a plugin error that suggests reinstalling; instead the program
// says in one sentence which display it could not open and exits with status
// 1, as it does with no display at all. Qt's messages of a start that works
// are held meanwhile and passed on when the guard ends.
class PlatformStartGuard {
public:
    PlatformStartGuard();
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard&) = delete;
    PlatformStartGuard& operator=(const PlatformStartGuard&) = delete;
};
