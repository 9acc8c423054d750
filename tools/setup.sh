#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need; packages already
# present are skipped, so this is quick on a prepared machine.
set -euo pipefail

packages=(
  g++ cmake ninja-build
  qt6-base-dev qt6-positioning-dev qt6-sensors-dev libgl-dev
  qt6-tools-dev qt6-l10n-tools
  qt6-qpa-plugins libqt6positioning6-plugins fonts-dejavu-core
  libicu-dev libgtest-dev libgmock-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev
  tzdata
  libhamlib-utils
  appstream desktop-file-utils
  dbus-daemon python3-icalendar
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} > 0)); then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
