# Sourced by the Wine scripts: the environment of one Windows architecture.
#   wine_environment ARCH   ARCH is win32 or win64; sets WINEARCH, WINEPREFIX and wine_loader
#   wine_arch_of FILE       prints win64 for an x64 program, win32 for anything else
#   wine_check_loader       fails with the reason when this machine cannot start that Wine
# The prefixes are the project's own: TARVEX_WINEPREFIX (win32, default build/wineprefix) and
# TARVEX_WINEPREFIX64 (win64, default build/wineprefix64).
wine_environment() {
    local root
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    case $1 in
        win32)
            export WINEARCH=win32 WINEPREFIX=${TARVEX_WINEPREFIX:-$root/build/wineprefix}
            wine_loader=wine
            ;;
        win64)
            # Called directly, not through /usr/bin/wine: that one starts the 32-bit loader
            # whenever it is installed, which machines running 64-bit programs only cannot run.
            export WINEARCH=win64 WINEPREFIX=${TARVEX_WINEPREFIX64:-$root/build/wineprefix64}
            wine_loader=$(command -v wine64 || echo /usr/lib/wine/wine64)
            export WINELOADER=$wine_loader
            ;;
        *)
            echo "wine: unknown architecture '$1' (win32 or win64)" >&2
            return 1
            ;;
    esac
    export WINEDEBUG=${WINEDEBUG:--all}
    export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml,winemenubuilder.exe="}
}

wine_arch_of() {
    local offset machine
    if [ -f "$1" ] && [ "$(head -c 2 "$1")" = MZ ]; then
        offset=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
        machine=$(od -An -tx2 -j$((offset + 4)) -N2 "$1" | tr -d ' ')
        [ "$machine" = 8664 ] && { echo win64; return; }
    fi
    echo win32
}

wine_check_loader() {
    local output status=0
    output=$("$wine_loader" --version 2>&1) || status=$?
    [ $status -eq 0 ] && return 0
    case $WINEARCH in
        win32) echo "32-bit Wine cannot start on this machine (exit $status: ${output:-no output})." \
            "Where only 64-bit programs run, run the x64 build's tests under wine64." >&2 ;;
        *) echo "wine64 cannot start on this machine (exit $status: ${output:-no output})." >&2 ;;
    esac
    return 1
}
