#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what building and running the program needs, builds the program
# alone (the `run` preset: no tests, no benchmarks) and starts it.
#
# The window needs a desktop session (X11 or Wayland). Without one the program
# itself says so and exits with status 1; a platform chosen explicitly through
# QT_QPA_PLATFORM is used as given. It does not fall back to Qt's VNC
# platform: Qt 6.4 binds its VNC server to every network interface with no
# option to keep it on the loopback address, which would put an
# unauthenticated desktop on the network.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh run
cmake --preset run >/dev/null
cmake --build --preset run
exec ./build/run/kov-calculator "$@"
