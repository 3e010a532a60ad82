#!/bin/bash
# Every example of the manual page marked as an input and its output must
# be the program's real output:
#   .\" vhdl87c input       the next .EX ... .EE block is a whole input
#   .\" vhdl87c output      the next block is its standard output, without
#                           the lines of blanks that open and close it
#                           (exit status 0)
#   .\" vhdl87c rejected    the same for an input that is rejected (status 1)
#   .\" vhdl87c stderr      the next block is its standard error
# Also checks that .TH names this version and a date.
set -u
bin=$1 page=$2 version=$3
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
failures=0 checked=0
fail() { echo "$(basename "$page"):$1: $2"; failures=$((failures + 1)); }
unroff() { sed -e 's/\\(aq/'"'"'/g; s/\\(dq/"/g; s/\\-/-/g; s/\\&//g; s/\\e/\\/g'; }
trim() {  # drops the leading and trailing lines that hold blanks only
  awk '{ line[NR] = $0 } END { s = 1; while (s <= NR && line[s] ~ /^ *$/) s++;
         e = NR; while (e >= s && line[e] ~ /^ *$/) e--; for (i = s; i <= e; i++) print line[i] }'
}

th=$(grep -m1 '^\.TH ' "$page")
[[ $th =~ ^\.TH\ VHDL87C\ 1\ \"[0-9]{4}-[0-9]{2}-[0-9]{2}\"\ \"vhdl87c\ $version\" ]] ||
  fail 1 ".TH does not name a date and vhdl87c $version: $th"

n=0 want="" start=0 block=""
while IFS= read -r text; do
  n=$((n + 1))
  case $text in
    '.\" vhdl87c input') want=input start=$n; continue ;;
    '.\" vhdl87c output') want=output start=$n expected=0; continue ;;
    '.\" vhdl87c rejected') want=output start=$n expected=1; continue ;;
    '.\" vhdl87c stderr') want=stderr start=$n; continue ;;
  esac
  if [ -n "$want" ] && [ "$text" = .EX ]; then block=$tmp/$want; : > "$block"; continue; fi
  if [ -n "$block" ]; then
    if [ "$text" = .EE ]; then
      unroff < "$block" > "$block.txt"
      if [ "$want" != input ]; then
        checked=$((checked + 1))
        "$bin" < "$tmp/input.txt" > "$tmp/run.output" 2> "$tmp/run.stderr"
        status=$?
        [ "$want" = stderr ] || [ $status = "$expected" ] ||
          fail "$start" "the input before it ends with status $status, not $expected"
        trim < "$tmp/run.$want" > "$tmp/got"
        if ! cmp -s "$block.txt" "$tmp/got"; then
          fail "$start" "the block is not the program's $want:"
          diff -u "$block.txt" "$tmp/got" | cat -A | head -30
        fi
      fi
      want="" block=""
    else
      printf '%s\n' "$text" >> "$block"
    fi
  fi
done < "$page"
echo "$checked examples checked, $failures wrong"
[ "$checked" -gt 0 ] && [ "$failures" = 0 ]
