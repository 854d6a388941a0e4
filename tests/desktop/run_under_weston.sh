#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a program as a client of a headless weston of its own: a private
# runtime folder, its own socket, no configuration, no input devices. weston
# is stopped and the folder removed however the program ends; both have
# time limits, so a stuck compositor or client fails instead of hanging.
#
#     run_under_weston.sh <program> [arguments...]
set -euo pipefail

command -v weston >/dev/null || {
    echo "FAIL: weston is not installed (scripts/deps.sh test installs it)" >&2
    exit 1
}

runtime="$(mktemp -d)"
chmod 700 "$runtime"
socket=kov-wayland-0
weston_pid=
cleanup() {
    if [ -n "$weston_pid" ]; then
        kill "$weston_pid" 2>/dev/null || true
        wait "$weston_pid" 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap cleanup EXIT

# `timeout` passes the TERM of cleanup on to weston.
XDG_RUNTIME_DIR="$runtime" timeout 180 weston --backend=headless-backend.so \
    --socket="$socket" --idle-time=0 --no-config --log="$runtime/weston.log" &
weston_pid=$!

for _ in $(seq 200); do
    [ -S "$runtime/$socket" ] && break
    if ! kill -0 "$weston_pid" 2>/dev/null; then
        echo "FAIL: weston ended before it opened its socket:" >&2
        cat "$runtime/weston.log" >&2 || true
        exit 1
    fi
    sleep 0.05
done
[ -S "$runtime/$socket" ] || {
    echo "FAIL: weston opened no socket within 10 s" >&2
    exit 1
}

# weston offers text input, but the headless backend has no seat; Qt 6.4's
# Wayland input context then dereferences the missing seat while drawing a
# text cursor and crashes. With no input method the keys take Qt's plain path.
#
# Our window draws in software into shared-memory buffers whatever Qt's
# client buffer integration is; in Qt 6.4 that integration (EGL, and through
# it whatever Mesa driver the machine has) is loaded only to ask whether Qt
# may draw its own title bar. Without client-side decorations Qt never asks,
# so the client loads no EGL and no GPU driver, and what the test sees (and
# LeakSanitizer reports) no longer depends on the machine's graphics stack.
status=0
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
    QT_IM_MODULE=none QT_WAYLAND_DISABLE_WINDOWDECORATION=1 timeout 120 "$@" || status=$?
if [ "$status" -ne 0 ]; then
    echo "the client ended with status $status; weston's log:" >&2
    tail -n 20 "$runtime/weston.log" >&2 || true
fi
exit "$status"
