#!/usr/bin/env bash
# Remakes resources/images/nasa-topo_1024.jpg, the 1024 x 512 plate carrée world map, from Natural
# Earth's land and country outlines (npm package world-atlas): installs the npm packages pinned in
# package-lock.json into node_modules here, turns the outlines into plain JSON (outlines.mjs) and
# paints the map with a small Qt program (render-world-map.cpp).
# Needs the Debian packages nodejs, npm, g++, cmake and qt6-base-dev, and the npm registry.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
output="$(cd "$here/../../resources/images" && pwd)/nasa-topo_1024.jpg"
build="$here/build"

cd "$here"
npm ci --no-audit --no-fund
rm -rf "$build"
node outlines.mjs "$build/outlines.json"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build"
QT_QPA_PLATFORM=offscreen "$build/render-world-map" "$build/outlines.json" "$output"
ls -l "$output"
