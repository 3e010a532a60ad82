#!/bin/bash
# The translation writes operators without the grouping the parser chose, so
# this test builds a probe translator from a copy of the sources whose
# two-operand `relation` actions (and the two signs) wrap their text in
# parentheses, and reads the grouping off the probe's output.
# Usage: grouping.sh BISON FLEX CXX SOURCE_DIR
set -u
bison=$1 flex=$2 cxx=$3 src=$4
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
cp -R "$src"/. "$tmp"/

# `relation : relation t_X relation { $$ = Compose("FORMAT", ...` becomes
# Compose("(FORMAT)", ...; the same for `t_Plus primary` and `t_Minus primary`.
wrap='s/Compose\("([^"]*)"/Compose("(\1)"/'
binary='^[[:space:]]*[|][[:space:]]*relation t_[A-Za-z]+ relation[[:space:]]'
sign='^[[:space:]]*[|][[:space:]]*t_(Plus|Minus) primary[[:space:]]'
sed -E -i "/^relation\$/,/^[[:space:]]*;/{ /$binary/$wrap; /$sign/$wrap; }" "$tmp/parser.y"
changed=$(grep -c 'Compose("(' "$tmp/parser.y")
before=$(grep -c 'Compose("(' "$src/parser.y")
if [ $((changed - before)) != 15 ]; then
  echo "expected to wrap 13 two-operand relations and 2 signs, wrapped $((changed - before))"
  exit 1
fi

cd "$tmp"
"$bison" --defines=parser.hh -o parser.cc parser.y || exit 1
"$flex" -o scanner.cc scanner.l || exit 1
# The build hands the version to main.cc; the probe has none of its own.
"$cxx" -std=c++17 -O0 -w -I. -DVHDL87C_VERSION=\"probe\" -o probe ./*.cc || exit 1

fail=0
# expression | its grouping
while IFS='|' read -r expr grouped; do
  out=$(printf 'signal s : integer := %s;\n' "$expr" | ./probe)
  want=" int s  = $grouped;"
  if [ "$out" != "$want" ]; then
    echo "$expr: got '$out', expected '$want'"
    fail=1
  fi
done <<'EOF'
a - b - c|((a - b) - c)
a + b * c|(a + (b * c))
a * b + c|((a * b) + c)
a & b + c|((a & b) + c)
a + b & c|((a + b) & c)
a / b * c|((a / b) * c)
a mod b * c|((a mod b) * c)
a rem b mod c|((a rem b) mod c)
a = b + c|(a == (b + c))
a + b = c * d|((a + b) == (c * d))
a /= b + c * d - e|(a != ((b + (c * d)) - e))
a < b and c > d|(a < b) & (c > d)
a <= b or c >= d|(a <= b) | (c >= d)
- a * b|((- a) * b)
a * - b|(a * (- b))
+ a - b|((+ a) - b)
EOF
exit $fail
