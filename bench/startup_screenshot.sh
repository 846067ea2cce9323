#!/usr/bin/env bash
# Whole-process time from start to the written screenshot of a start scene, as the
# median of several runs. Usage: bench/startup_screenshot.sh [runs] [scene]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
scene=${2:-wide}
binary=build/orvo-mail
[[ -x $binary ]] || { echo "build first: bash scripts/build.sh" >&2; exit 1; }

export QT_QPA_PLATFORM=offscreen
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

"$binary" --scene "$scene" --screenshot "$out/warm.png"  # fill the font and file caches first
times=()
for ((i = 0; i < runs; i++)); do
  start=$(date +%s%N)
  "$binary" --scene "$scene" --screenshot "$out/shot.png"
  end=$(date +%s%N)
  times+=($(((end - start) / 1000)))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
median=${sorted[$((runs / 2))]}
printf 'scene %s: median %d.%03d ms over %d runs (min %d.%03d, max %d.%03d)\n' "$scene" \
  $((median / 1000)) $((median % 1000)) "$runs" \
  $((sorted[0] / 1000)) $((sorted[0] % 1000)) $((sorted[runs - 1] / 1000)) $((sorted[runs - 1] % 1000))
