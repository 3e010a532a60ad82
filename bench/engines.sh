#!/usr/bin/env bash
# engines.sh: how much of a translation is reading and how much composing.
#
#   bench/engines.sh [--bytes SIZE] [--file FILE] [--repeat R] [--seed S]
#
# Builds, from the sources of this checkout, two reduced programs beside
# the translator and times the three on the same input (a generated `mix`
# of SIZE, 100M by default, or FILE), alternating them R times (default 5):
#   scan   the scanner alone: every token read, its fragment released;
#   parse  scanner and parser with the same grammar and tables, but every
#          action only releases its right-hand side: no composition;
#   full   the translator (build/vhdl87c, or --bin PATH).
# The reduced programs are built from SOURCE/scanner.l, SOURCE/parser.y and
# the other SOURCE/*.cc (--source SOURCE, default src/ of this checkout).
# It prints the best CPU time and throughput of each, and the shares of
# scanning, parsing and composing in the translator's time.  With
# --instructions it also counts the instructions of each under valgrind
# (cachegrind), per input byte, which other load on the machine cannot
# disturb (use a few MB: valgrind is slow).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
bin=${VHDL87C:-$root/build/vhdl87c}
bytes=100M
file=
repeat=5
seed=1
source=$root/src
instructions=0

while [ $# -gt 0 ]; do
  case $1 in
    --bytes) bytes=$2; shift 2 ;;
    --file) file=$2; shift 2 ;;
    --repeat) repeat=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    --bin) bin=$2; shift 2 ;;
    --source) source=$(cd "$2" && pwd); shift 2 ;;
    --instructions) instructions=1; shift ;;
    -h|--help) sed -n '2,22p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "engines.sh: unknown argument $1" >&2; exit 2 ;;
  esac
done
[ -x "$bin" ] || { echo "engines.sh: no translator at $bin (make build)" >&2; exit 2; }

tmp=$(mktemp -d "${TMPDIR:-/tmp}/vhdl87c-engines.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

# The same generators and compiler options as the translator's build.
cxx=${CXX:-c++}
flags=(-O2 -g -DNDEBUG -std=gnu++17 -w -I"$source" -I"$tmp")
flex -o "$tmp/scanner.cc" "$source/scanner.l"
# The four parsers (plain and explained, of the default and the later
# grammar), made as the build makes them.
cmake -DSOURCE="$source" -DOUT="$tmp" -P "$(cd "$source/.." && pwd)/cmake/Parsers.cmake"
python3 "$here/engines/bare_grammar.py" "$source/parser.y" > "$tmp/bare.y"
bison -Wnone -o "$tmp/bare.cc" "$tmp/bare.y"
# Every source of the translator but its driver, whatever the files are
# called, compiled once; each program takes the parser it needs.
common=()
for unit in "$source"/*.cc "$tmp/scanner.cc" "$tmp/parser_explained.cc" "$tmp/parser_later.cc" \
            "$tmp/parser_later_explained.cc"; do
  case $unit in */main.cc) continue ;; esac
  object=$tmp/$(basename "${unit%.cc}").o
  unit_flags=()
  case $unit in */parser_later_explained.cc) unit_flags=(-DEXPLAINED_DEBUG=1) ;; esac
  "$cxx" "${flags[@]}" "${unit_flags[@]}" -c -o "$object" "$unit"
  common+=("$object")
done
"${CC:-cc}" -O2 -o "$tmp/runstat" "$here/runstat.c"
"$cxx" "${flags[@]}" -o "$tmp/scan" "$here/engines/scan_only.cc" "$tmp/parser.cc" "${common[@]}"
"$cxx" "${flags[@]}" -o "$tmp/parse" "$here/engines/parse_only.cc" "$tmp/bare.cc" "${common[@]}"

if [ -z "$file" ]; then
  file=$tmp/mix.vhd
  python3 "$here/gen.py" mix --bytes "$bytes" --seed "$seed" -o "$file"
fi
size=$(stat -c %s "$file")

declare -A best
for round in $(seq "$repeat"); do
  for tool in scan parse full; do
    case $tool in full) command=$bin ;; *) command=$tmp/$tool ;; esac
    read -r wall cpu rss code < <("$tmp/runstat" "$file" "$tmp/out" "$command")
    if [ "$code" != 0 ]; then
      echo "engines.sh: $tool exited with status $code" >&2
      exit 1
    fi
    best[$tool]=$(awk -v a="$cpu" -v b="${best[$tool]:-1e99}" 'BEGIN { print (a < b ? a : b) }')
  done
done

printf '%-6s %10s %9s\n' program cpu_s MiB/s
for tool in scan parse full; do
  awk -v t="$tool" -v c="${best[$tool]}" -v n="$size" \
    'BEGIN { printf "%-6s %10.3f %9.1f\n", t, c, n / 1048576 / c }'
done
awk -v s="${best[scan]}" -v p="${best[parse]}" -v f="${best[full]}" 'BEGIN {
  printf "shares of the translator'"'"'s time: scanning %.0f%%, parsing %.0f%%, composing %.0f%%\n",
         100 * s / f, 100 * (p - s) / f, 100 * (f - p) / f }'

if [ $instructions = 1 ]; then
  command -v valgrind >/dev/null || { echo "engines.sh: valgrind is missing; no instruction counts"; exit 0; }
  declare -A count
  printf '%-6s %12s %10s\n' program M_instr instr/byte
  for tool in scan parse full; do
    case $tool in full) command=$bin ;; *) command=$tmp/$tool ;; esac
    count[$tool]=$(valgrind --tool=cachegrind --cache-sim=no --cachegrind-out-file=/dev/null "$command" < "$file" 2>&1 >/dev/null |
                   sed -n 's/.*I *refs: *//p' | tr -d ,)
    awk -v t=$tool -v c="${count[$tool]}" -v n="$size" 'BEGIN { printf "%-6s %12.1f %10.1f\n", t, c / 1e6, c / n }'
  done
  awk -v s="${count[scan]}" -v p="${count[parse]}" -v f="${count[full]}" 'BEGIN {
    printf "shares of the translator'"'"'s instructions: scanning %.0f%%, parsing %.0f%%, composing %.0f%%\n",
           100 * s / f, 100 * (p - s) / f, 100 * (f - p) / f }'
fi
