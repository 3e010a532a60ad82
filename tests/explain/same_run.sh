#!/bin/bash
# Every golden case run again with --explain added: standard output and the
# exit status are the same byte for byte, and standard error is the plain
# run's followed by the echo of the added argument and the explanation's
# lines only.  A case that is accepted adds warnings at most.
#
#   same_run.sh BIN TESTS_DIR
set -u
bin=$1 root=$2
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
failed=0 count=0
while IFS= read -r -d '' case; do
  base=${case%.vhd}
  args=()
  [ -f "$base.args" ] && mapfile -t args < "$base.args"
  for a in "${args[@]}"; do [ "$a" = --explain ] && continue 2; done
  count=$((count + 1))
  "$bin" "${args[@]}" < "$case" > "$tmp/out1" 2> "$tmp/err1"; s1=$?
  "$bin" "${args[@]}" --explain < "$case" > "$tmp/out2" 2> "$tmp/err2"; s2=$?
  { cat "$tmp/err1"; echo "($(( ${#args[@]} + 1 ))): --explain"; } > "$tmp/prefix"
  n=$(wc -c < "$tmp/prefix")
  problem=
  cmp -s "$tmp/out1" "$tmp/out2" || problem="standard output differs"
  [ "$s1" = "$s2" ] || problem="exit status $s1 without, $s2 with --explain"
  head -c "$n" "$tmp/err2" | cmp -s - "$tmp/prefix" || problem="standard error is not extended"
  added=$(tail -c +$((n + 1)) "$tmp/err2")
  if [ "$s1" = 0 ] && grep -q '^<stdin>:[0-9]*:[0-9]*: error: ' <<< "$added"; then
    problem="an accepted case reports an error"
  fi
  if [ "$s1" != 0 ] && ! grep -q '^<stdin>:[0-9]*:[0-9]*: error: ' <<< "$added"; then
    problem="a rejected case has no error line"
  fi
  if [ -n "$problem" ]; then
    echo "${case#$root/}: $problem"
    failed=$((failed + 1))
  fi
done < <(find "$root/cases" "$root/errors" "$root/grammar" "$root/../examples" -name '*.vhd' -print0 | sort -z)
echo "$count cases, $failed failed"
[ "$count" -gt 50 ] && [ "$failed" = 0 ]
