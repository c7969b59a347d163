#!/usr/bin/env bash
# Takes screenshots of Tarvex's window with the sample archive: Details, Large Icons, the
# popup menu and the about box, as tarvex-window-<view>.png under screenshots/ in the build dir.
#   screenshot.sh <tarvex_screenshot_host> <Tarvex.exe>
set -euo pipefail
host=$1 tarvex_exe=$2
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
run=$TARVEX_SOURCE_DIR/cmake/wine-run.sh
out=$TARVEX_BINARY_DIR/screenshots
views=(details large-icons popup about)
mkdir -p "$out"
work=$(mktemp -d "${TMPDIR:-/tmp}/tarvex-shots.XXXXXX")
trap 'rm -rf "$work"' EXIT
for view in "${views[@]}"; do rm -f "$out/$view.ready" "$out/$view.done" "$out/tarvex-window-$view.png"; done

# The sample archive, made by the program's own batch mode.
"$TARVEX_SOURCE_DIR/scripts/make-sample.sh" "$work/SAMPLE"
"$run" "$tarvex_exe" /C "Z:${work//\//\\}\\sample.rez" "Z:${work//\//\\}\\SAMPLE"

# In a virtual desktop Wine draws the captions itself; it lies at the top left of the screen.
"$run" explorer /desktop=TarvexWindow,800x560 "$host" "Z:${work//\//\\}\\sample.rez" "Z:$out" &
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
    import -window root -crop "${width}x${height}+${left}+${top}" +repage "$out/tarvex-window-$view.png"
    touch "$out/$view.done"
done
wait $pid
for view in "${views[@]}"; do
    # A blank picture means nothing was drawn.
    colours=$(convert "$out/tarvex-window-$view.png" -format %k info:)
    [ "$colours" -gt 8 ] || { echo "screenshot $view has only $colours colours"; exit 1; }
    echo "wrote $out/tarvex-window-$view.png ($colours colours)"
done
