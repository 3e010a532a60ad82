#!/bin/bash
# The program as built, under valgrind: no memory error, and nothing left
# in use at exit after a translation, after a syntax error, and after a
# translation that keeps large pieces.
#
#   memory_at_exit.sh VHDL87C EXAMPLE
set -u
bin=$1 example=$2
command -v valgrind >/dev/null || { echo "valgrind is missing; skipped"; exit 77; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

printf 'entity e is port (a : in bit); end;\narchitecture x of e is begin\nprocess begin if a = 1 then ; end if; end process; end;\n' > "$tmp/error.vhd"
{
  echo 'entity big is end;'
  echo 'architecture a of big is begin process begin'
  for i in $(seq 400); do echo "  if c$i = 1 then x$i := y$i + $i; else x$i := 0; end if;"; done
  echo 'end process; end;'
} > "$tmp/large.vhd"

status=0
for input in "$example" "$tmp/error.vhd" "$tmp/large.vhd"; do
  valgrind --error-exitcode=99 --leak-check=full --show-leak-kinds=all \
    "$bin" < "$input" > /dev/null 2> "$tmp/log"
  code=$?
  if [ $code = 99 ] || ! grep -q 'in use at exit: 0 bytes in 0 blocks' "$tmp/log"; then
    echo "FAIL: $(basename "$input") (exit $code)"
    grep -E 'in use at exit|ERROR SUMMARY|Invalid|uninitialised' "$tmp/log"
    status=1
  else
    echo "ok: $(basename "$input")"
  fi
done
exit $status
