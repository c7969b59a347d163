#!/usr/bin/env bash
# Quillet.exe /export and /import from a shell, checked with an independent PE reader.
set -euo pipefail
quillet=$1 fixture=$2 checker=$3
run=$TARVEX_SOURCE_DIR/cmake/wine-run.sh
work=$TARVEX_BINARY_DIR/quillet-command-line
rm -rf "$work" && mkdir -p "$work" && cd "$work"
cp "$fixture" game.dll
fail() { echo "FAIL: $*"; exit 1; }

"$run" "$quillet" /export game.dll strings.txt
printf '1\tOne\r\n2\tTwo\\nlines\r\n3\tC:\\\\new\\\\folder\r\n5\tTab\\there\r\n12\ttwelve\r\n40\tforty\r\n300\tThree hundred\r\n1000\tneedle in a haystack\r\n2000\tNeedle in capitals\r\n' > expected.txt
cmp strings.txt expected.txt || fail "export differs"

if "$run" "$quillet" /export missing.dll out.txt 2> err.txt; then fail "export of a missing module succeeded"; fi
grep -q "Error loading DLL" err.txt || fail "no loading error: $(cat err.txt)"
[ ! -e out.txt ] || fail "a failed export wrote its file"

cp game.dll before.dll
printf '1\tUno\r\n1\tdup\r\n' > bad.txt
if "$run" "$quillet" /import bad.txt game.dll 2> err.txt; then fail "bad import succeeded"; fi
grep -q "Line 2: duplicate identifier 1" err.txt || fail "no line number: $(cat err.txt)"
cmp game.dll before.dll || fail "a refused import changed the module"

printf '1\tUno\r\n7\tC:\\\\x\\n\r\n65534\tlast\r\n' > import.txt
"$run" "$quillet" /import import.txt game.dll
printf '1033\t1\t556e6f\n1033\t7\t433a5c780a\n1033\t65534\t6c617374\n' > import-expected.txt
/usr/bin/python3 "$checker" game.dll import-expected.txt
"$run" "$quillet" /export game.dll again.txt
cmp import.txt again.txt || fail "the imported table does not export as imported"

echo "not a module" > plain.dll
if "$run" "$quillet" /import import.txt plain.dll 2> err.txt; then fail "import into a non-module succeeded"; fi
grep -q "Error Saving DLL" err.txt || fail "no saving error: $(cat err.txt)"
echo "command line ok"
