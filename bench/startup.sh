#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Whole-process figures of kov-calculator beside bench/bare_dialog (one empty
# QDialog, same build flags) and, as the floor of any window that shows text,
# `bare_dialog --text` (the same dialog with one line in IPAGothic), measured
# in the same run, and beside bench/window_linked (the same window linked into
# one program, no module and no command line: what the module costs):
#   - start-up: process start to the main window's first frame, timed by
#     hyperfine; both programs end right after that frame
#     (KOV_EXIT_AFTER_FIRST_FRAME);
#   - peak memory: maximum resident set size from GNU time, median of several
#     runs, at the same point; under xvfb also after a session in which 15
#     hits are typed in with xdotool, the list is full and the Kov Rate list
#     has been dropped down once.
#
#     bench/startup.sh [offscreen|xvfb] [build-dir]
#
# offscreen (default) uses Qt's offscreen platform: no display server, nothing
# but the program's own work. xvfb runs both programs as X11 clients of one
# Xvfb server (started through xvfb-run), which adds the real windowing plugin
# and the round trips to the server.
# Needs: hyperfine, time (GNU), and for xvfb: xvfb, xauth, xdotool.
set -euo pipefail

platform="${1:-offscreen}"
build="${2:-build/release}"
runs="${KOV_BENCH_RUNS:-60}"
memory_runs="${KOV_BENCH_MEMORY_RUNS:-15}"

cd "$(dirname "$0")/.."
bash scripts/deps.sh bench
app="$build/kov-calculator"
bare="$build/bench/bare_dialog"
linked="$build/bench/window_linked"
for program in "$app" "$bare" "$linked" "$build/bench/startup_stages"; do
    if [ ! -x "$program" ]; then
        echo "missing $program: build first (cmake --build --preset release)" >&2
        exit 1
    fi
done

case "$platform" in
offscreen)
    export QT_QPA_PLATFORM=offscreen
    ;;
xvfb)
    if [ -z "${KOV_BENCH_IN_XVFB:-}" ]; then
        export KOV_BENCH_IN_XVFB=1
        exec xvfb-run -a -s "-screen 0 1600x1300x24" "$0" xvfb "$build"
    fi
    export QT_QPA_PLATFORM=xcb
    ;;
*)
    echo "usage: $0 [offscreen|xvfb] [build-dir]" >&2
    exit 2
    ;;
esac

export KOV_EXIT_AFTER_FIRST_FRAME=1
# Qt's one-line notice about a missing runtime directory is not ours to time.
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

echo "== machine"
echo "cores: $(nproc)"
echo "cpu: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
echo "qt: $(dpkg-query -W -f='${Version}' libqt6widgets6 2>/dev/null || echo unknown)"
echo "platform: $QT_QPA_PLATFORM"

echo
echo "== start-up to first frame ($runs runs each)"
hyperfine --shell=none --warmup 5 --runs "$runs" --style basic \
    --export-csv "$work/startup.csv" \
    --command-name kov-calculator "$app" \
    --command-name bare_dialog "$bare" \
    --command-name bare_dialog_text "$bare --text" \
    --command-name window_linked "$linked"

# CSV columns: command,mean,stddev,median,user,system,min,max (seconds).
median_of() { awk -F, -v name="$1" '$1 == name { print $4 }' "$work/startup.csv"; }
ms_of() { median_of "$1" | awk '{ printf "%.2f", $1 * 1000 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
app_ms=$(ms_of kov-calculator)
bare_ms=$(ms_of bare_dialog)
text_ms=$(ms_of bare_dialog_text)
echo "median: kov-calculator ${app_ms} ms, bare_dialog ${bare_ms} ms," \
    "bare_dialog --text ${text_ms} ms"
echo "ratio to bare_dialog: $(ratio "$app_ms" "$bare_ms")," \
    "to bare_dialog --text: $(ratio "$app_ms" "$text_ms")"
linked_ms=$(ms_of window_linked)
echo "window_linked ${linked_ms} ms (ratio to bare_dialog --text:" \
    "$(ratio "$linked_ms" "$text_ms")); kov-calculator to window_linked:" \
    "$(ratio "$app_ms" "$linked_ms")"

echo
echo "== peak memory at the first frame ($memory_runs runs each)"
peak_kib() {
    for _ in $(seq "$memory_runs"); do
        /usr/bin/time -f '%M' -o "$work/rss" "$@" >/dev/null 2>&1
        cat "$work/rss"
    done | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}
app_kib=$(peak_kib "$app")
bare_kib=$(peak_kib "$bare")
text_kib=$(peak_kib "$bare" --text)
echo "median max RSS: kov-calculator ${app_kib} KiB, bare_dialog ${bare_kib} KiB," \
    "bare_dialog --text ${text_kib} KiB"
echo "ratio to bare_dialog: $(ratio "$app_kib" "$bare_kib")," \
    "to bare_dialog --text: $(ratio "$app_kib" "$text_kib")"

echo
echo "== where kov-calculator's start-up goes (bench/startup_stages, $memory_runs runs," \
    "median per stage: ms, peak RSS growth in KiB)"
stages="$build/bench/startup_stages"
for _ in $(seq "$memory_runs"); do "$stages" 2>/dev/null; done >"$work/stages"
for stage in $(awk '!seen[$1]++ { print $1 }' "$work/stages"); do
    ms=$(awk -v s="$stage" '$1 == s { print $2 }' "$work/stages" | sort -n |
        awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
    kib=$(awk -v s="$stage" '$1 == s { print $3 }' "$work/stages" | sort -n |
        awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
    printf '  %-28s %8s ms %8s KiB\n' "$stage" "$ms" "$kib"
done

[ "$platform" = xvfb ] || exit 0

echo
echo "== peak memory of kov-calculator after entering 15 hits (3 runs)"
keys() { xdotool key --clearmodifiers --delay 30 "$@"; }
session_kib() {
    (cd "$work" && unset KOV_EXIT_AFTER_FIRST_FRAME &&
        exec /usr/bin/time -f '%M' -o "$work/rss" "$OLDPWD/$app") &
    local pid=$!
    local window
    window="$(xdotool search --sync --name 'Kov Calculator Ver.0.92' | head -n1)"
    xdotool windowfocus --sync "$window"
    xdotool type --delay 30 999
    keys Tab
    xdotool type --delay 30 12
    keys Tab Tab
    for hit in $(seq 15); do
        xdotool type --delay 30 "$((40 + 7 * hit))"
        keys alt+a
        sleep 0.3 # the mnemonic's click comes after a short press animation
        keys Tab
    done
    keys alt+i Tab alt+Down # drop the Kov Rate list down, then close it
    sleep 0.3
    keys Escape
    sleep 0.2
    keys Escape # ends the program
    wait "$pid"
    cat "$work/rss"
}
used=$(for _ in 1 2 3; do session_kib; done | sort -n | sed -n 2p)
echo "median max RSS after use: kov-calculator ${used} KiB," \
    "ratio to bare_dialog at its first frame: $(ratio "$used" "$bare_kib")"
