#!/usr/bin/env bash
# Takes screenshots of Tarvex's about box, the wizard with each of its pages, and a sheet of
# the icons, toolbars and progress-clip frames as Windows draws them. Saved as
# tarvex-<view>.png under screenshots/ in the build dir.
set -euo pipefail
host=$1
run=$TARVEX_SOURCE_DIR/cmake/wine-run.sh
source "$TARVEX_SOURCE_DIR/tests/wine/screenshot-views.sh"
use_own_display 1024x768x24
out=$TARVEX_BINARY_DIR/screenshots
views=(about wizard-task wizard-game wizard-content images)
clear_screenshot_views "$out" tarvex "${views[@]}"
# In a virtual desktop Wine draws the captions itself; it lies at the top left of the screen.
"$run" explorer /desktop=TarvexShots,800x600 "$host" "Z:$out" &
take_screenshot_views "$out" tarvex 4 $! "${views[@]}"
