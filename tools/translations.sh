#!/usr/bin/env bash
# Gathers the texts the program shows into the translation files: translations/skelvor_de.ts
# with every text, translations/skelvor_en.ts with the plural forms only (their English source
# texts are neutral, "%n day(s)"). Translate the new or changed entries with Qt Linguist (or in
# the XML), then build: the .qm files are made and compiled in by the build.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
"$lupdate" -locations none -no-obsolete src -ts translations/skelvor_de.ts
"$lupdate" -locations none -no-obsolete -pluralonly src -ts translations/skelvor_en.ts
