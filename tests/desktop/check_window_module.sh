#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window is a module the program loads only to show it: the command-line
# modes load no GUI library, and they work even without the module, while the
# window without it ends in one sentence and status 1. The module exports its
# entry point and nothing else.
#
#     check_window_module.sh <program> <module>
set -euo pipefail
program="$1"
module="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Everything the dynamic loader would map for the program, dependencies of
# dependencies included.
loaded="$(LD_TRACE_LOADED_OBJECTS=1 "$program")"
grep -q 'libQt6Core\.so' <<<"$loaded" || fail "the loader's list lacks Qt Core: $loaded"
for library in libQt6Gui libQt6Widgets libX11 libxcb libGL libEGL libfontconfig libfreetype; do
    if grep -q "$library" <<<"$loaded"; then
        fail "the program loads $library before it knows it shows a window"
    fi
done

# The module's dynamic symbol table: the entry point, and none of the
# window's own classes.
exported="$(nm -D --defined-only "$module")"
grep -qE ' T KovRunWindow$' <<<"$exported" || fail "the module does not export KovRunWindow"
own='CComboCalc|ComboState|theApp|StartFontSystemWarmUp'
if grep -qE "$own" <<<"$exported"; then
    fail "the module exports the window's own symbols: $(grep -E "$own" <<<"$exported" | head -3)"
fi

# The program alone, without its module beside it or installed.
cp "$program" "$work/kov-calculator"
alone="$work/kov-calculator"
status=0
"$alone" --version >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 0 ] || fail "--version without the module: status $status: $(cat "$work/err")"
grep -qE '^kov-calculator [0-9]' "$work/out" || fail "--version without the module said: $(cat "$work/out")"

mkdir -m 700 "$work/runtime"
status=0
env -i QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" KOV_EXIT_AFTER_FIRST_FRAME=1 \
    timeout 60 "$alone" >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 1 ] || fail "the window without its module: status $status, not 1"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "the window without its module said: $(cat "$work/err")"
grep -qE "^kov-calculator: cannot load its window module \(.*kovwindow\.so.*No such file or directory\)\.$" \
    "$work/err" || fail "the window without its module said: $(cat "$work/err")"
[ ! -s "$work/out" ] || fail "it wrote to standard output: $(cat "$work/out")"
echo "the command line loads no GUI library; the window module exports only its entry point"
