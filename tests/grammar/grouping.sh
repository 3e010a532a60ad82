#!/bin/bash
# The translation writes operators without the grouping the parser chose, so
# this test builds a probe translator from a copy of the sources whose
# two-operand `relation` rules (and the two signs) wrap their text in
# parentheses, and reads the grouping off the probe's output.
#
# The rules are found in bison's report (scripts/grammar_rules.py), and the
# wrapping is added to their actions in the generated parser, after the
# grammar's own code: the grammar file's layout does not matter.
# Usage: grouping.sh BISON FLEX CXX SOURCE_DIR
set -u
bison=$1 flex=$2 cxx=$3 src=$4
here=$(cd "$(dirname "$0")" && pwd)
parsers=$(cd "$src/.." && pwd)/cmake/Parsers.cmake
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
cp -R "$src"/. "$tmp"/

cd "$tmp"
# The four parsers, made as the build makes them.
cmake -DSOURCE=. -DOUT=. -DBISON="$bison" -P "$parsers" || exit 1
"$flex" -o scanner.cc scanner.l || exit 1

# `relation : relation t_X relation` and `relation : t_Plus|t_Minus primary`:
# after the action, $$ = Compose("(%s)", $$).  Bison writes each action as
# `case N:` ... `break;`, with $$ as yyval or (yyval.MEMBER).
# The later grammar has six more: the shift operators.
wrap() {
BISON=$bison python3 - "$here/../../scripts" "$1" "$2" "$3" <<'PYTHON'
import re, sys
sys.path.insert(0, sys.argv[1])
import grammar_rules

grammar, code, count = sys.argv[2], sys.argv[3], int(sys.argv[4])
wanted = {r.number for r in grammar_rules.read(grammar).rules if r.lhs == "relation" and (
    (len(r.rhs) == 3 and r.rhs[0] == r.rhs[2] == "relation" and r.rhs[1].startswith("t_")) or
    r.rhs in (("t_Plus", "primary"), ("t_Minus", "primary")))}
lines = open(code).read().split("\n")
out, rule, wrapped = [], None, 0
for line in lines:
    m = re.match(r"\s*case (\d+):", line)
    if m:
        # Bison numbers rules in the generated code one above its report.
        rule = int(m.group(1)) - 1
    if rule in wanted and line.strip() == "break;":
        value = re.findall(r"\byyval(?:\.\w+)?\b", "\n".join(out[start:]))
        if not value:
            sys.exit("grouping: rule %d does not set $$" % rule)
        out.append("    %s = Compose(\"(%%s)\", %s);" % (value[0], value[0]))
        wrapped += 1
        rule = None
    if m:
        start = len(out)
    out.append(line)
if wrapped != count or len(wanted) != count:
    sys.exit("%s: expected to wrap %d two-operand relations and signs, found %d rules, wrapped %d"
             % (grammar, count, len(wanted), wrapped))
open(code, "w").write("\n".join(out))
PYTHON
}
wrap parser.y parser.cc 15 && wrap later_parser.y parser_later.cc 21 || exit 1
# The build hands the version to main.cc; the probe has none of its own.
"$cxx" -std=c++17 -O0 -w -I. -DEXPLAINED_DEBUG=1 -c -o parser_later_explained.o parser_later_explained.cc || exit 1
"$cxx" -std=c++17 -O0 -w -I. -DVHDL87C_VERSION=\"probe\" -o probe $(ls ./*.cc | grep -v parser_later_explained) \
  parser_later_explained.o || exit 1

fail=0
# expression | its grouping; with --relaxed the later grammar's
check() {
  while IFS='|' read -r expr grouped; do
    out=$(printf 'signal s : integer := %s;\n' "$expr" | ./probe "$@" 2>/dev/null)
    want=" int s  = $grouped;"
    if [ "$out" != "$want" ]; then
      echo "$expr ($*): got '$out', expected '$want'"
      fail=1
    fi
  done
}
check <<'EOF'
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
# The shift operators bind between the relations and the adding operators.
check --relaxed <<'EOF'
a - b - c|((a - b) - c)
a sll b + c|(a << (b + c))
a + b srl c|((a + b) >> c)
a = b sla c|(a == (b << c))
a sra b /= c|((a >> b) != c)
a rol b & c|(a rol (b & c))
a * b ror c|((a * b) ror c)
EOF
exit $fail
