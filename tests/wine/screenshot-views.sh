# Sourced by the screenshot scripts.
#   use_own_display SCREEN
# Starts a private X server of SCREEN (e.g. 1024x768x24) and points DISPLAY at it, so that
# windows that other tests show on the shared display cannot cover the pictures. It is
# stopped on exit by stop_own_display (a script with an exit trap of its own calls it there).
use_own_display() {
    local number_file
    number_file=$(mktemp "${TMPDIR:-/tmp}/display.XXXXXX")
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    own_display_pid=$!
    trap stop_own_display EXIT
    for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.1; done
    [ -s "$number_file" ] || { echo "no X server could be started"; rm -f "$number_file"; return 1; }
    export DISPLAY=:$(head -n 1 "$number_file")
    rm -f "$number_file"
}
stop_own_display() {
    kill "$own_display_pid" 2>/dev/null || true
}

#   wait_for_view TEST FILE PID
# Waits until `test TEST FILE` holds while the host PID runs, for up to two minutes: Wine's
# first start on a loaded machine can take longer than twenty seconds. Fails once the host
# has gone or the time is up.
wait_for_view() {
    local check=$1 file=$2 pid=$3
    for _ in $(seq 1200); do
        test "$check" "$file" && return 0
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    test "$check" "$file"
}

# For hosts that use tests/support/ScreenshotViews.h:
#   take_screenshot_views OUT PREFIX MIN_COLOURS PID VIEW...
# For each view: waits for OUT/VIEW.ready, takes the rectangle it names as OUT/PREFIX-VIEW.png
# and answers with OUT/VIEW.done; then waits for the host PID and checks that every picture
# has more than MIN_COLOURS colours (a blank one means nothing was drawn).
take_screenshot_views() {
    local out=$1 prefix=$2 min_colours=$3 pid=$4
    shift 4
    local view v left top width height colours
    for view in "$@"; do
        if ! wait_for_view -s "$out/$view.ready" "$pid"; then
            echo "the host did not show the $view"
            for v in "$@"; do touch "$out/$v.done"; done
            wait "$pid" || true
            return 1
        fi
        read -r left top width height < "$out/$view.ready"
        import -window root -crop "${width}x${height}+${left}+${top}" +repage "$out/$prefix-$view.png"
        touch "$out/$view.done"
    done
    wait "$pid"
    for view in "$@"; do
        colours=$(convert "$out/$prefix-$view.png" -format %k info:)
        [ "$colours" -gt "$min_colours" ] || { echo "screenshot $view has only $colours colours"; return 1; }
        echo "wrote $out/$prefix-$view.png ($colours colours)"
    done
}

# Removes what an earlier run left: OUT/VIEW.ready, .done and OUT/PREFIX-VIEW.png.
clear_screenshot_views() {
    local out=$1 prefix=$2
    shift 2
    local view
    mkdir -p "$out"
    for view in "$@"; do rm -f "$out/$view.ready" "$out/$view.done" "$out/$prefix-$view.png"; done
}
