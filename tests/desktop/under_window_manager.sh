#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command on a private virtual X display (1280x1024) managed by a real
# window manager, which frames the windows and tells their frame only once
# they are mapped, as desktops do:
#
#     under_window_manager.sh <command> [arguments...]
set -euo pipefail

for tool in Xvfb openbox xprop; do
    command -v "$tool" >/dev/null || {
        echo "FAIL: $tool is missing (scripts/deps.sh installs it)" >&2
        exit 1
    }
done

work="$(mktemp -d)"
xvfb_pid=""
wm_pid=""
cleanup() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The server picks a free display number and writes it to the pipe once it
# accepts clients.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
if ! read -r -t 20 number <"$work/display"; then
    echo "FAIL: Xvfb did not start" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$number"

# An empty configuration keeps the user's own out of the test.
HOME="$work" XDG_CONFIG_HOME="$work" openbox --sm-disable 2>"$work/openbox.log" &
wm_pid=$!
# The manager is ready once it has named itself on the root window.
for _ in $(seq 100); do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
        break
    fi
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || {
    echo "FAIL: the window manager did not start" >&2
    cat "$work/openbox.log" >&2
    exit 1
}

QT_QPA_PLATFORM=xcb "$@"
