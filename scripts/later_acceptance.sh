#!/usr/bin/env bash
# Acceptance of the later-edition corpus, per repository: how many files each
# given binary accepts, plain and with --relaxed.  With --first BIN, lists
# instead the first offending construct of every file BIN --relaxed still
# rejects, grouped: the token the parser stopped at and the line it is on.
#
#   scripts/later_acceptance.sh CORPUS BIN...
#   scripts/later_acceptance.sh --first BIN CORPUS
set -u
if [ "${1:-}" = --first ]; then
  bin=$2 corpus=$3
  find "$corpus" -type f \( -name '*.vhd' -o -name '*.vhdl' \) -print0 | sort -z |
  while IFS= read -r -d '' f; do
    out=$("$bin" --relaxed < "$f" 2>/dev/null) && continue
    where=$(printf '%s\n' "$out" | sed -n 's/^String:(\(.*\)) Line:\([0-9]*\) Column:.*/\1 \2/p' | tail -1)
    token=${where% *} line=${where##* }
    text=$(tr -d '\r' < "$f" | sed -n "${line}p" | sed 's/^[ \t]*//' | cut -c1-70)
    printf '%s\t%s\t%s:%s\n' "$token" "$text" "${f#$corpus/}" "$line"
  done
  exit 0
fi
corpus=$1; shift
printf '%-12s %6s' repository files
for bin in "$@"; do printf ' %22s' "$(basename "$bin") plain/relaxed"; done; echo
total=0; declare -A sums
for repo in $(ls "$corpus"); do
  [ -d "$corpus/$repo" ] || continue
  mapfile -d '' files < <(find "$corpus/$repo" -type f \( -name '*.vhd' -o -name '*.vhdl' \) -print0 | sort -z)
  printf '%-12s %6d' "$repo" "${#files[@]}"
  total=$((total + ${#files[@]}))
  for bin in "$@"; do
    plain=0 relaxed=0
    for f in "${files[@]}"; do
      "$bin" < "$f" > /dev/null 2>&1 && plain=$((plain + 1))
      "$bin" --relaxed < "$f" > /dev/null 2>&1 && relaxed=$((relaxed + 1))
    done
    sums[$bin.p]=$(( ${sums[$bin.p]:-0} + plain )); sums[$bin.r]=$(( ${sums[$bin.r]:-0} + relaxed ))
    printf ' %22s' "$plain / $relaxed"
  done
  echo
done
printf '%-12s %6d' all "$total"
for bin in "$@"; do printf ' %22s' "${sums[$bin.p]} / ${sums[$bin.r]}"; done; echo
