#!/usr/bin/env bash
# Writes tests/data/pinned_states.csv: the state vectors skelvor-cli gives today for every
# bundled sample element set (low, sun-synchronous, decaying, navigation, geostationary,
# Molniya, Tundra, transfer, seven-hour, six-digit), at fixed minutes from each epoch. They
# are not an independent reference: they pin today's answers, so that a change that moves
# any of them is seen. Run it again only when a change of results is meant.
set -euo pipefail
cd "$(dirname "$0")/../.."
cli=${1:-build/default/src/cli/skelvor-cli}
out=tests/data/pinned_states.csv
minutes=-1440,0,1,90,720,1440,4320,14400
{
  echo "# State vectors pinned from skelvor-cli at commit $(git rev-parse --short HEAD) on $(date -u +%Y-%m-%d),"
  echo "# made by tools/reference-states/pinned.sh from the bundled sample element sets"
  echo "# (resources/sample-server/NORAD/elements) at the minutes from each epoch below."
  echo "# A regression check of today's answers, not an independent reference."
  first=1
  for file in resources/sample-server/NORAD/elements/*.txt; do
    if [ $first = 1 ]; then
      "$cli" propagate --tle "$file" --minutes "$minutes" --format csv
      first=0
    else
      "$cli" propagate --tle "$file" --minutes "$minutes" --format csv | tail -n +2
    fi
  done
} > "$out"
echo "wrote $out"
