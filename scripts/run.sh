#!/usr/bin/env bash
# Builds everything and starts an edition (kalam by default) in its run folder.
set -euo pipefail
cd "$(dirname "$0")/.."
edition="${1:-kalam}"
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to show the window on: run this in a desktop session, or under a virtual one with: xvfb-run -a scripts/run.sh $edition" >&2
  exit 1
fi
run_dir="build/run/$edition"
mkdir -p "$run_dir"
cd "$run_dir"
exec "../../$edition"
