#!/usr/bin/env bash
# Builds everything and prints the speed and memory figures.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh >/dev/null
for bench in build/bench/bench_*; do
  [[ -f $bench && -x $bench ]] || continue
  echo "== $(basename "$bench")"
  QT_QPA_PLATFORM=offscreen "$bench"
done
