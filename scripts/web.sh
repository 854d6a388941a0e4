#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the web edition and serves it on 127.0.0.1 only: ./scripts/web.sh [PORT]
set -euo pipefail; cd "$(dirname "$0")/.."; bash scripts/deps.sh web; cmake --preset web >/dev/null && cmake --build --preset web && exec node web/tools/static-server.mjs build/web/site "${1:-8018}"
