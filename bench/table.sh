#!/bin/bash
# The speed table of the README: one large generated file per shape,
# translated R times (default 5, going round the shapes), output to a file;
# prints a Markdown row per shape with the size, the best wall time, the
# throughput in MB/s (10^6 bytes) and the peak RSS.
#
#   table.sh [--bin PATH] [--repeat R] [--seed S] [--workdir DIR] [SHAPE:SIZE...]
#
# The default rows are mix:100M statements:64M netlist:64M ports:64M
# nesting:128M (nests of 1 000 levels).  --workdir keeps the generated
# files there and reuses them.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
bin=${VHDL87C:-$here/../build/vhdl87c}
repeat=5
seed=1
workdir=
rows=()

usage() { awk 'NR > 1 && !/^#/ { exit } NR > 1 { sub(/^# ?/, ""); print }' "$0"; exit "${1:-0}"; }
while [ $# -gt 0 ]; do
  case $1 in
    --bin) bin=$2; shift 2 ;;
    --repeat) repeat=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    --workdir) workdir=$2; shift 2 ;;
    -h|--help) usage 0 ;;
    -*) echo "table.sh: unknown option $1" >&2; usage 2 ;;
    *) rows+=("$1"); shift ;;
  esac
done
[ ${#rows[@]} -gt 0 ] || rows=(mix:100M statements:64M netlist:64M ports:64M nesting:128M)
[ -x "$bin" ] || { echo "table.sh: no translator at $bin (use --bin)" >&2; exit 2; }

tmp=$(mktemp -d "${TMPDIR:-/tmp}/vhdl87c-table.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
[ -n "$workdir" ] || workdir=$tmp
mkdir -p "$workdir"
"${CC:-cc}" -O2 -o "$tmp/runstat" "$here/runstat.c"

files=()
for row in "${rows[@]}"; do
  shape=${row%%:*} size=${row#*:}
  file=$workdir/table-$shape-$size-s$seed.vhd
  if [ ! -s "$file" ] || [ ! -s "$file.stats" ]; then
    python3 "$here/gen.py" "$shape" --bytes "$size" --seed "$seed" --stats -o "$file" 2> "$file.stats"
  fi
  files+=("$file")
done

declare -A wall rss
for round in $(seq "$repeat"); do
  for file in "${files[@]}"; do
    read -r w c r code < <("$tmp/runstat" "$file" "$tmp/out.c" "$bin")
    [ "$code" = 0 ] || { echo "table.sh: vhdl87c exited with status $code on $file" >&2; exit 1; }
    if [ -z "${wall[$file]:-}" ] || awk -v a="$w" -v b="${wall[$file]}" 'BEGIN { exit !(a < b) }'; then
      wall[$file]=$w
    fi
    rss[$file]=$r
  done
done

echo "| shape | N | size | time | MB/s | peak memory |"
echo "|---|---|---|---|---|---|"
for file in "${files[@]}"; do
  stats=$(cat "$file.stats")
  awk -v stats="$stats" -v t="${wall[$file]}" -v kb="${rss[$file]}" 'BEGIN {
    n = split(stats, field, /[ =]/)
    for (i = 1; i < n; i += 2) value[field[i]] = field[i + 1]
    printf "| %s | %s | %.0f MB | %.2f s | %.0f | %.0f MiB |\n", value["shape"], value["n"],
           value["bytes"] / 1e6, t, value["bytes"] / 1e6 / t, kb / 1024 }'
done
