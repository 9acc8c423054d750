#!/usr/bin/env bash
# Remakes the application's icons in resources/images from their SVG sources: DownArrow.png and
# segment_search.png (24 x 24) and the main window's tab-bar icons tab-*.png (32 x 32) from the
# drawings beside this script, skelvor.png (256 x 256) from resources/images/skelvor.svg.
# Needs the Debian packages g++, cmake, qt6-base-dev and qt6-svg-dev.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
images="$(cd "$here/../../resources/images" && pwd)"
build="$here/build"

rm -rf "$build"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build"

render() { QT_QPA_PLATFORM=offscreen "$build/render-icon" "$@"; }
render "$here/DownArrow.svg" "$images/DownArrow.png" 24
render "$here/segment_search.svg" "$images/segment_search.png" 24
for tab in tracking satellites preferences help; do
    render "$here/tab-$tab.svg" "$images/tab-$tab.png" 32
done
render "$images/skelvor.svg" "$images/skelvor.png" 256
ls -l "$images/DownArrow.png" "$images/segment_search.png" "$images"/tab-*.png "$images/skelvor.png"
