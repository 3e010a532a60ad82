#!/bin/bash
# Every file of the real-world corpus must translate: exit status 0 and a
# non-empty translation.  Skipped (77) where the corpus is not beside the
# checkout.  The list of files is read from a file, so nothing feeds the
# loop through a pipe.
set -u
bin=$1 corpus=$2
[ -d "$corpus" ] || { echo "no corpus at $corpus"; exit 77; }
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
find "$corpus" -type f \( -name '*.vhd' -o -name '*.vhdl' \) -print0 | sort -z > "$tmp/files"
n=0 failed=0
while IFS= read -r -d '' f; do
  n=$((n + 1))
  if ! "$bin" < "$f" > "$tmp/out" 2>/dev/null || [ ! -s "$tmp/out" ]; then
    failed=$((failed + 1))
    echo "not translated: $f"
  fi
done < "$tmp/files"
echo "$n files, $failed not translated"
[ "$n" -gt 0 ] && [ "$failed" = 0 ]
