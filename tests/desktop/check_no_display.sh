#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program started with no desktop session at all (an empty environment)
# must say in one sentence that it needs one and exit with status 1, rather
# than abort in Qt's platform plugin; a platform named in QT_QPA_PLATFORM is
# still used as given.
#
#     check_no_display.sh <program>
set -euo pipefail
program="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

expected="kov-calculator needs a desktop session (X11 or Wayland) to show its window, but neither DISPLAY nor WAYLAND_DISPLAY is set."

# Unset and set-but-empty both mean "no session".
for environment in "" "QT_QPA_PLATFORM= DISPLAY= WAYLAND_DISPLAY="; do
    status=0
    # shellcheck disable=SC2086 # the variables are meant to split
    (cd "$work" && env -i $environment timeout 30 "$program" >"$work/out" 2>"$work/err") || status=$?
    [ "$status" -eq 1 ] || fail "exit status $status with env -i $environment, not 1: $(cat "$work/err")"
    [ "$(cat "$work/err")" = "$expected" ] || fail "with env -i $environment it said: $(cat "$work/err")"
    [ ! -s "$work/out" ] || fail "it wrote to standard output: $(cat "$work/out")"
done

# An explicit platform needs no session: the offscreen one paints the window.
mkdir -m 700 "$work/runtime"
(cd "$work" && env -i QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" \
    KOV_EXIT_AFTER_FIRST_FRAME=1 timeout 60 "$program") ||
    fail "with QT_QPA_PLATFORM=offscreen and no session it did not start"
echo "without a session it explains and exits 1; an explicit platform still starts"
