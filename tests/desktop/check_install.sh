#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix and looks at it the way a desktop
# does: the entry's Exec names an installed program that starts, its Icon has
# a file at every theme size, and the AppStream component points at the entry
# and names the version. The installed program carries no symbols or debug
# information, and neither does the window module it loads.
#
#     check_install.sh <build-dir> <application-id> <version>
set -euo pipefail
build="$1"
id="$2"
version="$3"

prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

entry="$prefix/share/applications/$id.desktop"
component="$prefix/share/metainfo/$id.metainfo.xml"
[ -f "$entry" ] || fail "no desktop entry $id.desktop"
[ -f "$component" ] || fail "no AppStream file $id.metainfo.xml"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects the installed entry"
appstreamcli validate --no-net "$component" >/dev/null ||
    fail "appstreamcli rejects the installed metainfo"

program="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")"
[ -x "$prefix/bin/$program" ] || fail "Exec=$program is not installed in bin/"

icon="$(sed -n 's/^Icon=//p' "$entry")"
[ "$icon" = "$id" ] || fail "Icon=$icon is not the application ID"
for size in 32 64 128 256; do
    [ -f "$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png" ] ||
        fail "no ${size}x${size} theme icon"
done

# Combo files open with the program: the entry takes a file and declares the
# type, and the installed type maps the suffix to it.
grep -q '^Exec=kov-calculator %f$' "$entry" || fail "Exec does not pass the file on"
grep -q '^MimeType=application/x-kovcombo;$' "$entry" || fail "the entry does not declare the combo type"
[ -f "$prefix/share/mime/packages/$id.xml" ] || fail "no MIME type package $id.xml"
update-mime-database "$prefix/share/mime"
grep -q '^50:application/x-kovcombo:\*\.kovcombo$' "$prefix/share/mime/globs2" ||
    fail "*.kovcombo is not mapped to application/x-kovcombo"

grep -q "<id>$id</id>" "$component" || fail "the component ID is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$component" ||
    fail "the component does not launch $id.desktop"
grep -q "<release version=\"$version\"" "$component" || fail "the release is not $version"
grep -q '<project_license>MIT</project_license>' "$component" || fail "the licence is not MIT"
[ -f "$prefix/share/doc/kov-calculator/copyright" ] || fail "no licence in share/doc"

# The window module sits in the program's own folder under the library folder.
module="$(find "$prefix/lib" -path '*/kov-calculator/kovwindow.so' -type f)"
[ -n "$module" ] || fail "no kov-calculator/kovwindow.so under lib/"
[ "$(wc -l <<<"$module")" -eq 1 ] || fail "more than one window module installed: $module"

# Stripped: the section tables of the installed program and module have
# neither a symbol table nor debug sections, while the build's copies have a
# symbol table (so the look for one is known to work).
# (grep -q reads from a string: in a pipe it could end readelf early, and
# pipefail would count that against the look.)
for file in "$program" kovwindow.so; do
    built_sections="$(readelf -S -W "$build/$file")"
    grep -q '\.symtab' <<<"$built_sections" || fail "no symbol table in the build's $file"
done
for file in "$prefix/bin/$program" "$module"; do
    installed_sections="$(readelf -S -W "$file")"
    if grep -qE '\.symtab|\.debug_' <<<"$installed_sections"; then
        fail "the installed ${file#"$prefix"/} is not stripped"
    fi
done

# Started as the desktop starts it: by the name in Exec, found on PATH. It
# must get as far as its first frame and end there.
mkdir -p "$prefix/runtime" && chmod 700 "$prefix/runtime"
PATH="$prefix/bin:$PATH" XDG_RUNTIME_DIR="$prefix/runtime" QT_QPA_PLATFORM=offscreen \
    KOV_EXIT_AFTER_FIRST_FRAME=1 timeout 60 "$program" ||
    fail "the installed $program did not start and paint its window"
echo "installed tree of $id: entry, icons, metainfo, program and window module all in place"
