#!/usr/bin/env bash
# Renders every start scene to a PNG, headless, for review.
# Usage: scripts/render-scenes.sh [output folder] (default: build/scenes)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/scenes}
binary=build/orvo-mail
[[ -x $binary ]] || bash scripts/build.sh
mkdir -p "$out"

scenes=(
  wide narrow narrow_detail narrow_drawer mid compose compose_narrow setup setup_narrow setup_add setup_oauth
  firstrun html_mail search preview bulk bulk_purge_confirmation reply context_menu loading empty offline error
)
export QT_QPA_PLATFORM=offscreen
for scene in "${scenes[@]}"; do
  "$binary" --scene "$scene" --screenshot "$out/$scene.png"
  echo "$out/$scene.png"
done
