#!/bin/bash
# Every file of the real-world corpus must translate: exit status 0 and a
# non-empty translation.  Skipped (77) where the corpus is not beside the
# checkout.
set -u
bin=$1 corpus=$2
[ -d "$corpus" ] || { echo "no corpus at $corpus"; exit 77; }
n=0 failed=0
while IFS= read -r -d '' f; do
  n=$((n + 1))
  if ! "$bin" < "$f" > /tmp/vhdl87c-corpus.$$ 2>/dev/null || [ ! -s /tmp/vhdl87c-corpus.$$ ]; then
    failed=$((failed + 1))
    echo "not translated: $f"
  fi
done < <(find "$corpus" -type f \( -name '*.vhd' -o -name '*.vhdl' \) -print0 | sort -z)
rm -f /tmp/vhdl87c-corpus.$$
echo "$n files, $failed not translated"
[ "$n" -gt 0 ] && [ "$failed" = 0 ]
