#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kov Calculator.
#
# The window needs a desktop session (X11 or Wayland). Without one, Qt would
# stop with a platform plugin error; Qt's own VNC platform would serve the
# window, but Qt 6.4 binds its VNC server to every network interface with no
# option to keep it on the loopback address, which would put an unauthenticated
# desktop on the network. So without a display the script says so and stops.
# A platform chosen explicitly through QT_QPA_PLATFORM is respected.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Kov Calculator was built but not started: no display was found" \
        "(DISPLAY and WAYLAND_DISPLAY are unset), so run ./scripts/run.sh from a" \
        "desktop session or over 'ssh -X'." >&2
    exit 1
fi
exec ./build/release/kov-calculator "$@"
