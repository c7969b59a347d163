#!/usr/bin/env bash
# lintian finds no error in the package; its warnings and notes are shown for the record.
#   lintian.sh tarvex_VERSION_amd64.deb
set -uo pipefail
deb=$1
[ -f "$deb" ] || { echo "no package: $deb"; exit 1; }
output=$(lintian --fail-on error --info "$deb" 2>&1)
status=$?
printf '%s\n' "$output" | grep -v 'root privileges'
[ $status -eq 0 ] || { echo "lintian reports errors (status $status)"; exit 1; }
echo "lintian: no errors"
