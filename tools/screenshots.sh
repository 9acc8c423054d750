#!/usr/bin/env bash
# Saves pictures of every screen on the bundled samples, offscreen (no display needed), in each
# of the windows a user may give the application: its first size (400 x 720), 1280 x 900, a
# maximised window on a 1920 x 1200 screen, the first window at scale factor 2 on that screen,
# and a dark palette at the first size and at 1280 x 900; then the gallery of special cases of
# the plot and the map. Every set goes to its own directory under OUT (build/screenshots unless
# given); the pictures the README shows are then copied into docs/screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-build/screenshots}"
cmake --preset default >/dev/null
cmake --build build/default --target skelvor-screenshots
tool="$PWD/build/default/tools/screenshots/skelvor-screenshots"

# An offscreen screen of 1920 x 1200 points for the tool's windows to open on.
screen="$out/screen.json"
mkdir -p "$out"
cat > "$screen" <<JSON
{ "screens": [ { "name": "screen", "x": 0, "y": 0, "width": 1920, "height": 1200,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] }
JSON
platform="offscreen:configfile=$screen"

shoot() {
  local name="$1"; shift
  echo "== $name"
  QT_QPA_PLATFORM="$platform" "$@" "$out/$name" >/dev/null
}

shoot light-400x720 "$tool" --size 400x720
shoot light-1280x900 "$tool" --size 1280x900
shoot light-maximised "$tool" --maximised
shoot light-scale2 env QT_SCALE_FACTOR=2 "$tool"
shoot dark-400x720 "$tool" --size 400x720 --dark
shoot dark-1280x900 "$tool" --size 1280x900 --dark
shoot gallery "$tool" --size 400x720 --gallery
# The program speaks the desktop's language.
german=(env LANGUAGE=de LC_ALL=de_DE.UTF-8)
shoot german-400x720 "${german[@]}" "$tool" --size 400x720
shoot german-1280x900 "${german[@]}" "$tool" --size 1280x900
shoot sunlight-400x720 "$tool" --size 400x720 --sunlight

# The README's selection: every screen at the first size, and some at other sizes and palettes.
docs=docs/screenshots
for screen in list pass footprint timeline details details-editing frequency-editor categories \
              satellites search preferences help help-topic; do
  cp "$out/light-400x720/$screen.png" "$docs/$screen.png"
done
cp "$out/light-1280x900/pass.png" "$docs/pass-wide.png"
cp "$out/light-1280x900/footprint.png" "$docs/footprint-wide.png"
cp "$out/light-1280x900/timeline.png" "$docs/timeline-wide.png"
cp "$out/light-maximised/details.png" "$docs/details-maximised.png"
cp "$out/light-scale2/list.png" "$docs/list-scale2.png"
cp "$out/dark-1280x900/timeline.png" "$docs/timeline-dark.png"
cp "$out/dark-400x720/pass.png" "$docs/pass-dark.png"
cp "$out/dark-400x720/preferences.png" "$docs/preferences-dark.png"
cp "$out/german-400x720/pass.png" "$docs/pass-german.png"
echo "pictures in $out; the README's selection in $docs"
