# Shared by the script tests of the native tools: sourced with the tool's path as $1. Sets
# $tarvex, works in a fresh folder removed at exit, counts failures.
set -uo pipefail
tarvex=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# Ends the test: the failure count, or the given success line.
finish() {
    if [ $failures -ne 0 ]; then
        echo "$failures failure(s)"
        exit 1
    fi
    echo "$1"
}
