#!/bin/bash
# The parser's stacks: they grow with nesting up to 10000 entries and end the
# run with "parser stack overflow" beyond that; long lists stay flat because
# the list productions are left-recursive.
# Usage: parser_stack.sh VHDL87C
set -u
bin=$1
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
: > "$tmp/want_err"
fail=0
repeat() { local s; printf -v s "%$2s" ''; printf '%s' "${s// /$1}"; }

# Runs the translator on $tmp/in; compares standard output, exit status and
# the error stream with $tmp/want_err (empty unless written).
check() {
  local name=$1 expected_status=$2
  "$bin" < "$tmp/in" > "$tmp/out" 2> "$tmp/err"
  local status=$?
  if ! cmp -s "$tmp/want" "$tmp/out"; then
    echo "$name: standard output differs:"
    diff <(cut -c1-200 "$tmp/want") <(cut -c1-200 "$tmp/out") | head -10
    fail=1
  fi
  if [ "$status" != "$expected_status" ] || ! cmp -s "$tmp/want_err" "$tmp/err"; then
    echo "$name: exit status $status (expected $expected_status), error stream:"
    head -c 300 "$tmp/err"
    fail=1
  fi
}

# 20000 nested parentheses.  Before the first "(" the stacks hold 8 entries
# (state 0, context_list, signal, idf_list, ':', subtype_indic,
# signal_decl_1, ":="), and each "(" adds one: the 9992nd fills the 10000th
# entry, just after column 22 + 9992.
{ printf 'signal s : integer := '; repeat '(' 20000; printf a; repeat ')' 20000; printf ';\n'; } > "$tmp/in"
printf "\nERROR:'parser stack overflow' in your Source Code!!!!\nString:(() Line:1 Column:10014\n" > "$tmp/want"
printf '<stdin>:1:10014: error: nesting too deep (more than 10000 parser stack entries) (--explain tells more)\n' > "$tmp/want_err"
check "20000 parentheses" 1
: > "$tmp/want_err"

# 9900 nested parentheses still fit.
{ printf 'signal s : integer := '; repeat '(' 9900; printf a; repeat ')' 9900; printf ';\n'; } > "$tmp/in"
{ printf ' int s  = '; repeat '(' 9900; printf a; repeat ')' 9900; printf ';\n\n'; } > "$tmp/want"
check "9900 parentheses" 0

# An entity with 6000 ports and a process that lists them.
n=6000
{
  printf 'entity e is port (p1 : in bit'
  for ((i = 2; i <= n; i++)); do
    if ((i % 2)); then printf ';\n  p%d : in bit' $i; else printf ';\n  p%d : out integer' $i; fi
  done
  printf ');\nend e;\narchitecture a of e is begin process begin end process; end a;\n'
} > "$tmp/in"
{
  printf '   \n process_A (p1'
  for ((i = 2; i <= n; i++)); do printf ', p%d' $i; done
  printf ') ()\n'
  for ((i = 1; i <= n; i++)); do
    if ((i % 2)); then printf 'char p%d;\n' $i; else printf 'int p%d;\n' $i; fi
  done
  printf '{\n}\n\n'
} > "$tmp/want"
check "$n ports" 0

exit $fail
