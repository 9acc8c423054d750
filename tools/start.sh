#!/usr/bin/env bash
# Sets up, builds and starts Skelvor. Options go to the application, for example
#   tools/start.sh --element-server sample    the bundled sample element sets, no network
#   tools/start.sh --simulator                the observer at a fixed default place
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target skelvor skelvor-cli
exec build/default/src/main/skelvor "$@"
