#!/usr/bin/env bash
# Takes screenshots of Tarvex's window with the sample archive: Details, Large Icons, the
# popup menu, the about box and Find's results, as tarvex-window-<view>.png under screenshots/ in the build dir.
#   screenshot.sh <tarvex_screenshot_host> <Tarvex.exe>
set -euo pipefail
host=$1 tarvex_exe=$2
run=$TARVEX_SOURCE_DIR/cmake/wine-run.sh
source "$TARVEX_SOURCE_DIR/tests/wine/screenshot-views.sh"
use_own_display 1024x768x24
out=$TARVEX_BINARY_DIR/screenshots
views=(details large-icons popup about find)
clear_screenshot_views "$out" tarvex-window "${views[@]}"
work=$(mktemp -d "${TMPDIR:-/tmp}/tarvex-shots.XXXXXX")
trap 'rm -rf "$work"; stop_own_display' EXIT

# The sample archive, made by the program's own batch mode.
"$TARVEX_SOURCE_DIR/scripts/make-sample.sh" "$work/SAMPLE"
"$run" "$tarvex_exe" /C "Z:${work//\//\\}\\sample.rez" "Z:${work//\//\\}\\SAMPLE"

# In a virtual desktop Wine draws the captions itself; it lies at the top left of the screen.
"$run" explorer /desktop=TarvexWindow,800x560 "$host" "Z:${work//\//\\}\\sample.rez" "Z:$out" &
take_screenshot_views "$out" tarvex-window 8 $! "${views[@]}"
