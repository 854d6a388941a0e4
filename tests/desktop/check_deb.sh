#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package into a scratch folder and reads it back: the
# version, what it depends on and recommends beyond the libraries, the
# licence, and a stripped program and window module.
#
#     check_deb.sh <build-dir> <version>
set -euo pipefail
build="$1"
version="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

(cd "$build" && cpack -G DEB -B "$work" >/dev/null) || fail "cpack could not build the package"
deb="$work/kov-calculator_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack wrote: $(ls "$work")"

[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package version is not $version"
depends="$(dpkg-deb -f "$deb" Depends)"
for package in qt6-qpa-plugins fonts-ipafont-gothic libqt6widgets6; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = "qt6-wayland" ] ||
    fail "Recommends is \"$(dpkg-deb -f "$deb" Recommends)\", not qt6-wayland"

dpkg-deb -x "$deb" "$work/root"
[ -f "$work/root/usr/share/doc/kov-calculator/copyright" ] || fail "no licence in the package"
program="$work/root/usr/bin/kov-calculator"
[ -x "$program" ] || fail "no /usr/bin/kov-calculator in the package"
module="$(find "$work/root/usr/lib" -path '*/kov-calculator/kovwindow.so' -type f)"
[ -n "$module" ] || fail "no /usr/lib/.../kov-calculator/kovwindow.so in the package"
for file in "$program" "$module"; do
    sections="$(readelf -S -W "$file")"
    if grep -qE '\.symtab|\.debug_' <<<"$sections"; then
        fail "the packaged ${file#"$work/root"} is not stripped"
    fi
done
echo "kov-calculator_${version}_amd64.deb: version, dependencies, licence, a stripped program" \
    "and window module"
