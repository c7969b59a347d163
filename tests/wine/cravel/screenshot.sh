#!/usr/bin/env bash
# Takes screenshots of a context menu holding Cravel's entries: for a folder and for an archive.
# Saved as cravel-folder.png and cravel-archive.png under screenshots/ in the build dir.
set -euo pipefail
host=$1 dll=$2
run=$TARVEX_SOURCE_DIR/cmake/wine-run.sh
source "$TARVEX_SOURCE_DIR/tests/wine/screenshot-views.sh"
use_own_display 1024x768x24
out=$TARVEX_BINARY_DIR/screenshots
mkdir -p "$out"
rm -f "$out"/folder.* "$out"/archive.* "$out"/cravel-*.png
"$run" "$host" "Z:$dll" "Z:$out" &
pid=$!
for view in folder archive; do
    if ! wait_for_view -e "$out/$view.ready" $pid; then
        echo "the menu for the $view was not shown"
        touch "$out/folder.done" "$out/archive.done"
        wait $pid || true
        exit 1
    fi
    import -window root -crop 560x300+0+0 "$out/cravel-$view.png"
    touch "$out/$view.done"
done
wait $pid
for view in folder archive; do
    # The chest's yellow lid beside both entries shows that the bitmap is drawn.
    lid=$(convert "$out/cravel-$view.png" -fx 'r>0.8&&g>0.8&&b<0.3' -format '%[fx:round(mean*w*h)]' info:)
    [ "$lid" -ge 8 ] || { echo "screenshot $view shows no menu bitmap ($lid yellow pixels)"; exit 1; }
    echo "wrote $out/cravel-$view.png ($lid yellow pixels)"
done
