#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds everything and runs every test: the
# optimised build first, then the web edition in Chromium against the
# program just built, then the whole suite again under the address and
# undefined-behaviour sanitizers, then a short run of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
cmake --preset release >/dev/null
cmake --build --preset release
ctest --preset release
cmake --preset web >/dev/null
cmake --build --preset web
# The browser driver from the npm registry; Chromium is Debian's.
PUPPETEER_SKIP_DOWNLOAD=1 npm ci --prefix web --no-audit --no-fund --loglevel=error
ctest --preset web
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz
