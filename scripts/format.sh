#!/usr/bin/env bash
# Formats every C++ file in the repository with its .clang-format. With --check it changes
# nothing: it names each file that differs and fails when there is one.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
mapfile -d '' files < <(git ls-files -z '*.cpp' '*.h')
if [ "${1:-}" != --check ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
if ! report=$(clang-format --dry-run -Werror "${files[@]}" 2>&1); then
    grep -o '^[^:]*:[0-9]*:[0-9]*: error' <<<"$report" | cut -d: -f1 | sort -u |
        sed 's/$/: not formatted/'
    exit 1
fi
