#!/bin/bash
# Scaling of vhdl87c with the input size: for every shape of generated
# design (gen.py), translates files of SIZE, 2 SIZE and 4 SIZE bytes and
# reports the time of the whole process (wall and CPU, the best of the
# repeats, which go round the three sizes), the throughput, the peak RSS,
# the memory bound 4 x (input + output) + 16 MiB and the ratio t(4N)/t(2N)
# of the CPU times (other load on the machine disturbs them less than the
# wall times).
# A linear translator has a ratio near 2; a quadratic one near 4.
#
#   scale.sh [--bin PATH] [--base SIZE] [--shapes LIST] [--repeat R]
#            [--max-ratio X] [--depth D] [--seed S] [--workdir DIR] [--check]
#            [--instructions] [--arg OPTION]...
#
# --check exits 1 when a ratio is above the limit (3 unless --max-ratio is
# given), when a peak RSS is above its bound, or when a translation fails;
# without it the verdicts are printed against the target ratio 2.2 and the
# exit status is 0 unless a translation fails.  --instructions also counts
# the instructions of each translation under valgrind (cachegrind) and
# judges the ratio of those counts instead, which no load can disturb.
# --arg passes an option to every translation (--arg --relaxed); it may be
# repeated.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
bin=${VHDL87C:-$here/../build/vhdl87c}
base=8M
shapes=units,statements,netlist,ports,nesting,nesting-depth,mix
repeat=3
max_ratio=
depth=500
seed=1
workdir=
check=0
instructions=0
bin_args=()

usage() { awk 'NR > 1 && !/^#/ { exit } NR > 1 { sub(/^# ?/, ""); print }' "$0"; exit "${1:-0}"; }
while [ $# -gt 0 ]; do
  case $1 in
    --bin) bin=$2; shift 2 ;;
    --base) base=$2; shift 2 ;;
    --shapes) shapes=$2; shift 2 ;;
    --repeat) repeat=$2; shift 2 ;;
    --max-ratio) max_ratio=$2; shift 2 ;;
    --depth) depth=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    --workdir) workdir=$2; shift 2 ;;
    --check) check=1; shift ;;
    --instructions) instructions=1; shift ;;
    --arg) bin_args+=("$2"); shift 2 ;;
    -h|--help) usage 0 ;;
    *) echo "scale.sh: unknown option $1" >&2; usage 2 ;;
  esac
done
[ -n "$max_ratio" ] || { [ $check = 1 ] && max_ratio=3 || max_ratio=2.2; }
[ -x "$bin" ] || { echo "scale.sh: no translator at $bin (use --bin)" >&2; exit 2; }
tools=(python3 "${CC:-cc}")
[ $instructions = 1 ] && tools+=(valgrind)
for tool in "${tools[@]}"; do
  command -v "$tool" >/dev/null || { echo "scale.sh: $tool is missing; skipped"; exit 77; }
done

# Generated inputs are kept in --workdir and reused (gen.py is
# deterministic); otherwise they live in a temporary folder.
if [ -n "$workdir" ]; then
  mkdir -p "$workdir"
  tmp=$(mktemp -d "${TMPDIR:-/tmp}/vhdl87c-scale.XXXXXX")
else
  tmp=$(mktemp -d "${TMPDIR:-/tmp}/vhdl87c-scale.XXXXXX")
  workdir=$tmp
fi
trap 'rm -rf "$tmp"' EXIT
"${CC:-cc}" -O2 -o "$tmp/runstat" "$here/runstat.c"

bytes_of() {  # SIZE with an optional K, M or G suffix (powers of 1024)
  case $1 in
    *[kK]) echo $(( ${1%?} * 1024 )) ;;
    *[mM]) echo $(( ${1%?} * 1024 * 1024 )) ;;
    *[gG]) echo $(( ${1%?} * 1024 * 1024 * 1024 )) ;;
    *) echo "$1" ;;
  esac
}
base_bytes=$(bytes_of "$base")

# The input of one shape at k times the base size; prints its path and N.
# Most shapes are sized by bytes.  `nesting` holds nests of --depth levels
# and doubles their count; `nesting-depth` keeps the count and doubles the
# depth (--depth, 2 x, 4 x).
nest_count=
make_input() {
  local shape=$1 k=$2 size=$(( base_bytes * $2 )) file args
  case $shape in
    nesting)
      if [ -z "$nest_count" ]; then
        nest_count=$(python3 "$here/gen.py" nesting --bytes "$base_bytes" --depth "$depth" \
                       --seed "$seed" --stats 2>&1 >/dev/null | sed -n 's/.* n=\([0-9]*\).*/\1/p')
      fi
      args=(nesting -n "$depth" --count $(( nest_count * k ))) ;;
    nesting-depth) args=(nesting --bytes "$size" --depth $(( depth * k ))) ;;
    *) args=("$shape" --bytes "$size") ;;
  esac
  file=$workdir/$(IFS=_; echo "${args[*]}" | tr -d -)-s$seed.vhd
  if [ ! -s "$file" ] || [ ! -s "$file.stats" ]; then
    python3 "$here/gen.py" "${args[@]}" --seed "$seed" --stats -o "$file" 2> "$file.stats"
  fi
  local n
  if [ "$shape" = nesting-depth ]; then
    n=$(sed -n 's/.* depth=\([0-9]*\).*/\1/p' "$file.stats")
  else
    n=$(sed -n 's/.* n=\([0-9]*\).*/\1/p' "$file.stats")
  fi
  echo "$file $n"
}

# One translation; prints "wall cpu kb outbytes".
measure() {
  local input=$1 out=$tmp/out.c w c r code
  read -r w c r code < <("$tmp/runstat" "$input" "$out" "$bin" ${bin_args[@]+"${bin_args[@]}"})
  if [ "$code" != 0 ]; then
    echo "scale.sh: vhdl87c exited with status $code on $input" >&2
    head -c 300 "$out" >&2
    return 1
  fi
  echo "$w $c $r $(stat -c %s "$out")"
}

min() { awk -v a="$1" -v b="${2:-1e99}" 'BEGIN { print (a < b ? a : b) }'; }

# Instructions executed by one translation, in millions.
count_instructions() {
  valgrind --tool=cachegrind --cache-sim=no --cachegrind-out-file=/dev/null \
    "$bin" ${bin_args[@]+"${bin_args[@]}"} < "$1" 2>&1 >/dev/null | sed -n 's/.*I *refs: *//p' | tr -d , |
    awk '{ printf "%.1f", $1 / 1e6 }'
}

# One shape at the three sizes: prints its rows and its verdict line, and
# returns 1 when a bound is passed, 2 when a translation failed.
run_shape() {
  local shape=$1 k i file n w c r out_bytes in_bytes bound_kb mem verdict result=0
  local -A file_of=() n_of=() wall_of=() cpu_of=() rss_of=() out_of=() ins_of=()
  for k in 1 2 4; do
    read -r file n < <(make_input "$shape" $k)
    file_of[$k]=$file n_of[$k]=$n rss_of[$k]=0
  done
  # The repeats go round the three sizes, so that a burst of other load
  # on the machine slows all of them alike; each keeps its best time.
  for (( i = 0; i < repeat; i++ )); do
    for k in 1 2 4; do
      read -r w c r out_bytes < <(measure "${file_of[$k]}") || true
      [ -n "${c:-}" ] || return 2
      wall_of[$k]=$(min "$w" "${wall_of[$k]:-}")
      cpu_of[$k]=$(min "$c" "${cpu_of[$k]:-}")
      [ "$r" -gt "${rss_of[$k]}" ] && rss_of[$k]=$r
      out_of[$k]=$out_bytes
      w='' c=''
    done
  done
  for k in 1 2 4; do
    ins_of[$k]=''
    [ $instructions = 1 ] && ins_of[$k]=$(count_instructions "${file_of[$k]}")
    in_bytes=$(stat -c %s "${file_of[$k]}")
    bound_kb=$(( (4 * (in_bytes + out_of[$k])) / 1024 + 16384 ))
    mem=ok
    if [ "${rss_of[$k]}" -gt "$bound_kb" ]; then mem=OVER; result=1; fi
    awk -v s="$shape" -v n="${n_of[$k]}" -v b="$in_bytes" -v w="${wall_of[$k]}" \
        -v c="${cpu_of[$k]}" -v r="${rss_of[$k]}" -v bd="$bound_kb" -v m="$mem" -v i="${ins_of[$k]}" \
      'BEGIN { printf "%-14s %10d %11d %8.3f %8.3f %8.1f %8.1f %9.1f %5s %s\n",
               s, n, b, w, c, b / 1048576 / w, r / 1024, bd / 1024, m, i }'
  done
  verdict=$(awk -v c4="${cpu_of[4]}" -v c2="${cpu_of[2]}" -v w4="${wall_of[4]}" -v w2="${wall_of[2]}" \
    -v i4="${ins_of[4]}" -v i2="${ins_of[2]}" -v lim="$max_ratio" 'BEGIN {
      if (i2 != "") { r = i4 / i2; printf "instructions(4N)/instructions(2N) = %.3f, t(4N)/t(2N) = %.2f (wall %.2f)", r, c4 / c2, w4 / w2 }
      else { r = c4 / c2; printf "t(4N)/t(2N) = %.2f (wall %.2f)", r, w4 / w2 }
      printf ", limit %s: %s", lim, (r <= lim ? "ok" : "OVER") }')
  echo "  $shape: $verdict"
  case $verdict in *OVER) result=1 ;; esac
  return $result
}

status=0
printf '%-14s %10s %11s %8s %8s %8s %8s %9s %5s %s\n' \
  shape N bytes wall_s cpu_s MiB/s rss_MiB bound_MiB mem "$([ $instructions = 1 ] && echo M_instr)"
IFS=, read -r -a shape_list <<< "$shapes"
for shape in "${shape_list[@]}"; do
  result=0
  run_shape "$shape" || result=$?
  # A passing load on the machine can slow one run down; in check mode a
  # shape over its bounds is measured once more before it fails.
  if [ $result = 1 ] && [ $check = 1 ]; then
    echo "  $shape: over a bound; measuring once more"
    result=0
    run_shape "$shape" || result=$?
  fi
  case $result in
    1) [ $check = 1 ] && status=1 ;;
    2) status=1 ;;
  esac
done
exit $status
