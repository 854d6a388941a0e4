#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages one kind of work needs, in nested sets:
#
#     deps.sh run     building and running the program (scripts/run.sh)
#     deps.sh web     building and serving the web edition (scripts/web.sh):
#                     emscripten, Node.js and Chromium for its tests
#     deps.sh test    run and web, and everything the tests, the sanitizer
#                     and fuzz builds and the benchmarks' compilation need
#                     (scripts/test.sh; the default)
#     deps.sh bench   the above, and what the benchmark and screenshot
#                     scripts drive the program with
#
# As root it installs what is missing with apt-get; otherwise it names the
# missing packages and the command that installs them, and stops.
set -euo pipefail

set_name="${1:-test}"
run_packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-qpa-plugins qt6-wayland libfontconfig-dev
    fonts-ipafont-gothic
    nlohmann-json3-dev
)
test_packages=(
    googletest libgtest-dev libbenchmark-dev librapidcheck-dev
    clang libclang-rt-14-dev
    locales-all
    appstream desktop-file-utils dpkg-dev shared-mime-info
    weston xvfb openbox x11-utils
)
# Node.js may come from elsewhere with its own npm; Debian's npm is only
# asked for where there is none.
web_packages=(emscripten nodejs chromium)
if ! command -v npm >/dev/null 2>&1; then
    web_packages+=(npm)
fi
bench_packages=(hyperfine time xvfb xauth xdotool imagemagick)

case "$set_name" in
run) packages=("${run_packages[@]}") ;;
web) packages=("${run_packages[@]}" "${web_packages[@]}") ;;
test) packages=("${run_packages[@]}" "${web_packages[@]}" "${test_packages[@]}") ;;
bench) packages=("${run_packages[@]}" "${web_packages[@]}" "${test_packages[@]}" "${bench_packages[@]}") ;;
*)
    echo "usage: $0 [run|web|test|bench]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages: ${missing[*]}" >&2
    echo "Install them with: sudo apt-get install ${missing[*]}" >&2
    exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}"
