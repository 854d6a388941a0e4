#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need
# (`deps.sh`), or those that the benchmark and screenshot scripts need on top
# (`deps.sh bench`). As root it installs what is missing with apt-get;
# otherwise it names them.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-qpa-plugins libfontconfig-dev
    fonts-ipafont-gothic
    googletest libgtest-dev libbenchmark-dev
    locales-all
    librapidcheck-dev clang libclang-rt-14-dev
    nlohmann-json3-dev
    appstream desktop-file-utils
    xvfb openbox x11-utils
    dpkg-dev
)
if [ "${1:-}" = bench ]; then
    packages+=(hyperfine time xvfb xauth xdotool imagemagick)
fi

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
