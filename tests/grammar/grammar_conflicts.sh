#!/bin/bash
# The precedence levels settle exactly the 169 shift/reduce conflicts of the
# two-operand relations, and nothing else: without them bison finds 169
# shift/reduce and no reduce/reduce conflict.
set -u
bison=$1 grammar=$2
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
grep -v -E '^%(nonassoc|left|right|precedence|expect)\b' "$grammar" > "$tmp/g.y"
[ "$(grep -c -E '^%(nonassoc|left)\b' "$grammar")" = 3 ] || { echo "expected three precedence levels"; exit 1; }
"$bison" -o "$tmp/g.cc" "$tmp/g.y" 2> "$tmp/report"
cat "$tmp/report"
grep -q '169 shift/reduce conflicts' "$tmp/report" || { echo "expected 169 shift/reduce conflicts"; exit 1; }
if grep -q 'reduce/reduce' "$tmp/report"; then echo "unexpected reduce/reduce conflicts"; exit 1; fi
# (unused values are checked by grammar_values.sh)
"$bison" -Wno-other -o "$tmp/with.cc" "$grammar" 2> "$tmp/with" || { cat "$tmp/with"; exit 1; }
[ ! -s "$tmp/with" ] || { echo "the grammar with its precedence still reports:"; cat "$tmp/with"; exit 1; }
