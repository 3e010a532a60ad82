#!/bin/bash
# --explain on hostile inputs: an error in the middle of a 10 MB line, 20 000
# nested parentheses, a million stray characters, a million constructs
# flagged.
# Each run ends with the same standard output and exit status as without
# the option, and with the expected explanation.
#
#   bad_input.sh BIN
set -u
bin=$1
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
failed=0
fail() { echo "$1"; failed=1; }

# Runs the input with and without --explain; the explanation (standard error
# without the argument echo) is left in $tmp/explained.
run() {
  "$bin" < "$1" > "$tmp/out1" 2> /dev/null; s1=$?
  "$bin" --explain < "$1" > "$tmp/out2" 2> "$tmp/err"; s2=$?
  cmp -s "$tmp/out1" "$tmp/out2" || fail "$2: standard output differs"
  [ "$s1" = "$s2" ] || fail "$2: exit status $s1 without, $s2 with --explain"
  tail -n +2 "$tmp/err" > "$tmp/explained"
}

# 1. An error in the middle of a 10 MB line: the line is shown cut around
#    the token, at most 120 columns and the two marks.
python3 - "$tmp/long.vhd" <<'PY'
import sys
items = ["a%d : in bit" % i for i in range(700000)]
items[350000] = "x : in bit bit bit"
with open(sys.argv[1], "w") as f:
    f.write("entity e is port (" + "; ".join(items) + "); end;\n")
PY
run "$tmp/long.vhd" long_line
line=$(sed -n 2p "$tmp/explained") caret=$(sed -n 3p "$tmp/explained")
grep -q '^<stdin>:1:[0-9]*: error: unexpected identifier .bit.; expected ' "$tmp/explained" ||
  fail "long_line: no error line: $(head -c 300 "$tmp/explained")"
[ "${#line}" -le 126 ] && [ "${line:0:3}" = ... ] && [ "${line: -3}" = ... ] ||
  fail "long_line: the line is not cut around the token: ${line:0:200}"
col=${caret%%^*}
[ "${line:${#col}:3}" = bit ] || fail "long_line: the caret is not under the token"
[ "$(wc -l < "$tmp/explained")" = 3 ] || fail "long_line: $(wc -l < "$tmp/explained") lines"

# 2. 20 000 nested parentheses overflow the parser's stack.
python3 -c "print('package p is constant c : integer := ' + '(' * 20000 + '1' + ')' * 20000 + '; end;')" > "$tmp/deep.vhd"
run "$tmp/deep.vhd" nesting
grep -q '^<stdin>:1:[0-9]*: error: nesting too deep (more than 10000 parser stack entries)$' "$tmp/explained" ||
  fail "nesting: $(head -c 300 "$tmp/explained")"
[ "$(sed -n 3p "$tmp/explained" | tr -d ' ')" = '^' ] || fail "nesting: no caret"

# 3. A million stray characters: 20 warnings, then their count.
python3 -c "print('entity e is' + ' @' * 1000000 + ' end;')" > "$tmp/stray.vhd"
run "$tmp/stray.vhd" stray
[ "$(grep -c ": warning: '@' skipped: no token starts with it$" "$tmp/explained")" = 20 ] ||
  fail "stray: not 20 warnings"
[ "$(sed -n 21p "$tmp/explained")" = '<stdin>: warning: 999980 more characters skipped' ] ||
  fail "stray: no count: $(sed -n 21p "$tmp/explained")"
[ "$(wc -l < "$tmp/explained")" = 22 ] || fail "stray: $(wc -l < "$tmp/explained") lines"

# 4. A million constructs the C text does not carry, of three kinds: 20
#    warnings of each kind, then the count of the rest.
python3 - "$tmp/flagged.vhd" <<'PY'
import sys
with open(sys.argv[1], "w") as f:
    f.write("p : process\nbegin\n")
    f.write("  wait for 1 ns;\n  x := y(3 downto 0);\n  x := x\"123456789\";\n" * 333334)
    f.write("end process;\n")
PY
run "$tmp/flagged.vhd" flagged
for kind in "wait for written as a loop" "range written as its element count" "bit string of 36 bits"; do
  [ "$(grep -c ": warning: $kind" "$tmp/explained")" = 20 ] || fail "flagged: not 20 warnings of '$kind'"
done
for kind in "ranges written as their element count" "bit strings wider than 32 bits" "wait for statements written as loops"; do
  grep -qx "<stdin>: warning: 333314 more $kind" "$tmp/explained" || fail "flagged: no count of '$kind'"
done
[ "$(wc -l < "$tmp/explained")" = $((3 * 20 * 3 + 3 + 1)) ] || fail "flagged: $(wc -l < "$tmp/explained") lines"

[ $failed = 0 ] && echo "all hostile inputs explained"
[ $failed = 0 ]
