#!/usr/bin/env bash
# Fails when tests/fuzz/corpus differs from what make_corpus.py writes.
set -euo pipefail
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
here="$TARVEX_SOURCE_DIR/tests/fuzz"
/usr/bin/python3 "$here/make_corpus.py" "$tmp"
diff -r "$tmp" "$here/corpus" || {
    echo "tests/fuzz/corpus is stale: run /usr/bin/python3 tests/fuzz/make_corpus.py tests/fuzz/corpus"
    exit 1
}
