#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Whole-process times of the command-line modes on a 15-unit combo, beside the
# window's start-up to its first frame (offscreen) and the floor of any
# process that loads the same libraries (--version, which parses its
# arguments and prints one line), all in one hyperfine run.
#
#     bench/commandline.sh [build-dir]
#
# Needs: hyperfine (scripts/deps.sh bench).
set -euo pipefail
build="${1:-build/release}"
runs="${KOV_BENCH_RUNS:-40}"
cd "$(dirname "$0")/.."
bash scripts/deps.sh bench
app="$build/kov-calculator"
[ -x "$app" ] || { echo "missing $app: build first (cmake --build --preset release)" >&2; exit 1; }
theory=bench/data/combo15-theory.kovcombo
real=bench/data/combo15-real.kovcombo

hyperfine -N --warmup 5 --runs "$runs" \
    -n "version" "$app --version" \
    -n "report, 15 rows" "$app --report $theory" \
    -n "best-order, Theory, 15 units" "$app --best-order $theory" \
    -n "best-order, Real, 15 units" "$app --best-order $real"
QT_QPA_PLATFORM=offscreen KOV_EXIT_AFTER_FIRST_FRAME=1 \
    hyperfine -N --warmup 3 --runs "$runs" -n "window to first frame (offscreen)" "$app"
