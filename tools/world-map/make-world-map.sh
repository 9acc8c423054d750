#!/usr/bin/env bash
# Remakes resources/images/nasa-topo_1024.jpg and nasa-topo_4096.jpg, the plate carrée world maps
# of 1024 x 512 and 4096 x 2048 pixels (the larger for large and high-resolution windows), from
# Natural Earth's land and country outlines (npm package world-atlas): installs the npm packages
# pinned in package-lock.json into node_modules here, turns the outlines into plain JSON
# (outlines.mjs) and paints the maps with a small Qt program (render-world-map.cpp).
# Needs the Debian packages nodejs, npm, g++, cmake and qt6-base-dev, and the npm registry.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
images="$(cd "$here/../../resources/images" && pwd)"
build="$here/build"

cd "$here"
npm ci --no-audit --no-fund
rm -rf "$build"
node outlines.mjs "$build/outlines.json"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build"
for width in 1024 4096; do
  output="$images/nasa-topo_$width.jpg"
  QT_QPA_PLATFORM=offscreen "$build/render-world-map" "$build/outlines.json" "$output" "$width"
  ls -l "$output"
done
