#!/usr/bin/env bash
# Regenerates tests/data/revised_model_states.csv: installs the npm package satellite.js into a
# temporary folder outside the repository (test data only; nothing of it is kept or shipped)
# and propagates the element sets listed in generate.mjs with it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
version=7.1.0
work=$(mktemp -d /tmp/skelvor-reference-states.XXXXXX)
trap 'rm -rf "$work"' EXIT
npm install --silent --no-save --prefix "$work" "satellite.js@$version" >/dev/null
node "$here/generate.mjs" "$work/node_modules" "$version" >"$here/../../tests/data/revised_model_states.csv"
