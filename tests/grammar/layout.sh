#!/bin/bash
# The tools that need the grammar's productions take them from bison's
# report, not from the grammar file's text: the same grammar in another
# layout (relayout.py: actions on lines of their own, rule names beside
# their first alternative, comments with braces and "%%") gives the same
# parser tables, and the grouping probe, the parse-only engine, the fuzzer's
# generator and the rule count all work on it as on the original.  The
# build's two readers of the text read only what any layout keeps: the
# token check (cmake/TokenList.cmake) the %token lines, the join
# (cmake/join_grammars.cmake) the %% lines, the %left level of t_Plus and
# the rule names at the start of a line; the later grammar is joined from
# the other layout too (by the engines and the probe).
# Usage: layout.sh BISON FLEX CXX PROJECT_DIR TRANSLATOR COUNT_REDUCTIONS
set -u
bison=$1 flex=$2 cxx=$3 root=$4 translator=$5 counter=$6
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
export BISON=$bison
fail=0
step() { echo "-- $*"; }

mkdir "$tmp/src" "$tmp/cmake"
cp -R "$root"/src/. "$tmp/src"/
cp "$root/cmake/join_grammars.cmake" "$root/cmake/Parsers.cmake" "$tmp/cmake"/
python3 "$here/relayout.py" "$root/src/parser.y" > "$tmp/src/parser.y" || exit 1
if cmp -s "$root/src/parser.y" "$tmp/src/parser.y"; then
  echo "relayout.py left the grammar as it was"; exit 1
fi

step "the same tables from both layouts"
tables() {
  "$bison" -Wnone -o "$tmp/$2.cc" "$1" || return 1
  awk '/^static const .* yy(pact|defact|pgoto|defgoto|table|check|stos|r1|r2)\[\] =/,/};/' "$tmp/$2.cc" > "$tmp/$2.tables"
  [ -s "$tmp/$2.tables" ]
}
tables "$root/src/parser.y" original && tables "$tmp/src/parser.y" relaid || exit 1
if ! cmp -s "$tmp/original.tables" "$tmp/relaid.tables"; then
  echo "the other layout changes the parser's tables"; exit 1
fi

step "the same rules from both layouts"
python3 "$root/scripts/grammar_rules.py" "$root/src/parser.y" > "$tmp/original.rules"
python3 "$root/scripts/grammar_rules.py" "$tmp/src/parser.y" > "$tmp/relaid.rules"
cmp "$tmp/original.rules" "$tmp/relaid.rules" || fail=1

step "the fuzzer's generator writes the same files"
for grammar in "$root/src/parser.y" "$tmp/src/parser.y"; do
  python3 "$root/fuzz/gen_vhdl.py" --grammar "$grammar" --seed 3 --count 4 --out "$tmp/gen-$(basename "$(dirname "$grammar")")-$RANDOM"
done
[ "$(ls -d "$tmp"/gen-* | wc -l)" = 2 ] && diff -r "$tmp"/gen-* > /dev/null || { echo "the generated files differ"; fail=1; }

step "the bare grammar has the same tables"
python3 "$root/bench/engines/bare_grammar.py" "$tmp/src/parser.y" > "$tmp/bare.y" || exit 1
tables "$tmp/bare.y" bare && cmp "$tmp/original.tables" "$tmp/bare.tables" || { echo "the bare grammar differs"; fail=1; }

step "every rule reduced, counted against the other layout"
python3 "$here/every_rule.py" --counter "$counter" --grammar "$tmp/src/parser.y" \
  "$root/tests/cases" "$root/tests/errors" "$root/tests/driver/cases" "$here" "$root/examples" || fail=1

step "the engines build and read from the other layout"
"$root/bench/engines.sh" --source "$tmp/src" --bytes 64K --repeat 1 --bin "$translator" \
  > "$tmp/engines.out" 2>&1 && grep -q "shares of the translator's time" "$tmp/engines.out" \
  || { cat "$tmp/engines.out"; fail=1; }

step "the grouping probe builds from the other layout"
"$here/grouping.sh" "$bison" "$flex" "$cxx" "$tmp/src" || fail=1

exit $fail
