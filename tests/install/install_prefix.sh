#!/bin/bash
# Installs the build into a fresh prefix, then runs the installed program
# on the bundled example and looks for the installed manual page and
# copyright file.
set -u
cmake=$1 build=$2 source=$3 bindir=$4 mandir=$5 docdir=$6
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
if ! "$cmake" --install "$build" --prefix "$prefix" > "$work/log" 2>&1; then
  echo "cmake --install failed:"; cat "$work/log"; exit 1
fi
ok=1
bin=$prefix/$bindir/vhdl87c
if [ ! -x "$bin" ]; then
  echo "not installed: $bindir/vhdl87c"; ok=0
else
  "$bin" < "$source/examples/counter.vhd" > "$work/counter.c" 2> "$work/err"
  status=$?
  [ "$status" = 0 ] || { echo "installed vhdl87c exited with $status"; ok=0; }
  if ! cmp -s "$source/examples/counter.c" "$work/counter.c"; then
    echo "installed vhdl87c: output differs from examples/counter.c:"
    diff -u "$source/examples/counter.c" "$work/counter.c" | cat -A | head -40; ok=0
  fi
  [ -s "$work/err" ] && { echo "unexpected error stream:"; cat "$work/err"; ok=0; }
fi
page=""
for candidate in "$prefix/$mandir/man1/vhdl87c.1.gz" "$prefix/$mandir/man1/vhdl87c.1"; do
  [ -f "$candidate" ] && page=$candidate
done
if [ -z "$page" ]; then
  echo "not installed: $mandir/man1/vhdl87c.1 (or .1.gz)"; ok=0
else
  # The installed page, possibly compressed.
  case $page in
    *.gz) gzip -dc "$page" > "$work/page" ;;
    *) cp "$page" "$work/page" ;;
  esac
  # doc/vhdl87c.1 but for the line after the one naming VHDL87C_BUG_REPORT:
  # the build's address, or, when none is set, the page's own words that
  # none is configured.
  address=$(sed -n 's/^VHDL87C_BUG_REPORT:STRING=//p' "$build/CMakeCache.txt")
  if [ -n "$address" ]; then
    grep -qxF "Report bugs at \\%$address," "$work/page" || { echo "installed manual page does not name $address"; ok=0; }
  else
    grep -q '^No bug-report address is configured' "$work/page" ||
      { echo "installed manual page does not say that no bug-report address is configured"; ok=0; }
  fi
  sed '/VHDL87C_BUG_REPORT/{n;d}' "$source/doc/vhdl87c.1" > "$work/source-page"
  sed '/VHDL87C_BUG_REPORT/{n;d}' "$work/page" | cmp -s "$work/source-page" - ||
    { echo "installed manual page differs from doc/vhdl87c.1"; ok=0; }
fi
if [ ! -f "$prefix/$docdir/copyright" ]; then
  echo "not installed: $docdir/copyright"; ok=0
else
  grep -q '^Copyright: .* the vhdl87c authors$' "$prefix/$docdir/copyright" ||
    { echo "$docdir/copyright has no copyright line"; ok=0; }
fi
[ $ok = 1 ] && echo "installed into $prefix: the program translates examples/counter.vhd, the manual page and copyright file are in place"
[ $ok = 1 ]
