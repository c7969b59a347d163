#!/usr/bin/env bash
# Takes screenshots of Quillet's window with a loaded table: the list with a text open for
# editing, and the Edit menu. Saved as quillet-list.png and quillet-menu.png under
# screenshots/ in the build dir.
set -euo pipefail
host=$1 dll=$2
run=$TARVEX_SOURCE_DIR/cmake/wine-run.sh
source "$TARVEX_SOURCE_DIR/tests/wine/screenshot-views.sh"
use_own_display 1024x768x24
out=$TARVEX_BINARY_DIR/screenshots
mkdir -p "$out"
rm -f "$out"/*.ready "$out"/*.done "$out"/quillet-*.png
"$run" "$host" "$dll" "Z:$out" &
pid=$!
for view in list menu; do
    if ! wait_for_view -e "$out/$view.ready" $pid; then
        echo "the window did not show the $view"
        touch "$out/list.done" "$out/menu.done"
        wait $pid || true
        exit 1
    fi
    import -window root -crop 680x460+0+0 "$out/quillet-$view.png"
    touch "$out/$view.done"
done
wait $pid
for view in list menu; do
    # A blank picture means nothing was drawn.
    colours=$(convert "$out/quillet-$view.png" -format %k info:)
    [ "$colours" -gt 8 ] || { echo "screenshot $view has only $colours colours"; exit 1; }
    echo "wrote $out/quillet-$view.png ($colours colours)"
done
