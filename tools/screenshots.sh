#!/usr/bin/env bash
# Saves a picture of every screen, on the bundled samples, into docs/screenshots (or the
# directory given). Runs offscreen, so it needs no display.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/screenshots}"
cmake --preset default >/dev/null
cmake --build build/default --target skelvor-screenshots
QT_QPA_PLATFORM=offscreen build/default/tools/screenshots/skelvor-screenshots "$out"
