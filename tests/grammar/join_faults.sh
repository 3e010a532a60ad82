#!/bin/bash
# The join of parser.y and later.y (cmake/join_grammars.cmake) fails loudly
# and points into later.y: it joins the sources, and fails naming later.y
# and the line on copies with a %% line that holds more, and with a
# misspelt or unused left-hand side; and a C error in an action of later.y
# is reported by the compiler at later.y's own line, through the joined
# grammar's #line directives.
#   join_faults.sh CMAKE BISON CXX SOURCE_DIR BUILD_DIR
set -u
cmake=$1 bison=$2 cxx=$3 source=$4 build=$5
work=$(mktemp -d "${TMPDIR:-/tmp}/join-faults.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0

join() {  # join DIR: the join's status, its message in $work/message
  "$cmake" -DBASE="$1/parser.y" -DLATER="$1/later.y" -DOUT="$1/later_parser.y" \
           -P "$source/cmake/join_grammars.cmake" > "$work/message" 2>&1
}

mkdir "$work/sources"
cp "$source/src/parser.y" "$source/src/later.y" "$work/sources/"
join "$work/sources" || { echo "FAIL: the sources do not join:"; cat "$work/message"; failures=$((failures + 1)); }

# copy NAME SED-SCRIPT: a copy of the sources with later.y changed; its
# line that the script changed (the first) in $line.
copy() {
  local dir="$work/$1"
  mkdir -p "$dir"
  cp "$source/src/parser.y" "$source/src/later.y" "$dir/"
  sed -i "$2" "$dir/later.y"
  line=$(cmp "$dir/later.y" "$source/src/later.y" | sed -n 's/.* line \([0-9]*\)$/\1/p')
  [ -n "$line" ] || { echo "FAIL: $1: the change did not apply"; failures=$((failures + 1)); }
}

# fault NAME EXPECTED SED-SCRIPT: the join fails on the copy, naming later.y
# and the changed line, and saying EXPECTED.
fault() {
  copy "$1" "$3"
  [ -n "$line" ] || return
  if join "$work/$1"; then
    echo "FAIL: $1: the join passed"; failures=$((failures + 1))
  elif ! grep -qF -- "later.y:$line: $2" "$work/message"; then
    echo "FAIL: $1: the message does not say later.y:$line: $2"; cat "$work/message"; failures=$((failures + 1))
  fi
}

fault text_after_marks 'a %% line holds nothing else: %% rules' '0,/^%%$/s//%% rules/'
fault misspelt_left_side 'relatoin is no nonterminal of' '0,/^relation$/s//relatoin/'
fault unused_later_nonterminal 'later_unused is used by no production' \
  's/^later_closing_name$/later_unused\n    : t_Identifier { $$ = $1; }\n    ;\n&/'

# A C error in an action: the generated parser's #line names later.y.
copy action_error "/t_END t_COMPONENT t_Identifier ';'/s/Drop(\\\$7); }/Drop(\\\$7) }/"
if [ -n "$line" ]; then
  # The error is reported on the line of the production's action.
  join "$work/action_error" || { echo "FAIL: action_error: the join failed"; cat "$work/message"; failures=$((failures + 1)); }
  "$bison" -Wnone -Dapi.prefix={later_} --defines="$work/action_error/parser_later.hh" \
           -o "$work/action_error/parser_later.cc" "$work/action_error/later_parser.y" > "$work/message" 2>&1
  if "$cxx" -std=c++17 -fsyntax-only -I"$source/src" -I"$build" -I"$work/action_error" \
            "$work/action_error/parser_later.cc" > "$work/message" 2>&1; then
    echo "FAIL: action_error: the parser compiled"; failures=$((failures + 1))
  elif ! grep -q "later\.y:$line:[0-9]*: error" "$work/message"; then
    echo "FAIL: action_error: the compiler does not point at later.y:$line"; head -5 "$work/message"
    failures=$((failures + 1))
  fi
fi

[ "$failures" = 0 ] && echo "join check: the sources join, 4 faults found at their line of later.y"
exit $((failures > 0))
