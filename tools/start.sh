#!/usr/bin/env bash
# Sets up, builds and starts Skelvor. Until the window exists this answers, for the bundled
# sample element sets and the current time, where each satellite stands for a default observer
# (Greenwich); pass --lat, --lon and --alt to look from elsewhere.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target skelvor-cli

lat=51.4779 lon=-0.0015 alt=46
while (($#)); do
  case "$1" in
    --lat) lat=$2; shift 2 ;;
    --lon) lon=$2; shift 2 ;;
    --alt) alt=$2; shift 2 ;;
    *) echo "usage: tools/start.sh [--lat DEG] [--lon DEG] [--alt METRES]" >&2; exit 2 ;;
  esac
done

samples=:/sample-server/NORAD/elements
for file in sample-leo sample-nav sample-heo sample-geo; do
  build/default/src/cli/skelvor-cli look --tle "$samples/$file.txt" \
    --lat "$lat" --lon "$lon" --alt "$alt" --at now
done
