#!/usr/bin/env bash
# Installs every Debian package the build, the programs and the tests need.
# Safe to run again: it does nothing (and says nothing) when all are present.
set -euo pipefail

packages=(
  build-essential cmake
  qt6-base-dev qt6-base-dev-tools
  libsqlite3-dev
  fonts-noto-core fonts-dejavu-core fonts-hosny-amiri
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# The recommends pull in a GTK platform theme that breaks headless runs.
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
