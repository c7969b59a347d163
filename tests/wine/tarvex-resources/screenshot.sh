#!/usr/bin/env bash
# Takes screenshots of Tarvex's about box, the wizard with each of its pages, and a sheet of
# the icons, toolbars and progress-clip frames as Windows draws them. Saved as
# tarvex-<view>.png under screenshots/ in the build dir.
set -euo pipefail
host=$1
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
run=$TARVEX_SOURCE_DIR/cmake/wine-run.sh
out=$TARVEX_BINARY_DIR/screenshots
views=(about wizard-task wizard-game wizard-content images)
mkdir -p "$out"
for view in "${views[@]}"; do rm -f "$out/$view.ready" "$out/$view.done" "$out/tarvex-$view.png"; done
# In a virtual desktop Wine draws the captions itself; it lies at the top left of the screen.
"$run" explorer /desktop=TarvexShots,800x600 "$host" "Z:$out" &
pid=$!
for view in "${views[@]}"; do
    for _ in $(seq 200); do [ -s "$out/$view.ready" ] && break; sleep 0.1; done
    if [ ! -s "$out/$view.ready" ]; then
        echo "the host did not show the $view"
        for v in "${views[@]}"; do touch "$out/$v.done"; done
        wait $pid || true
        exit 1
    fi
    read -r left top width height < "$out/$view.ready"
    import -window root -crop "${width}x${height}+${left}+${top}" +repage "$out/tarvex-$view.png"
    touch "$out/$view.done"
done
wait $pid
for view in "${views[@]}"; do
    # A blank picture means nothing was drawn.
    colours=$(convert "$out/tarvex-$view.png" -format %k info:)
    [ "$colours" -gt 4 ] || { echo "screenshot $view has only $colours colours"; exit 1; }
    echo "wrote $out/tarvex-$view.png ($colours colours)"
done
