#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kov Calculator.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
exec ./build/release/kov-calculator "$@"
