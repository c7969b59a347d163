#!/usr/bin/env bash
# Counts the includes between the source tree's top folders and fails when one reaches up a
# floor. Floors, bottom up: platform; the programs' resource ids; the formats (archive,
# thumbs); the documents (app, shellmenu, stringedit); the window (browser); the programs
# (programs, installer). A folder includes only its own floor and those below.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
declare -A floor=([platform]=1 [resources]=2 [archive]=3 [thumbs]=3 [app]=4 [shellmenu]=4
    [stringedit]=4 [browser]=5 [programs]=6 [installer]=6)
declare -A count=()
upward=0
while IFS=: read -r file included; do
    from=${file%%/*} to=${included%%/*}
    [ "$from" = "$to" ] && continue
    if [ -z "${floor[$to]:-}" ]; then
        echo "$file includes $included, which is in no floor"
        upward=1
        continue
    fi
    count["$from -> $to"]=$((${count["$from -> $to"]:-0} + 1))
    if [ "${floor[$to]}" -gt "${floor[$from]}" ]; then
        echo "$file includes $included, a floor up"
        upward=1
    fi
done < <(git ls-files -- "${!floor[@]}" | grep -E '\.(cpp|h|rc|idl)$' |
    xargs grep -Ho '^#include "[a-z]*/[^"]*"' | sed 's/#include "//; s/"$//')
for pair in "${!count[@]}"; do printf '%5d  %s\n' "${count[$pair]}" "$pair"; done | sort -k2
exit $upward
