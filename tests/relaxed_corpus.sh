#!/bin/bash
# The relaxed reading changes nothing in a VHDL-87 file: every file of the
# real-world corpus gives the same output and exit status with --relaxed as
# without, and the same error stream but for the echo of the argument.
# Skipped (77) where the corpus is not beside the checkout.
set -u
bin=$1 corpus=$2
[ -d "$corpus" ] || { echo "no corpus at $corpus"; exit 77; }
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
n=0 differ=0
while IFS= read -r -d '' f; do
  n=$((n + 1))
  "$bin" < "$f" > "$tmp/plain.out" 2> "$tmp/plain.err"; plain=$?
  "$bin" --relaxed < "$f" > "$tmp/relaxed.out" 2> "$tmp/relaxed.err"; relaxed=$?
  if [ "$plain" != "$relaxed" ] || ! cmp -s "$tmp/plain.out" "$tmp/relaxed.out" ||
     ! cmp -s "$tmp/plain.err" <(sed '1{/^(1): --relaxed$/d}' "$tmp/relaxed.err"); then
    differ=$((differ + 1))
    echo "differs with --relaxed: $f (status $plain, relaxed $relaxed)"
  fi
done < <(find "$corpus" -type f \( -name '*.vhd' -o -name '*.vhdl' \) -print0 | sort -z)
echo "$n files, $differ differ with --relaxed"
[ "$n" -gt 0 ] && [ "$differ" = 0 ]
