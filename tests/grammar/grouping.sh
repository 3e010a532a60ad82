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
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
cp -R "$src"/. "$tmp"/

cd "$tmp"
"$bison" -Wnone --defines=parser.hh -o parser.cc parser.y || exit 1
"$bison" -Wnone -Dapi.prefix={explained_} --locations -Dapi.location.type={Source_Span} --defines=parser_explained.hh -o parser_explained.cc parser.y || exit 1
"$flex" -o scanner.cc scanner.l || exit 1

# `relation : relation t_X relation` and `relation : t_Plus|t_Minus primary`:
# after the action, $$ = Compose("(%s)", $$).  Bison writes each action as
# `case N:` ... `break;`, with $$ as yyval or (yyval.MEMBER).
BISON=$bison python3 - "$here/../../scripts" parser.y parser.cc <<'PYTHON' || exit 1
import re, sys
sys.path.insert(0, sys.argv[1])
import grammar_rules

grammar, code = sys.argv[2], sys.argv[3]
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
if wrapped != 15 or len(wanted) != 15:
    sys.exit("expected to wrap 13 two-operand relations and 2 signs, found %d rules, wrapped %d"
             % (len(wanted), wrapped))
open(code, "w").write("\n".join(out))
PYTHON
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
