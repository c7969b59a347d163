#!/usr/bin/env bash
# Takes screenshots of Quillet's window with a loaded table: the list with a text open for
# editing, and the Edit menu. Saved as quillet-list.png and quillet-menu.png in the build dir.
set -euo pipefail
host=$1 dll=$2
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
run=$TARVEX_SOURCE_DIR/cmake/wine-run.sh
out=$TARVEX_BINARY_DIR/screenshots
mkdir -p "$out"
for view in list menu; do
    ready=$out/$view.ready done=$out/$view.done
    rm -f "$ready" "$done" "$out/quillet-$view.png"
    "$run" "$host" "$dll" "$view" "$ready" "$done" &
    pid=$!
    for _ in $(seq 200); do [ -e "$ready" ] && break; sleep 0.1; done
    [ -e "$ready" ] || { echo "the window did not come up"; touch "$done"; wait $pid || true; exit 1; }
    import -window root -crop 680x460+0+0 "$out/quillet-$view.png"
    touch "$done"
    wait $pid
    test -s "$out/quillet-$view.png"
    # A blank picture means nothing was drawn.
    colours=$(convert "$out/quillet-$view.png" -format %k info:)
    [ "$colours" -gt 8 ] || { echo "screenshot $view has only $colours colours"; exit 1; }
    echo "wrote $out/quillet-$view.png ($colours colours)"
done
