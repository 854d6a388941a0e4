#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes docs/window-1x.png and docs/window-2x.png: the main window at scale
# factors 1 and 2 on a virtual X server, after a short combo has been typed in
# with the keyboard the way a person would (Hp, Def, Damage, Alt+A, ...); and
# docs/window-menu.png: the window menu (right-click on the window's
# background) over the window at scale 1 with two hits entered.
#
#     docs/take-screenshots.sh [build-dir]
#
# Needs: xvfb, xauth, xdotool, imagemagick (import, convert).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh bench
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
# A push button's mnemonic presses it at once; the short wait lets the
# window repaint before the next key.
add() {
    keys alt+a
    sleep 0.4
}

# Starts the program at scale factor $1 in a scratch folder (so nothing it
# writes lands in the tree) and sets pid and window.
start() {
    (cd "$work" && QT_SCALE_FACTOR="$1" exec "$OLDPWD/$build/kov-calculator") &
    pid=$!
    window="$(xdotool search --sync --name 'Kov Calculator Ver.0.92' | head -n1)"
    xdotool windowfocus --sync "$window"
    sleep 0.5
}

shoot() {
    local scale="$1" out="$2"
    start "$scale"

    # The focus starts in Hp.
    type_text 300
    keys Tab
    type_text 12
    # Def -> Type (CEIL) -> Damage
    keys Tab Tab
    type_text 120
    keys alt+b space # Airier
    add
    keys Tab # CEIL -> Damage
    type_text 85
    add
    keys Tab
    type_text 64
    keys alt+b Tab Tab space # Counter
    add
    keys Tab
    type_text 150
    add
    sleep 0.5

    import -window "$window" "$out"
    keys Escape
    wait "$pid" || true
}

shoot_menu() {
    start 1
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

    # The menu opens where the background is clicked: near the top left, so
    # that it lies over the window.
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove --window "$window" 6 4 click 3
    sleep 0.6
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage docs/window-menu.png
    keys Escape
    sleep 0.2
    keys Escape
    wait "$pid" || true
}

shoot 1 docs/window-1x.png
shoot 2 docs/window-2x.png
shoot_menu
echo "wrote docs/window-1x.png, docs/window-2x.png and docs/window-menu.png"
