#!/bin/bash
# The check of the token list (cmake/TokenList.cmake) passes on the sources
# and fails, naming the fault, on copies with one fault each: a listed word
# with no scanner rule, a scanner rule not listed, a declared token not
# listed, a listed word not declared, the ";" rule missing, and a line of the
# list it cannot read; a later edition's word in the list alone, and a
# token of the later grammar not listed as such a word.
#   token_list.sh CMAKE SOURCE_DIR
set -u
cmake=$1 source=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/token-list.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0

check() {  # check DIR: the check's status, its message in $work/message
  "$cmake" -DTOKENS="$1/tokens.def" -DSCANNER="$1/scanner.l" -DGRAMMAR="$1/parser.y" -DLATER="$1/later.y" \
           -P "$source/cmake/TokenList.cmake" > "$work/message" 2>&1
}

check "$source/src" || { echo "FAIL: the sources do not pass:"; cat "$work/message"; failures=$((failures + 1)); }

# fault NAME EXPECTED FILE SED-SCRIPT: the check fails on a copy with the
# change and its message holds EXPECTED.
fault() {
  local name=$1 expected=$2 file=$3 script=$4 copy="$work/$1"
  mkdir -p "$copy"
  cp "$source/src/tokens.def" "$source/src/scanner.l" "$source/src/parser.y" "$source/src/later.y" "$copy/"
  sed -i "$script" "$copy/$file"
  if cmp -s "$copy/$file" "$source/src/$file"; then
    echo "FAIL: $name: the change did not apply"; failures=$((failures + 1)); return
  fi
  if check "$copy"; then
    echo "FAIL: $name: the check passed"; failures=$((failures + 1))
  elif ! grep -qF -- "$expected" "$work/message"; then
    echo "FAIL: $name: the message does not say: $expected"; cat "$work/message"; failures=$((failures + 1))
  fi
}

fault word_without_rule '"bus" { return p(t_BUS); }' scanner.l '/^"bus" /d'
fault rule_not_listed 'text and token: bus t_BUS' tokens.def '/^RESERVED_WORD("bus"/d'
fault token_not_listed 'declares t_FOO, which' parser.y 's/^%token t_XOR .*/&\n%token t_FOO 999/'
fault word_not_declared '%token t_XNOR NUMBER' tokens.def 's/^RESERVED_WORD("xor",.*/&\nRESERVED_WORD("xnor", t_XNOR)/'
fault new_word_asks_for_its_rule '"xnor" { return p(t_XNOR); }' tokens.def 's/^RESERVED_WORD("xor",.*/&\nRESERVED_WORD("xnor", t_XNOR)/'
fault semicolon_rule '";" { yylval = nullptr; return '"';'"'; }' scanner.l '/^";" /d'
fault other_spelling '"!" { return p(t_Bar); }' scanner.l '/^"!" /d'
fault later_word_not_declared '%token t_SEQUENCE NUMBER' tokens.def 's/^LATER_WORD("postponed",.*/&\nLATER_WORD("sequence", t_SEQUENCE)/'
fault later_token_not_listed 'later.y declares t_FORCE, which' later.y 's/^%token t_XNOR .*/&\n%token t_FORCE 999/'
fault later_word_in_parser 'parser.y declares t_XNOR, which' parser.y 's/^%token t_XOR .*/&\n%token t_XNOR 999/'
fault unreadable_line 'cannot read the line' tokens.def 's/^RESERVED_WORD("xor", *t_XOR)/RESERVED_WORD("xor" t_XOR)/'

[ "$failures" = 0 ] && echo "token list check: 1 pass and 11 faults found"
exit $((failures > 0))
