#!/bin/bash
# Runs one golden case: NAME.vhd on standard input, compared byte for byte
# with NAME.expected, or the file given third (standard output).  Optional
# companions:
#   NAME.args      arguments, one per line
#   NAME.status    expected exit status (default 0)
#   NAME.stderr    expected error stream (default: not compared)
set -u
bin=$1 case=$2
base=${case%.vhd}
expected=${3:-$base.expected}
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
args=()
[ -f "$base.args" ] && mapfile -t args < "$base.args"
"$bin" "${args[@]}" < "$case" > "$tmp/out" 2> "$tmp/err"
status=$?
expected_status=0
[ -f "$base.status" ] && expected_status=$(cat "$base.status")
ok=1
if ! cmp -s "$expected" "$tmp/out"; then
  echo "standard output differs from $expected:"
  diff -u "$expected" "$tmp/out" | cat -A | head -60
  ok=0
fi
if [ -f "$base.stderr" ] && ! cmp -s "$base.stderr" "$tmp/err"; then
  echo "error stream differs from $base.stderr:"
  diff -u "$base.stderr" "$tmp/err" | cat -A | head -20
  ok=0
fi
if [ "$status" != "$expected_status" ]; then
  echo "exit status $status, expected $expected_status"
  ok=0
fi
[ $ok = 1 ]
