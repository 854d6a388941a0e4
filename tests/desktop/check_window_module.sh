#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window is a module the program loads only to show it: the command-line
# modes load no GUI library, and they work even without the module, while the
# window without it ends in one sentence and status 1. The module exports its
# entry point and nothing else. The module binds its symbols at load, so
# one the installed Qt lacks refuses it at once, although the program loads
# it lazily.
#
#     check_window_module.sh <program> <module> [c++ compiler]
set -euo pipefail
program="$1"
module="$2"
compiler="${3:-c++}"
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
own='CComboCalc|ComboState|theApp|DialogFont'
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
# An empty environment but for the leak checker's suppressions, when the
# suite runs under the sanitizers.
sanitizer=()
[ -z "${LSAN_OPTIONS:-}" ] || sanitizer+=("LSAN_OPTIONS=$LSAN_OPTIONS")
status=0
env -i "${sanitizer[@]}" QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" KOV_EXIT_AFTER_FIRST_FRAME=1 \
    timeout 60 "$alone" >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 1 ] || fail "the window without its module: status $status, not 1"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "the window without its module said: $(cat "$work/err")"
grep -qE "^kov-calculator: cannot load its window module \(.*kovwindow\.so.*No such file or directory\)\.$" \
    "$work/err" || fail "the window without its module said: $(cat "$work/err")"
[ ! -s "$work/out" ] || fail "it wrote to standard output: $(cat "$work/out")"

# The program loads the module with lazy binding, which leaves the module's
# own binding to the module: it must be bound at load.
readelf -d "$module" | grep -qE 'FLAGS.*(BIND_NOW|NOW)' ||
    fail "the module is not bound at load: a missing symbol would end the window at its first call"
# A module beside the program whose entry point calls a function nothing
# defines, linked the same way: refused at load, in one sentence, before any
# window.
cat >"$work/missing.cpp" <<'SOURCE'
extern "C" int KovMissingFunction();
extern "C" __attribute__((visibility("default"))) int KovRunWindow(int, char**, const char*, void (*)()) {
    return KovMissingFunction();
}
SOURCE
"$compiler" -shared -fPIC -Wl,-z,now -o "$work/kovwindow.so" "$work/missing.cpp"
status=0
env -i "${sanitizer[@]}" QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" KOV_EXIT_AFTER_FIRST_FRAME=1 \
    timeout 60 "$alone" >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 1 ] || fail "a module with a missing symbol: status $status, not 1"
grep -qE "^kov-calculator: cannot load its window module \(.*undefined symbol: KovMissingFunction.*\)\.$" \
    "$work/err" || fail "a module with a missing symbol: $(cat "$work/err")"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "a module with a missing symbol said: $(cat "$work/err")"
echo "the command line loads no GUI library; the window module exports only its entry point"
