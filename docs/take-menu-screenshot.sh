#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes docs/window-menu.png: the window menu (right-click on the window's
# background) over the main window with a short combo entered, on a virtual
# X server.
#
#     docs/take-menu-screenshot.sh [build-dir]
#
# Needs: xvfb, xauth, xdotool, imagemagick (import, convert).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/release}"

if [ -z "${KOV_SHOTS_IN_XVFB:-}" ]; then
    export KOV_SHOTS_IN_XVFB=1
    exec xvfb-run -a -s "-screen 0 1600x1300x24" "$0" "$build"
fi

export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

keys() { xdotool key --clearmodifiers --delay 40 "$@"; }
type_text() { xdotool type --delay 40 "$1"; }
add() {
    keys alt+a
    sleep 0.4
}

(cd "$work" && exec "$OLDPWD/$build/kov-calculator") &
pid=$!
window="$(xdotool search --sync --name 'Kov Calculator Ver.0.92' | head -n1)"
xdotool windowfocus --sync "$window"
sleep 0.5

# Two hits, so that Undo names a change and Best Order has something to do.
type_text 300
keys Tab
type_text 12
keys Tab Tab
type_text 120
add
keys Tab
type_text 85
add
sleep 0.3

# The menu opens where the background is clicked: near the top left, so that
# it lies over the window.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" 6 4 click 3
sleep 0.6
import -window root "$work/screen.png"
convert "$work/screen.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage docs/window-menu.png
keys Escape
sleep 0.2
keys Escape
wait "$pid" || true
echo "wrote docs/window-menu.png"
